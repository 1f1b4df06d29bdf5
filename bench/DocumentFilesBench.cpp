// Saving and loading the largest document an editor holds: 60000 lines of
// 1000 cells (and a tenth and a hundredth of it), mostly cuneiform signs of
// four UTF-8 bytes with some ASCII between them. Prints bytes per second of
// the text file.
#include "app/DocumentFiles.h"
#include "document/CFDocument.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using velmora::CFDocument;

constexpr std::uint32_t kCellsPerLine = 1000;

const CFDocument& Document(std::uint32_t lines)
{
    static std::map<std::uint32_t, CFDocument> cache;
    auto [it, inserted] = cache.try_emplace(lines);
    if (inserted) {
        std::vector<std::uint32_t> cells(kCellsPerLine);
        for (std::uint32_t line = 0; line < lines; ++line) {
            for (std::uint32_t i = 0; i < kCellsPerLine; ++i)
                cells[i] = (i % 8 == 7) ? 0x2D : 0x12000 + (line * 7 + i) % 0x400;
            if (line > 0)
                it->second.InsertLine(line);
            it->second.InsertCells(kCellsPerLine, line, 0, cells.data());
        }
    }
    return it->second;
}

std::filesystem::path BenchFile()
{
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path() /
        ("velmora-bench-files-" + std::to_string(stamp) + ".txt");
}

void BM_SaveTextFile(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile();
    for (auto _ : state) {
        if (!velmora::SaveTextFile(path, doc))
            state.SkipWithError("SaveTextFile failed");
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

void BM_LoadTextFile(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile();
    if (!velmora::SaveTextFile(path, doc)) {
        state.SkipWithError("SaveTextFile failed");
        return;
    }
    for (auto _ : state) {
        CFDocument loaded;
        if (!velmora::LoadTextFile(path, loaded) || loaded.LineCount() != doc.LineCount())
            state.SkipWithError("LoadTextFile failed");
        benchmark::DoNotOptimize(loaded);
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

void BM_ExportHtml(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile();
    for (auto _ : state) {
        if (!velmora::ExportHtml(path, doc))
            state.SkipWithError("ExportHtml failed");
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

} // namespace

BENCHMARK(BM_SaveTextFile)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadTextFile)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportHtml)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
