#include "core/files/AtfImport.h"

#include "base/RegularFile.h"
#include "core/atf/KeptLatinReport.h"
#include "platform/FailureText.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>

namespace velmora {

AtfImport AtfImport::Convert(std::string_view utf8, std::uint32_t lineLimit, std::uint32_t maxLineLength,
                             const AtfConverter& converter)
{
    using Reason = FileLoadResult::Reason;
    AtfImport result;
    const AtfConverter::Conversion conversion = converter.ConvertText(utf8);
    result.keptLatin = conversion.counts.keptLatin;
    result.unlabelled = conversion.unlabelled.size();
    if (!conversion.ok()) {
        result.load = FileLoadResult::Failure(Reason::NotUtf8, "not UTF-8", conversion.invalidUtf8Line);
        return result;
    }
    if (conversion.lines.empty()) {
        result.noTextLines = true;
        return result;
    }
    if (conversion.lines.size() > lineLimit) {
        result.load = FileLoadResult::Failure(Reason::TooManyLines, "too many text lines", 0, lineLimit);
        return result;
    }
    for (const AtfConverter::TextLine& line : conversion.lines) {
        if (line.cells.size() > maxLineLength) {
            result.load = FileLoadResult::Failure(Reason::LineTooLong, "text line too long", line.number,
                                                  maxLineLength);
            return result;
        }
    }
    // Each reading on the document line made of the text line it is on
    // (or on one of that line's continuation lines).
    for (AtfConverter::Unconverted reading : conversion.unconverted) {
        const auto after = std::upper_bound(
            conversion.lines.begin(), conversion.lines.end(), reading.line,
            [](std::uint32_t line, const AtfConverter::TextLine& text) { return line < text.number; });
        reading.line =
            static_cast<std::uint32_t>(std::max<std::ptrdiff_t>(after - conversion.lines.begin(), 1));
        result.keptLatinReadings.push_back(std::move(reading));
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

FileLoadResult AtfImport::ReadFile(const std::filesystem::path& path, std::string& bytes)
{
    return RegularFile::ReadAll(path, kMaxFileSize, bytes);
}

std::filesystem::path AtfImport::SaveName(const std::filesystem::path& path)
{
    std::filesystem::path name = path;
    name.replace_extension(path.extension() == ".txt" ? ".cuneiform.txt" : ".txt");
    return name;
}

std::string AtfImport::Problem() const
{
    return noTextLines ? Tr(texts::kAtfNoTextLines) : FailureText(load);
}

std::string AtfImport::Report() const
{
    std::string text = KeptLatinReport(keptLatinReadings);
    if (unlabelled > 0) {
        if (!text.empty())
            text += '\n';
        text += Fill(Tr(texts::kUnlabelledCount), std::to_string(unlabelled));
    }
    return text;
}

} // namespace velmora
