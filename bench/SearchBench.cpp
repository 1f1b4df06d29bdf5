// A search that finds nothing in the largest document (60000 lines of 1000
// cells, 240 MB of cells), beside memmem looking for the same word in the
// same bytes (each line's cells as they lie in memory). Prints the median
// time of each and their ratio, for a word whose first sign never occurs and
// for one whose first sign occurs every few cells.
//
// velmora_bench_search [--runs N]

#include "core/document/CFDocument.h"
#include "core/search/DocumentSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string.h>
#include <vector>

namespace {

using velmora::CFDocument;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kLines = 60000;
constexpr std::uint32_t kCells = 1000;

CFDocument MakeDocument()
{
    // Words of signs from a small set with spaces between them, as in a
    // long letter.
    const std::uint32_t signs[] = {0x12000, 0x1223E, 0x12041, 0x121F7, 0x12140,
                                   0x12156, 0x12049, 0x1220C, 0x1230C, 0x12217};
    CFDocument document;
    document.InsertLines(1, kLines - 1);
    std::vector<std::uint32_t> cells(kCells);
    for (std::uint32_t line = 0; line < kLines; ++line) {
        for (std::uint32_t i = 0; i < kCells; ++i)
            cells[i] = i % 4 == 3 ? 0x20 : signs[(line * 7 + i * 3) % 10];
        document.InsertCells(kCells, line, 0, cells.data());
    }
    return document;
}

double MedianMs(int runs, const std::function<void()>& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Compare(const CFDocument& document, const char* what, const std::vector<std::uint32_t>& word, int runs)
{
    volatile bool found = false;
    const double velmora = MedianMs(runs, [&] {
        found = velmora::ScanForward(document, word, {0, 0}).has_value();
    });
    if (found)
        std::printf("  (the word was found; the figures are not those of a miss)\n");
    const double peer = MedianMs(runs, [&] {
        bool hit = false;
        for (std::uint32_t line = 0; line < document.LineCount() && !hit; ++line) {
            const auto cells = document.Line(line).Cells();
            hit = memmem(cells.data(), cells.size_bytes(), word.data(), word.size() * sizeof(std::uint32_t))
                != nullptr;
        }
        found = hit;
    });
    std::printf("  %-34s Velmora %8.1f ms   memmem %8.1f ms   ratio %.2f\n", what, velmora, peer,
                velmora / peer);
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 11;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    const CFDocument document = MakeDocument();
    std::printf("Search miss over %u lines of %u cells (%.0f MB of cells), median of %d runs\n", kLines,
                kCells, kLines * double(kCells) * 4 / 1e6, runs);
    Compare(document, "3 signs, first sign absent", {0x12157, 0x12000, 0x1223E}, runs);
    Compare(document, "3 signs, first sign frequent", {0x12000, 0x12217, 0x12157}, runs);
    return 0;
}
