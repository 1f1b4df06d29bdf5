#include "core/document/LineClipboard.h"

#include "base/Utf16.h"
#include "core/document/ReadingTable.h"

#include <charconv>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view kReadingsMagic = "VELMORA READINGS 1 ";

// FNV-1a over the cells, with a value no cell read from the clipboard can
// hold between the lines.
std::uint64_t TextHash(const CFDocument& text)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (value >> shift) & 0xFF;
            hash *= 0x100000001b3ull;
        }
    };
    for (std::uint32_t l = 0; l < text.LineCount(); ++l) {
        if (l > 0)
            add(0xFFFFFFFF);
        for (const std::uint32_t cell : text.Line(l).Cells())
            add(cell);
    }
    return hash;
}

// Takes the line up to the next LF from the front of data.
bool TakeLine(std::string_view& data, std::string_view& line)
{
    const auto end = data.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = data.substr(0, end);
    data.remove_prefix(end + 1);
    return true;
}

// Takes a decimal number and the blank after it (none after the last).
bool TakeNumber(std::string_view& text, std::uint64_t& value, bool last)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (last)
        return text.empty();
    if (text.empty() || text.front() != ' ')
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::u16string EncodeClipboardText(const CFDocument& text)
{
    std::u16string units;
    for (std::uint32_t l = 0; l < text.LineCount(); ++l) {
        if (l > 0)
            units += u"\r\n";
        for (const std::uint32_t cell : text.Line(l).Cells()) {
            AppendUtf16(units, cell);
        }
    }
    return units;
}

CFDocument DecodeClipboardText(std::u16string_view units)
{
    if (const auto nul = units.find(u'\0'); nul != std::u16string_view::npos)
        units = units.substr(0, nul);

    CFDocument text;
    std::vector<std::uint32_t> line;
    std::uint32_t lineIndex = 0;
    const auto endLine = [&] {
        text.InsertCells(static_cast<std::uint32_t>(line.size()), lineIndex, 0, line.data());
        line.clear();
    };
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u == u'\r' || u == u'\n') {
            if (u == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
                ++i;
            endLine();
            text.InsertLine(++lineIndex);
            continue;
        }
        if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            line.push_back(CombineSurrogates(u, units[i + 1]));
            ++i;
            continue;
        }
        line.push_back(u);
    }
    endLine();
    return text;
}

std::string EncodeClipboardReadings(const CFDocument& text)
{
    if (!text.HasReadings())
        return {};
    char hash[24];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(TextHash(text)));
    std::string data(kReadingsMagic);
    data += hash;
    data += '\n';
    // Each reading's text once ("r TEXT", numbered from 0 in order), then
    // each span as "LINE BEGIN END READING".
    std::unordered_map<ReadingId, std::size_t> numbers;
    for (std::uint32_t l = 0; l < text.LineCount(); ++l) {
        for (const ReadingSpan& span : text.Line(l).Readings()) {
            auto found = numbers.find(span.reading);
            if (found == numbers.end()) {
                const std::string& reading = ReadingTable::Text(span.reading);
                if (reading.empty() || reading.find('\n') != std::string::npos)
                    continue;
                found = numbers.emplace(span.reading, numbers.size()).first;
                data += "r ";
                data += reading;
                data += '\n';
            }
            char record[64];
            char* p = record;
            for (const std::uint64_t value : {std::uint64_t(l), std::uint64_t(span.begin),
                                              std::uint64_t(span.end), std::uint64_t(found->second)}) {
                p = std::to_chars(p, record + sizeof record, value).ptr;
                *p++ = ' ';
            }
            p[-1] = '\n';
            data.append(record, static_cast<std::size_t>(p - record));
        }
    }
    return data;
}

bool DecodeClipboardReadings(std::string_view data, CFDocument& text)
{
    std::string_view line;
    if (!TakeLine(data, line) || !line.starts_with(kReadingsMagic))
        return false;
    line.remove_prefix(kReadingsMagic.size());
    std::uint64_t hash = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), hash, 16);
    if (error != std::errc() || end != line.data() + line.size() || hash != TextHash(text))
        return false;
    // Everything is checked before anything is kept.
    std::vector<std::string_view> readings;
    struct Span {
        std::uint32_t line, begin, end;
        std::size_t reading;
    };
    std::vector<Span> spans;
    while (TakeLine(data, line)) {
        if (line.starts_with("r ")) {
            readings.push_back(line.substr(2));
            continue;
        }
        std::uint64_t l = 0, begin = 0, finish = 0, number = 0;
        if (!TakeNumber(line, l, false) || !TakeNumber(line, begin, false) || !TakeNumber(line, finish, false)
            || !TakeNumber(line, number, true))
            return false;
        if (l >= text.LineCount() || begin >= finish
            || finish > text.LineLength(static_cast<std::uint32_t>(l)) || number >= readings.size()
            || readings[number].empty())
            return false;
        spans.push_back({static_cast<std::uint32_t>(l), static_cast<std::uint32_t>(begin),
                         static_cast<std::uint32_t>(finish), static_cast<std::size_t>(number)});
    }
    if (!data.empty())
        return false;
    // Each reading kept once, however many signs it has.
    std::vector<ReadingId> ids(readings.size(), kNoReading);
    for (const Span& span : spans) {
        ReadingId& id = ids[span.reading];
        if (id == kNoReading)
            id = ReadingTable::Intern(readings[span.reading]);
        text.SetReading(span.line, span.begin, span.end, id);
    }
    return true;
}

} // namespace velmora
