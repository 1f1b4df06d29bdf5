// The Sign List's filter as the user types: every prefix of a few filters
// (a reading in ASCII and in Unicode, a name, a compound name, a code
// point), each one keystroke, over the whole list of signs. Prints the time
// of one keystroke; it must stay well below a frame (16 ms) to keep up with
// typing.
//
// velmora_bench_signlist_filter
#include "core/commands/SignIndex.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using velmora::SignIndex;

void TypeFilter(benchmark::State& state, std::u32string word)
{
    const SignIndex& index = SignIndex::Bundled();
    std::size_t shown = 0;
    for (auto _ : state) {
        for (std::size_t length = 1; length <= word.size(); ++length) {
            const std::vector<std::size_t> rows = index.Filter(std::u32string_view(word).substr(0, length));
            shown += rows.size();
            benchmark::DoNotOptimize(rows.data());
        }
    }
    // Seconds per keystroke ("12u" is 12 µs).
    state.counters["per_keystroke"] = benchmark::Counter(
        double(state.iterations() * word.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["signs"] = double(index.size());
    benchmark::DoNotOptimize(shown);
}

void WholeList(benchmark::State& state)
{
    const SignIndex& index = SignIndex::Bundled();
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Filter(U"").data());
    state.counters["signs"] = double(index.size());
}

void BuildIndex(benchmark::State& state)
{
    for (auto _ : state) {
        SignIndex index(velmora::SignReadings::Bundled());
        benchmark::DoNotOptimize(index.size());
    }
}

BENCHMARK_CAPTURE(TypeFilter, du3, std::u32string(U"du3"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeFilter, du_subscript3, std::u32string(U"du₃"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeFilter, lugal, std::u32string(U"lugal"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeFilter, KAK, std::u32string(U"KAK"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeFilter, A_AN, std::u32string(U"|A.AN|"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypeFilter, U_12195, std::u32string(U"U+12195"))->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
