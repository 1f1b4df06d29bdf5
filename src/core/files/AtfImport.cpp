#include "core/files/AtfImport.h"

#include "core/atf/KeptLatinReport.h"
#include "core/document/ReadingTable.h"
#include "core/files/AtfPieces.h"
#include "platform/FailureText.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>

namespace velmora {

bool AtfImport::Add(const AtfConverter::Conversion& conversion, std::uint32_t lineLimit,
                    std::uint32_t maxLineLength)
{
    using Reason = FileLoadResult::Reason;
    keptLatin += conversion.counts.keptLatin;
    unlabelled += conversion.unlabelled.size();
    if (!conversion.ok()) {
        load = FileLoadResult::Failure(Reason::NotUtf8, "not UTF-8", conversion.invalidUtf8Line);
        return false;
    }
    if (conversion.lines.size() > lineLimit - lines) {
        load = FileLoadResult::Failure(Reason::TooManyLines, "too many text lines", 0, lineLimit);
        return false;
    }
    for (const AtfConverter::TextLine& line : conversion.lines) {
        if (line.cells.size() > maxLineLength) {
            load = FileLoadResult::Failure(Reason::LineTooLong, "text line too long", line.number,
                                           maxLineLength);
            return false;
        }
    }
    // The first readings kept in Latin, each on the document line made of
    // the text line it is on (or of the line a continuation line goes on,
    // which may be the last of the piece before).
    for (const AtfConverter::Unconverted& reading : conversion.unconverted) {
        if (keptLatinReadings.size() >= kListedKeptLatin)
            break;
        const auto after = std::upper_bound(
            conversion.lines.begin(), conversion.lines.end(), reading.line,
            [](std::uint32_t line, const AtfConverter::TextLine& text) { return line < text.number; });
        const std::size_t row = lines + static_cast<std::size_t>(after - conversion.lines.begin());
        keptLatinReadings.push_back(
            {static_cast<std::uint32_t>(std::max<std::size_t>(row, 1)), reading.reading});
    }
    for (const AtfConverter::TextLine& line : conversion.lines) {
        // The document starts with one empty line, the first text line's.
        if (lines > 0)
            document.InsertLine(static_cast<std::uint32_t>(lines));
        const auto row = static_cast<std::uint32_t>(lines);
        document.InsertCells(static_cast<std::uint32_t>(line.cells.size()), row, 0, line.cells.data());
        for (const AtfConverter::Reading& reading : line.readings)
            document.SetReading(row, static_cast<std::uint32_t>(reading.begin),
                                static_cast<std::uint32_t>(reading.end), ReadingTable::Intern(reading.text));
        ++lines;
    }
    return true;
}

AtfImport AtfImport::Convert(std::string_view utf8, std::uint32_t lineLimit, std::uint32_t maxLineLength,
                             const AtfConverter& converter)
{
    AtfImport result;
    if (result.Add(converter.ConvertText(utf8), lineLimit, maxLineLength) && result.lines == 0)
        result.noTextLines = true;
    return result;
}

AtfImport AtfImport::Import(const std::filesystem::path& path, std::uint32_t lineLimit,
                            std::uint32_t maxLineLength, const AtfConverter& converter)
{
    AtfImport result;
    AtfPieces pieces;
    if (result.load = pieces.open(path, kMaxFileSize); !result.load)
        return result;
    std::string piece;
    std::uint32_t firstLine = 0;
    while (pieces.next(piece, firstLine)) {
        if (!result.Add(AtfPieces::Convert(converter, piece, firstLine), lineLimit, maxLineLength))
            return result;
    }
    if (result.load = pieces.status(); !result.load)
        return result;
    result.noTextLines = result.lines == 0;
    return result;
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
    std::string text = KeptLatinReport(keptLatinReadings, keptLatin);
    if (unlabelled > 0) {
        if (!text.empty())
            text += '\n';
        text += Fill(Tr(texts::kUnlabelledCount), std::to_string(unlabelled));
    }
    return text;
}

} // namespace velmora
