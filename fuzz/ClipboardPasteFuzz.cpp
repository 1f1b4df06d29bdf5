// Pastes arbitrary UTF-16 clipboard text into a line of a document and
// checks what a paste promises: the text before the insertion point and the
// old tail of the line survive around the pasted text, the limit check
// refuses exactly the pastes that would leave a line too long or too many
// lines, and copying the pasted range gives back the text that was read.
// The same bytes taken as the editor's own clipboard data never put a
// reading outside the text.
#include "core/document/CFDocument.h"
#include "core/document/LineClipboard.h"
#include "core/document/RangeEdit.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora;
    if (size < 2)
        return 0;
    // The first byte chooses the insertion column in a line "abcdefgh" and
    // the line limit (1 as in the word fields, or a few lines).
    const std::uint32_t column = data[0] % 9;
    const std::int64_t lineLimit = 1 + (data[0] >> 4);
    std::u16string units;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    const CFDocument text = DecodeClipboardText(units);
    if (DecodeClipboardText(EncodeClipboardText(text)) != text)
        std::abort();

    // The same bytes as the editor's own clipboard data: whatever they
    // hold, no reading lands outside the text, and what was taken comes
    // back whole through a copy and a paste.
    CFDocument read = text;
    if (DecodeClipboardReadings(std::string_view(reinterpret_cast<const char*>(data), size), read)) {
        for (std::uint32_t l = 0; l < read.LineCount(); ++l) {
            for (const ReadingSpan& span : read.Line(l).Readings()) {
                if (span.begin >= span.end || span.end > read.LineLength(l))
                    std::abort();
            }
        }
        CFDocument pasted = DecodeClipboardText(EncodeClipboardText(read));
        if (read.HasReadings()
            && (!DecodeClipboardReadings(EncodeClipboardReadings(read), pasted) || pasted != read))
            std::abort();
    }

    CFDocument document;
    const std::u32string head = U"abcdefgh";
    document.InsertCells(static_cast<std::uint32_t>(head.size()), 0, 0,
                         reinterpret_cast<const std::uint32_t*>(head.data()));
    const std::uint32_t longest = document.maxLineLength - 1;
    const EditFit fit = CheckReplacement(document, {0, column}, {0, column}, text, lineLimit, longest);
    const Position end = InsertText(document, {0, column}, text);

    bool tooLong = false;
    for (std::uint32_t l = 0; l < document.LineCount(); ++l)
        tooLong = tooLong || document.LineLength(l) > longest;
    const bool tooMany = document.LineCount() > lineLimit;
    const EditFit expected = tooMany ? EditFit::TooManyLines : tooLong ? EditFit::LineTooLong : EditFit::Fits;
    if (fit != expected)
        std::abort();

    for (std::uint32_t c = 0; c < column; ++c) {
        if (document.CellAt(0, c) != head[c])
            std::abort();
    }
    const std::uint32_t tail = static_cast<std::uint32_t>(head.size()) - column;
    if (end.line != text.LineCount() - 1 || document.LineLength(end.line) != end.column + tail)
        std::abort();
    for (std::uint32_t c = 0; c < tail; ++c) {
        if (document.CellAt(end.line, end.column + c) != head[column + c])
            std::abort();
    }
    if (CopyRange(document, {0, column}, end) != text)
        std::abort();
    return 0;
}
