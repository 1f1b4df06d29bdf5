// What keeping the readings of the signs costs on the largest document
// (60000 lines of 999 cells, a reading for every sign): the memory of the
// document without readings and what the readings add; an edit (a cell
// typed and deleted again) in a line full of readings beside the same edit
// in a line without; a line copied with its readings for the clipboard and
// read back; and the whole document written as ATF, with its readings and
// by sign names.
//
// velmora_bench_readings
#include "core/document/CFDocument.h"
#include "core/document/LineClipboard.h"
#include "core/document/RangeEdit.h"
#include "core/document/ReadingTable.h"
#include "core/files/AtfExport.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kLines = 60000;
constexpr std::uint32_t kCells = 999;

// Words of a letter: a-na be-li₂-ia qi₂-bi₂-ma um-ma, a space after each.
struct Sign {
    std::uint32_t code;
    const char* reading;
};
constexpr Sign kPattern[] = {
    {0x12000, "a"},  {0x1223E, "na"}, {0x20, nullptr},  {0x12041, "be"},  {0x1224C, "li₂"},
    {0x12140, "ia"}, {0x20, nullptr}, {0x121A0, "qi₂"}, {0x12248, "bi₂"}, {0x12220, "ma"},
    {0x20, nullptr}, {0x1231D, "um"}, {0x12220, "ma"},  {0x20, nullptr},
};
constexpr std::size_t kPatternSize = sizeof kPattern / sizeof kPattern[0];

double ResidentMB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}

double Seconds(const std::function<void()>& f)
{
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Microseconds per call of f, over enough calls to take about 50 ms.
double MicrosecondsPerCall(const std::function<void()>& f)
{
    int calls = 1;
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            f();
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        if (us > 50000 || calls > (1 << 24))
            return us / calls;
        calls *= 4;
    }
}

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::vector<ReadingId> ids;
    for (const Sign& sign : kPattern)
        ids.push_back(sign.reading ? ReadingTable::Intern(std::string_view(sign.reading)) : kNoReading);

    const double before = ResidentMB();
    CFDocument document;
    const double made = Seconds([&] {
        document.InsertLines(1, kLines - 1);
        std::vector<std::uint32_t> cells(kCells);
        for (std::uint32_t line = 0; line < kLines; ++line) {
            for (std::uint32_t i = 0; i < kCells; ++i)
                cells[i] = kPattern[(line + i) % kPatternSize].code;
            document.InsertCells(kCells, line, 0, cells.data());
        }
    });
    const double plain = ResidentMB() - before;
    std::printf("%u lines of %u cells: %.0f MB without readings (made in %.2f s)\n", kLines, kCells, plain,
                made);

    std::uint64_t spans = 0;
    const double given = Seconds([&] {
        for (std::uint32_t line = 0; line < kLines; ++line) {
            for (std::uint32_t i = 0; i < kCells; ++i) {
                if (const ReadingId id = ids[(line + i) % kPatternSize]; id != kNoReading) {
                    document.SetReading(line, i, i + 1, id);
                    ++spans;
                }
            }
        }
    });
    const double withReadings = ResidentMB() - before;
    std::printf("  with a reading for each of its %llu signs: %.0f MB (+%.0f MB, %.1f bytes a reading; given "
                "in %.2f s)\n",
                static_cast<unsigned long long>(spans), withReadings, withReadings - plain,
                (withReadings - plain) * 1e6 / double(spans), given);

    // An edit in the middle of a line: with readings the spans behind it
    // move too.
    CFDocument bare;
    std::vector<std::uint32_t> cells(kCells);
    for (std::uint32_t i = 0; i < kCells; ++i)
        cells[i] = kPattern[i % kPatternSize].code;
    bare.InsertCells(kCells, 0, 0, cells.data());
    const auto edit = [](CFDocument& d, std::uint32_t line) {
        return MicrosecondsPerCall([&] {
            d.InsertCell(line, 500, 'a');
            d.EraseCell(line, 500);
        });
    };
    const double editBare = edit(bare, 0);
    const double editRead = edit(document, kLines / 2);
    std::printf(
        "  type and delete a cell at column 500: %.3f us with readings, %.3f us without, ratio %.2f\n",
        editRead, editBare, editRead / editBare);

    // A whole line to the clipboard and back, as a copy and paste do.
    const double copyBare = MicrosecondsPerCall([&] {
        const CFDocument text = CopyRange(bare, {0, 0}, {0, kCells});
        const CFDocument back = DecodeClipboardText(EncodeClipboardText(text));
        (void)back;
    });
    const double copyRead = MicrosecondsPerCall([&] {
        const CFDocument text = CopyRange(document, {kLines / 2, 0}, {kLines / 2, kCells});
        CFDocument back = DecodeClipboardText(EncodeClipboardText(text));
        (void)DecodeClipboardReadings(EncodeClipboardReadings(text), back);
    });
    std::printf("  copy a line and paste it back: %.1f us with readings, %.1f us without, ratio %.2f\n",
                copyRead, copyBare, copyRead / copyBare);

    std::size_t bytes = 0;
    const double byReading = Seconds([&] { bytes = AtfExport::Text(document, "bench").size(); });
    const double byName = Seconds([&] { AtfExport::Text(document, "bench", false); });
    std::printf("  Export ATF of the whole document: %.2f s with readings (%.0f MB), %.2f s by sign names\n",
                byReading, double(bytes) / 1e6, byName);
    return 0;
}
