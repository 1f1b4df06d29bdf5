// Pastes arbitrary UTF-16 clipboard text into a line of a document and
// checks what a paste promises: the text before the insertion point and the
// old tail of the line survive, no line grows past the length limit through
// pasted text, and copying the pasted range yields at most what was read.
#include "document/CFDocument.h"
#include "document/LineClipboard.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora;
    if (size < 2)
        return 0;
    // The first byte chooses the insertion column in a line "abcdefgh".
    const std::uint32_t column = data[0] % 9;
    std::u16string units;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    CFDocument document;
    const std::u32string head = U"abcdefgh";
    document.InsertCells(static_cast<std::uint32_t>(head.size()), 0, 0,
                         reinterpret_cast<const std::uint32_t*>(head.data()));
    const Position end = PasteClipboardText(document, {0, column}, units);

    if (end.line >= document.LineCount())
        std::abort();
    for (std::uint32_t c = 0; c < column; ++c) {
        if (document.CellAt(0, c) != head[c])
            std::abort();
    }
    const std::uint32_t tail = static_cast<std::uint32_t>(head.size()) - column;
    if (document.LineLength(end.line) != end.column + tail)
        std::abort();
    for (std::uint32_t c = 0; c < tail; ++c) {
        if (document.CellAt(end.line, end.column + c) != head[column + c])
            std::abort();
    }
    if (end.column > document.maxLineLength)
        std::abort();
    const ClipboardText copied = EncodeClipboardText(document, {0, column}, end);
    if (copied.units.size() > kPasteReadLimit + 2)
        std::abort();
    return 0;
}
