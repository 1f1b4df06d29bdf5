// Figures for the public Oracc sign list: converting it to sign data, and
// loading the sign data file that results.

#include "core/dictionary/CFWordDictionary.h"
#include "tools/OslSignList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using velmora::CFWordDictionary;
using velmora::OslSignList;

const std::filesystem::path kSignList = std::filesystem::path(VELMORA_SHARED_DATA_DIR) / "osl.asl";

std::string ReadSignList()
{
    std::ifstream in(kSignList, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reading the list from disk and converting it, as from-osl does before it
// saves.
void BM_ConvertSignList(benchmark::State& state)
{
    if (!std::filesystem::exists(kSignList)) {
        state.SkipWithError("no sign list");
        return;
    }
    for (auto _ : state) {
        CFWordDictionary dictionary;
        const auto result = OslSignList::Convert(ReadSignList(), dictionary);
        benchmark::DoNotOptimize(result.summary.readings);
    }
}
BENCHMARK(BM_ConvertSignList)->Unit(benchmark::kMillisecond);

// Loading the converted list as the editor does at start-up.
void BM_LoadConvertedSignList(benchmark::State& state)
{
    if (!std::filesystem::exists(kSignList)) {
        state.SkipWithError("no sign list");
        return;
    }
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-bench-osl.cfd";
    {
        CFWordDictionary dictionary;
        OslSignList::Convert(ReadSignList(), dictionary);
        if (!dictionary.Save(file)) {
            state.SkipWithError("cannot write the sign data file");
            return;
        }
    }
    for (auto _ : state) {
        CFWordDictionary dictionary;
        benchmark::DoNotOptimize(dictionary.Load(file));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_LoadConvertedSignList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
