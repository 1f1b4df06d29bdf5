// Converting a large ATF file: 2 MB in about 33,000 lines, Oracc and C-ATF
// lines mixed with structure, state and translation lines, as
// velmora-signs convert reads it. Peers in the same run: reading the file
// into classified lines alone, and counting its lines with memchr (the
// least any tool does with it).
#include "core/atf/AtfConverter.h"
#include "core/atf/AtfReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using velmora::AtfConverter;
using velmora::AtfReader;
using velmora::AtfSignTable;

// Text lines of both styles, with the marks, numbers, determinatives and
// compounds real editions use.
constexpr const char* kLines[] = {
    "a-na be-li₂-ia qi₂-bi₂-ma um-ma {m}ṣi-li₂-{d}UTU ARAD-ka-a-ma",
    "i-nu an-um ṣi-ru-um LUGAL {d}a-nun-na-ki {d}EN.LIL₂ be-el ša-me-e",
    "[x x] 3(diš) GIN₂ KU₃.BABBAR a-na {d}UTU [...] i-di-in",
    "a-na _{d}utu_ be-li2-ia {disz}ha-am-mu-ra-pi s,i-ru-um t,up-pi sza",
    "ša₂!(KA) geštuₓ(|PI.NUN|) |A.AN| 1/2(diš) ma-na 80 LIM ⸢i⸣-na qa-ti-šu",
    "u₃ a-wi-lum ša i-na E₂.GAL-lim wa-aš-bu a-na ma-har be-li₂-ia",
    "{giš}GU.ZA LUGAL-ti-šu₂ ki-ma {d}UTU-ši li-ki-in",
    "ARAD-ka {1}ib-ni-{d}AMAR.UTU ša {URU}ba-bi-li{ki} a-na da-ri-a-tim",
};

const std::string& LargeAtf()
{
    static const std::string text = [] {
        std::string atf;
        std::size_t lines = 0;
        for (int text = 0; atf.size() < 2'000'000; ++text) {
            atf += "&P" + std::to_string(100000 + text) + " = Text " + std::to_string(text) + "\n";
            atf += "#atf: lang akk\n@tablet\n@obverse\n";
            lines += 4;
            for (int n = 1; n <= 20; ++n, ++lines)
                atf += std::to_string(n) + ". " + kLines[(text + n) % std::size(kLines)] + "\n";
            atf += "$ rest of obverse broken\n#tr.en: To my lord say: thus your servant.\n";
            lines += 2;
        }
        return atf;
    }();
    return text;
}

// The bundled table is built on first use: the cost a conversion pays once.
void BM_BuildBundledTableOnce(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(&AtfSignTable::Bundled());
}
BENCHMARK(BM_BuildBundledTableOnce)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ConvertLargeAtf(benchmark::State& state)
{
    const std::string& atf = LargeAtf();
    const AtfConverter converter;
    for (auto _ : state) {
        const auto conversion = converter.ConvertText(atf);
        benchmark::DoNotOptimize(conversion.lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * atf.size()));
    state.counters["bytes"] = static_cast<double>(atf.size());
    state.counters["lines"] = static_cast<double>(std::count(atf.begin(), atf.end(), '\n'));
}
BENCHMARK(BM_ConvertLargeAtf)->Unit(benchmark::kMillisecond);

// Peer: decoding and sorting the lines without converting them.
void BM_ReadLargeAtfPeer(benchmark::State& state)
{
    const std::string& atf = LargeAtf();
    for (auto _ : state) {
        const auto read = AtfReader::Read(atf);
        benchmark::DoNotOptimize(read.lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * atf.size()));
}
BENCHMARK(BM_ReadLargeAtfPeer)->Unit(benchmark::kMillisecond);

// Peer: counting the lines with memchr.
void BM_CountLinesMemchrPeer(benchmark::State& state)
{
    const std::string& atf = LargeAtf();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char* p = atf.data();
             (p = static_cast<const char*>(std::memchr(p, '\n', atf.data() + atf.size() - p))); ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * atf.size()));
}
BENCHMARK(BM_CountLinesMemchrPeer)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
