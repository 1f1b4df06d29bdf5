// Figures for the sign dictionary at the size of a full sign list: loading,
// looking up, deriving keys and saving a file of about 50,000 readings, and
// loading one of 100,000.

#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/TransliterationKey.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using velmora::CFWordDictionary;
using velmora::CFWordSign;
using velmora::TransliterationKey;
using velmora::WordPtr;

constexpr int kReadings = 50000;

// A generated sign data file: syllable-like keys in the file notation with
// sign numbers 1-30 and one to three signs each, plus the typed forms of
// the keys (lower case, subscript digits) for the lookups.
struct SignData {
    std::string bytes;
    std::vector<std::vector<std::uint32_t>> typed;
    std::vector<WordPtr> keys;
    std::vector<WordPtr> missingKeys;
    std::filesystem::path path;

    explicit SignData(int readings)
    {
        std::mt19937 random(2024);
        const std::string consonants = "BDGKLMNPRSTZ";
        const char* specials[] = {"C", "H", "#S", "#T"};
        const char* vowels[] = {"A", "E", "I", "U", "-A", "-U", "^A", "^I"};
        bytes = "// generated sign data\r\n";
        for (int i = 0; i < readings; ++i) {
            std::string key;
            const int syllables = 1 + static_cast<int>(random() % 3);
            for (int s = 0; s < syllables; ++s) {
                if (random() % 5 == 0)
                    key += specials[random() % 4];
                else
                    key += consonants[random() % consonants.size()];
                key += vowels[random() % 8];
                if (random() % 2)
                    key += consonants[random() % consonants.size()];
            }
            const unsigned number = 1 + random() % 30;
            std::string line = key + std::to_string(number) + " ";
            const int signs = 1 + static_cast<int>(random() % 3);
            for (int k = 0; k < signs; ++k) {
                if (k > 0)
                    line += ',';
                char hex[16];
                const auto end = std::to_chars(hex, hex + sizeof hex,
                                               0x12000u + static_cast<unsigned>(random() % 0x400), 16);
                line.append(hex, end.ptr);
            }
            bytes += line + "\r\n";
        }

        CFWordDictionary d;
        (void)d.LoadFromBytes(bytes);
        d.ForEachEntry([&](const CFWordDictionary::Entry& e) {
            keys.push_back(e.key);
            std::vector<std::uint32_t> text;
            for (const std::uint32_t symbol : e.key->Cells())
                text.push_back(symbol >= 'A' && symbol <= 'Z' ? symbol + 0x20 : symbol);
            text.push_back(0x2080 + e.candidates->back()->number % 10);
            typed.push_back(text);
            std::vector<std::uint32_t> missing(e.key->Cells().begin(), e.key->Cells().end());
            missing.push_back('Q');
            missingKeys.push_back(CFWordSign::FromCells(missing));
        });
        std::shuffle(keys.begin(), keys.end(), random);

        path = std::filesystem::temp_directory_path()
            / ("velmora-bench-" + std::to_string(std::random_device{}()) + ".cfd");
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~SignData() { std::filesystem::remove(path); }
};

const SignData& Data(int readings = kReadings)
{
    static std::map<int, SignData> data;
    return data.try_emplace(readings, readings).first->second;
}

void BM_LoadFile(benchmark::State& state)
{
    const auto readings = static_cast<int>(state.range(0));
    const SignData& data = Data(readings);
    CFWordDictionary d;
    for (auto _ : state) {
        d.Clear();
        if (!d.Load(data.path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(d.CandidateCount());
    }
    state.SetItemsProcessed(state.iterations() * readings);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.bytes.size()));
    state.counters["keys"] = static_cast<double>(d.EntryCount());
}
BENCHMARK(BM_LoadFile)->Arg(kReadings)->Arg(100000)->Unit(benchmark::kMillisecond);

// The load at start-up: into an empty dictionary, the dictionary's
// destruction not counted.
void BM_LoadFileAtStartUp(benchmark::State& state)
{
    const auto readings = static_cast<int>(state.range(0));
    const SignData& data = Data(readings);
    for (auto _ : state) {
        state.PauseTiming();
        auto d = std::make_unique<CFWordDictionary>();
        state.ResumeTiming();
        if (!d->Load(data.path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(d->CandidateCount());
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * readings);
}
BENCHMARK(BM_LoadFileAtStartUp)->Arg(kReadings)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadFromBytes(benchmark::State& state)
{
    const SignData& data = Data();
    for (auto _ : state) {
        CFWordDictionary d;
        (void)d.LoadFromBytes(data.bytes);
        benchmark::DoNotOptimize(d.CandidateCount());
    }
    state.SetItemsProcessed(state.iterations() * kReadings);
}
BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond);

void BM_GetCandidateHit(benchmark::State& state)
{
    const SignData& data = Data();
    CFWordDictionary d;
    (void)d.LoadFromBytes(data.bytes);
    std::size_t i = 0;
    for (auto _ : state) {
        const WordPtr& key = data.keys[i++ % data.keys.size()];
        benchmark::DoNotOptimize(d.GetCandidate(d.CountCandidates(key) - 1, key));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetCandidateHit);

void BM_GetCandidateMiss(benchmark::State& state)
{
    const SignData& data = Data();
    CFWordDictionary d;
    (void)d.LoadFromBytes(data.bytes);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.GetCandidate(0, data.missingKeys[i++ % data.missingKeys.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetCandidateMiss);

// A conversion as the input mode makes it: derive the key, then look it up.
void BM_DeriveAndConvert(benchmark::State& state)
{
    const SignData& data = Data();
    CFWordDictionary d;
    (void)d.LoadFromBytes(data.bytes);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& text = data.typed[i++ % data.typed.size()];
        const auto key = TransliterationKey::Derive(text, TransliterationKey::InputMode);
        if (key.Usable())
            benchmark::DoNotOptimize(d.GetCandidate(0, key.key));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DeriveAndConvert);

void BM_Serialize(benchmark::State& state)
{
    CFWordDictionary d;
    (void)d.LoadFromBytes(Data().bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(d.Serialize());
    state.SetItemsProcessed(state.iterations() * kReadings);
}
BENCHMARK(BM_Serialize)->Unit(benchmark::kMillisecond);

void BM_SaveFile(benchmark::State& state)
{
    const SignData& data = Data();
    CFWordDictionary d;
    (void)d.LoadFromBytes(data.bytes);
    const auto out = data.path.string() + ".out";
    for (auto _ : state) {
        if (!d.Save(out))
            state.SkipWithError("save failed");
    }
    std::filesystem::remove(out);
    state.SetItemsProcessed(state.iterations() * kReadings);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

// Many candidates under one key, added with falling numbers: each goes to the
// front of its list, the worst order for a list that is walked.
// A file whose lines of one key come in falling order of numbers: each
// candidate belongs before all the others read so far.
void BM_LoadOneKeyFallingNumbers(benchmark::State& state)
{
    const auto n = static_cast<std::uint32_t>(state.range(0));
    std::string bytes;
    for (std::uint32_t i = 0; i < n; ++i) {
        bytes += 'A';
        bytes += std::to_string(n - i);
        bytes += " 12000\r\n";
    }
    for (auto _ : state) {
        CFWordDictionary d;
        (void)d.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(d.CandidateCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadOneKeyFallingNumbers)
    ->RangeMultiplier(4)
    ->Range(1024, 65536)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace

BENCHMARK_MAIN();
