#include "platform/IniSettings.h"
#include "platform/SafeFileWriter.h"

#include <array>
#include <fstream>
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
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        key.front() == '#')
        return false;

    IniText text;
    std::error_code error;
    if (std::filesystem::exists(file_, error)) {
        auto loaded = Load(file_);
        if (!loaded)
            return false;
        text = std::move(*loaded);
    }

    // The first section of the name: its header and where its lines end.
    std::size_t header = text.lines.size();
    std::size_t sectionEnd = text.lines.size();
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const Line line = Classify(text.lines[i]);
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
        if (!text.lines.empty() && !Trim(text.lines.back()).empty())
            text.lines.emplace_back();
        text.lines.push_back("[" + std::string(section) + "]");
        text.lines.push_back(std::string(key) + "=" + std::string(value));
        return Store(file_, text);
    }

    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < sectionEnd; ++i) {
        const Line line = Classify(text.lines[i]);
        if (line.kind != Line::kEntry)
            continue;
        if (EqualNoCase(line.name, key)) {
            text.lines[i] = std::string(line.name) + "=" + std::string(value);
            return Store(file_, text);
        }
        insertAt = i + 1;
    }
    text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                      std::string(key) + "=" + std::string(value));
    return Store(file_, text);
}

bool IniSettings::exists() const
{
    std::error_code error;
    return std::filesystem::exists(file_, error);
}

} // namespace velmora
