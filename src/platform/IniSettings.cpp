#include "platform/IniSettings.h"
#include "base/RegularFile.h"
#include "base/SafeFileWriter.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One line of the file: its text and the line end that followed it
// ("\r\n", "\n", or nothing for a last line without one), so that lines
// the writer does not change are written back byte for byte.
struct IniLine {
    std::string text;
    std::string end;
};

// The file split into lines.
struct IniText {
    bool bom = false;
    // The line end of new lines: that of the file's first line.
    std::string newline = "\r\n";
    std::vector<IniLine> lines;
};

// A new line, with the file's line end.
IniLine NewLine(const IniText& text, std::string line)
{
    return {std::move(line), text.newline};
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Blanks and stray CRs around a name or value are no part of it.
bool IsSpace(char c)
{
    return IsBlank(c) || c == '\r';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// What a line is.
struct Line {
    enum Kind { kOther, kSection, kEntry } kind = kOther;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // entry value, trimmed, not unquoted
};

Line Classify(std::string_view raw)
{
    const std::string_view s = Trim(raw);
    if (s.empty() || s.front() == ';' || s.front() == '#')
        return {};
    if (s.front() == '[') {
        const auto close = s.find(']');
        const std::string_view inside = s.substr(1, close == std::string_view::npos ? s.npos : close - 1);
        return {Line::kSection, Trim(inside), {}};
    }
    const auto eq = s.find('=');
    if (eq == std::string_view::npos)
        return {};
    return {Line::kEntry, Trim(s.substr(0, eq)), Trim(s.substr(eq + 1))};
}

std::string Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

FileLoadResult Load(const std::filesystem::path& file, IniText& text)
{
    std::string data;
    if (FileLoadResult read = RegularFile::ReadAll(file, IniSettings::kMaxFileBytes, data); !read)
        return read;
    std::string_view rest(data);
    if (rest.starts_with(kBom)) {
        text.bom = true;
        rest.remove_prefix(kBom.size());
    }
    while (!rest.empty()) {
        // CR LF, LF and a lone CR each end a line; each line keeps its own.
        const auto end = rest.find_first_of("\r\n");
        IniLine line;
        if (end == std::string_view::npos) {
            line.text = rest;
            rest = {};
        } else {
            line.text = rest.substr(0, end);
            const std::size_t length = rest.substr(end, 2) == "\r\n" ? 2 : 1;
            line.end = rest.substr(end, length);
            rest.remove_prefix(end + length);
        }
        text.lines.push_back(std::move(line));
    }
    if (!text.lines.empty() && !text.lines.front().end.empty())
        text.newline = text.lines.front().end;
    return FileLoadResult::Success();
}

bool Store(const std::filesystem::path& file, const IniText& text)
{
    std::string data;
    if (text.bom)
        data += kBom;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        data += text.lines[i].text;
        // A last line without an end that is no longer last gets one.
        data += text.lines[i].end.empty() && i + 1 < text.lines.size() ? text.newline : text.lines[i].end;
    }

    // Written beside the file and moved over it, so that a failed write
    // leaves the old settings intact.
    SafeFileWriter out(file);
    if (!out.isOpen())
        return false;
    out.write(data);
    return out.commit().ok();
}

bool HasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Whether a section name, and a key with its value, read back as written.
bool IsWritableSection(std::string_view section)
{
    return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool IsWritableEntry(std::string_view key, std::string_view value)
{
    return !key.empty() && !HasLineBreak(key) && !HasLineBreak(value)
        && key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';'
        && key.front() != '#';
}

// The entry line of a key and value. A value the reader would give back
// changed (it trims blanks around a value and removes a pair of quotes
// around it) is written in double quotes, which the reader removes again.
std::string EntryLine(std::string_view key, std::string_view value)
{
    const bool blankAround = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    std::string line(key);
    line += '=';
    if (blankAround || quoted)
        line += '"' + std::string(value) + '"';
    else
        line += value;
    return line;
}

// The file's text, loaded to change one section, and the lines of that
// section: its header and the line after its last. Only the first section
// of a name counts; a missing one is added at the end, after a blank line.
// Nothing when the file exists but cannot be read.
struct SectionEdit {
    IniText text;
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionEdit> EditSection(const std::filesystem::path& file, std::string_view section)
{
    SectionEdit edit;
    // A missing file is created; one that is there but cannot be read is
    // left alone.
    if (const FileLoadResult loaded = Load(file, edit.text);
        !loaded && loaded.reason != FileLoadResult::Reason::Missing)
        return std::nullopt;
    std::vector<IniLine>& lines = edit.text.lines;
    edit.header = edit.end = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line line = Classify(lines[i].text);
        if (line.kind != Line::kSection)
            continue;
        if (edit.header < lines.size()) {
            edit.end = i;
            break;
        }
        if (EqualNoCase(line.name, section))
            edit.header = i;
    }
    if (edit.header == lines.size()) {
        if (!lines.empty() && !Trim(lines.back().text).empty())
            lines.push_back(NewLine(edit.text, {}));
        lines.push_back(NewLine(edit.text, "[" + std::string(section) + "]"));
        edit.header = lines.size() - 1;
        edit.end = lines.size();
    }
    return edit;
}

} // namespace

IniSettings::IniSettings(std::filesystem::path file) : file_(std::move(file))
{
}

FileLoadResult IniSettings::check() const
{
    IniText text;
    return Load(file_, text);
}

std::string IniSettings::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    IniText text;
    if (!Load(file_, text))
        return std::string(defaultValue);
    bool inSection = false;
    bool seenSection = false;
    for (const auto& raw : text.lines) {
        const Line line = Classify(raw.text);
        if (line.kind == Line::kSection) {
            // Only the first section of a name counts.
            if (inSection)
                break;
            inSection = !seenSection && EqualNoCase(line.name, Trim(section));
            seenSection = seenSection || inSection;
        } else if (line.kind == Line::kEntry && inSection && EqualNoCase(line.name, Trim(key))) {
            return Unquote(line.value);
        }
    }
    return std::string(defaultValue);
}

