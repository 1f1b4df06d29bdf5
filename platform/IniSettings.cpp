#include "platform/IniSettings.h"
#include "platform/RegularFile.h"
#include "platform/SafeFileWriter.h"

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
        const auto end = rest.find('\n');
        IniLine line;
        if (end == std::string_view::npos) {
            line.text = rest;
            rest = {};
        } else {
            line.text = rest.substr(0, end);
            line.end = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            }
            rest.remove_prefix(end + 1);
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
    for (const auto& line : text.lines) {
        data += line.text;
        data += line.end;
    }

    // Written beside the file and moved over it, so that a failed write
    // leaves the old settings intact.
    SafeFileWriter out(file);
    if (!out.isOpen())
        return false;
    out.write(data);
    return out.commit();
}

// Adds a line before index with the file's line end; a last line without
// an end gets one first.
void InsertLine(IniText& text, std::size_t index, std::string line)
{
    if (index > 0 && text.lines[index - 1].end.empty())
        text.lines[index - 1].end = text.newline;
    text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(index),
                      IniLine{std::move(line), text.newline});
}

bool HasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// A value the reader would give back changed: blanks around it are
// trimmed, and a pair of quotes around it removed.
bool ReadsBackChanged(std::string_view value)
{
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
        return true;
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
           && value.back() == value.front();
}

} // namespace

IniSettings::IniSettings(std::filesystem::path file)
    : file_(std::move(file))
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
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || ReadsBackChanged(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        key.front() == '#')
        return false;

    // A missing file is created; one that is there but cannot be read is
    // left alone.
    IniText text;
    if (const FileLoadResult loaded = Load(file_, text);
        !loaded && loaded.reason != FileLoadResult::Reason::Missing)
        return false;

    // The first section of the name: its header and where its lines end.
    std::size_t header = text.lines.size();
    std::size_t sectionEnd = text.lines.size();
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const Line line = Classify(text.lines[i].text);
        if (line.kind != Line::kSection)
            continue;
        if (header < text.lines.size()) {
            sectionEnd = i;
            break;
        }
        if (EqualNoCase(line.name, section))
            header = i;
    }

    if (header == text.lines.size()) {
        if (!text.lines.empty() && !Trim(text.lines.back().text).empty())
            InsertLine(text, text.lines.size(), {});
        InsertLine(text, text.lines.size(), "[" + std::string(section) + "]");
        InsertLine(text, text.lines.size(), std::string(key) + "=" + std::string(value));
        return Store(file_, text);
    }

    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < sectionEnd; ++i) {
        const Line line = Classify(text.lines[i].text);
        if (line.kind != Line::kEntry)
            continue;
        if (EqualNoCase(line.name, key)) {
            text.lines[i].text = std::string(line.name) + "=" + std::string(value);
            return Store(file_, text);
        }
        insertAt = i + 1;
    }
    InsertLine(text, insertAt, std::string(key) + "=" + std::string(value));
    return Store(file_, text);
}

bool IniSettings::exists() const
{
    std::error_code error;
    return std::filesystem::exists(file_, error);
}

} // namespace velmora
