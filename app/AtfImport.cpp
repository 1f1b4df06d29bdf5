#include "app/AtfImport.h"

#include "platform/UserTexts.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace velmora {

AtfImport AtfImport::Convert(std::string_view utf8, std::uint32_t lineLimit, std::uint32_t maxLineLength,
                             const AtfConverter& converter)
{
    AtfImport result;
    const AtfConverter::Conversion conversion = converter.ConvertText(utf8);
    result.keptLatin = conversion.counts.keptLatin;
    result.unlabelled = conversion.unlabelled.size();
    if (!conversion.ok()) {
        result.status = Status::NotUtf8;
        result.line = conversion.invalidUtf8Line;
        return result;
    }
    if (conversion.lines.empty()) {
        result.status = Status::NoTextLines;
        return result;
    }
    if (conversion.lines.size() > lineLimit) {
        result.status = Status::TooManyLines;
        result.limit = lineLimit;
        return result;
    }
    for (const AtfConverter::TextLine& line : conversion.lines) {
        if (line.cells.size() > maxLineLength) {
            result.status = Status::LineTooLong;
            result.line = line.number;
            result.limit = maxLineLength;
            return result;
        }
    }
    CFDocument& document = result.document;
    document.InsertLines(1, static_cast<std::uint32_t>(conversion.lines.size() - 1));
    std::uint32_t row = 0;
    for (const AtfConverter::TextLine& line : conversion.lines) {
        document.InsertCells(static_cast<std::uint32_t>(line.cells.size()), row, 0, line.cells.data());
        ++row;
    }
    return result;
}

std::optional<std::string> AtfImport::ReadFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > kMaxFileSize)
        return std::nullopt;
    return bytes;
}

std::filesystem::path AtfImport::SaveName(const std::filesystem::path& path)
{
    std::filesystem::path name = path;
    name.replace_extension(path.extension() == ".txt" ? ".cuneiform.txt" : ".txt");
    return name;
}

std::string AtfImport::Problem() const
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::NotUtf8:
        return texts::kAtfNotUtf8Prefix + std::to_string(line) + texts::kAtfNotUtf8Suffix;
    case Status::NoTextLines:
        return texts::kAtfNoTextLines;
    case Status::TooManyLines:
        return texts::kAtfTooManyLinesPrefix + std::to_string(limit) + texts::kAtfTooManyLinesSuffix;
    case Status::LineTooLong:
        return std::to_string(line) + texts::kAtfLineTooLongMiddle + std::to_string(limit)
            + texts::kAtfLineTooLongSuffix;
    }
    return {};
}

std::string AtfImport::Report() const
{
    std::string text;
    if (keptLatin > 0)
        text += std::to_string(keptLatin) + texts::kKeptLatinSuffix;
    if (unlabelled > 0) {
        if (!text.empty())
            text += '\n';
        text += std::to_string(unlabelled) + texts::kUnlabelledSuffix;
    }
    return text;
}

} // namespace velmora