bool IniSettings::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (!IsWritableSection(section) || !IsWritableEntry(key, value))
        return false;
    auto edit = EditSection(file_, section);
    if (!edit)
        return false;

    std::vector<IniLine>& lines = edit->text.lines;
    std::size_t insertAt = edit->header + 1;
    for (std::size_t i = edit->header + 1; i < edit->end; ++i) {
        const Line line = Classify(lines[i].text);
        if (line.kind != Line::kEntry)
            continue;
        if (EqualNoCase(line.name, key)) {
            lines[i].text = EntryLine(line.name, value);
            return Store(file_, edit->text);
        }
        insertAt = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 NewLine(edit->text, EntryLine(key, value)));
    return Store(file_, edit->text);
}

bool IniSettings::writeSection(std::string_view section, std::span<const SettingsEntry> entries)
{
    section = Trim(section);
    if (!IsWritableSection(section))
        return false;
    for (const auto& [key, value] : entries) {
        if (!IsWritableEntry(Trim(key), value))
            return false;
    }
    auto edit = EditSection(file_, section);
    if (!edit)
        return false;
    std::vector<IniLine> newLines;
    for (const auto& [key, value] : entries)
        newLines.push_back(NewLine(edit->text, EntryLine(Trim(key), value)));

    // The new entries go right under the header, followed by the section's
    // other lines (comments, blank lines) in their order.
    std::vector<IniLine>& lines = edit->text.lines;
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(edit->header + 1);
    const auto last = lines.begin() + static_cast<std::ptrdiff_t>(edit->end);
    std::copy_if(std::make_move_iterator(first), std::make_move_iterator(last), std::back_inserter(newLines),
                 [](const IniLine& line) { return Classify(line.text).kind != Line::kEntry; });
    lines.insert(lines.erase(first, last), std::make_move_iterator(newLines.begin()),
                 std::make_move_iterator(newLines.end()));
    return Store(file_, edit->text);
}

bool IniSettings::exists() const
{
    std::error_code error;
    return std::filesystem::exists(file_, error);
}

} // namespace velmora
