#include "platform/IniSettings.h"
#include "platform/SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The file split into lines without their ends.
struct IniText {
    bool bom = false;
    std::string newline = "\r\n";
    std::vector<std::string> lines;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
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

// Nothing when the file cannot be read (it may not exist).
std::optional<IniText> Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read through istream::read, which turns a read error (a folder in the
    // file's place, a failing disk) into the bad state instead of throwing.
    std::string data;
    std::array<char, 4096> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)
        data.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;

    IniText text;
    std::string_view rest(data);
    if (rest.starts_with(kBom)) {
        text.bom = true;
        rest.remove_prefix(kBom.size());
    }
    const auto firstEnd = rest.find('\n');
    if (firstEnd != std::string_view::npos && (firstEnd == 0 || rest[firstEnd - 1] != '\r'))
        text.newline = "\n";
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        text.lines.emplace_back(line);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return text;
}

bool Store(const std::filesystem::path& file, const IniText& text)
{
    std::string data;
    if (text.bom)
        data += kBom;
    for (const auto& line : text.lines) {
        data += line;
        data += text.newline;
    }

    // Written beside the file and moved over it, so that a failed write
    // leaves the old settings intact.
    SafeFileWriter out(file);
    if (!out.isOpen())
        return false;
    out.write(data);
    return out.commit();
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
    return !key.empty() && !HasLineBreak(key) && !HasLineBreak(value) &&
        key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';' &&
        key.front() != '#';
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
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        auto loaded = Load(file);
        if (!loaded)
            return std::nullopt;
        edit.text = std::move(*loaded);
    }
    std::vector<std::string>& lines = edit.text.lines;
    edit.header = edit.end = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line line = Classify(lines[i]);
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
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        edit.header = lines.size() - 1;
        edit.end = lines.size();
    }
    return edit;
}

} // namespace

IniSettings::IniSettings(std::filesystem::path file)
    : file_(std::move(file))
{
}

std::string IniSettings::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    const auto text = Load(file_);
    if (!text)
        return std::string(defaultValue);
    bool inSection = false;
    bool seenSection = false;
    for (const auto& raw : text->lines) {
        const Line line = Classify(raw);
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

    std::vector<std::string>& lines = edit->text.lines;
    std::size_t insertAt = edit->header + 1;
    for (std::size_t i = edit->header + 1; i < edit->end; ++i) {
        const Line line = Classify(lines[i]);
        if (line.kind != Line::kEntry)
            continue;
        if (EqualNoCase(line.name, key)) {
            lines[i] = std::string(line.name) + "=" + std::string(value);
            return Store(file_, edit->text);
        }
        insertAt = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + "=" + std::string(value));
    return Store(file_, edit->text);
}

bool IniSettings::writeSection(std::string_view section, std::span<const SettingsEntry> entries)
{
    section = Trim(section);
    if (!IsWritableSection(section))
        return false;
    std::vector<std::string> newLines;
    for (const auto& [key, value] : entries) {
        const std::string_view name = Trim(key);
        if (!IsWritableEntry(name, value))
            return false;
        newLines.push_back(std::string(name) + "=" + value);
    }
    auto edit = EditSection(file_, section);
    if (!edit)
        return false;

    // The new entries go right under the header, followed by the section's
    // other lines (comments, blank lines) in their order.
    std::vector<std::string>& lines = edit->text.lines;
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(edit->header + 1);
    const auto last = lines.begin() + static_cast<std::ptrdiff_t>(edit->end);
    std::copy_if(std::make_move_iterator(first), std::make_move_iterator(last), std::back_inserter(newLines),
                 [](const std::string& line) { return Classify(line).kind != Line::kEntry; });
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
