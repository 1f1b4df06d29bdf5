#include "document/LineClipboard.h"

#include "document/CFDocument.h"

#include <algorithm>

namespace velmora {

namespace {

class Encoder {
public:
    explicit Encoder(ClipboardText& out) : out_(out) {}

    // Writes the cells [from, to) of a line, stopping once the write limit
    // is reached before a cell.
    void cells(const CFLine& line, std::uint32_t from, std::uint32_t to)
    {
        for (std::uint32_t c = from; c < to; ++c) {
            if (out_.bytes >= ClipboardText::kWriteLimit)
                return;
            const std::uint32_t cell = line.CellAt(c);
            if (cell >= 0x10000) {
                const std::uint32_t v = cell - 0x10000;
                out_.units.push_back(static_cast<char16_t>(0xD800 + ((v >> 10) & 0x3FF)));
                out_.units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
                out_.bytes += 4;
            } else {
                out_.units.push_back(static_cast<char16_t>(cell));
                out_.bytes += 2;
            }
        }
    }

    void lineBreak()
    {
        if (out_.bytes >= ClipboardText::kBreakLimit)
            return;
        out_.units += u"\r\n";
        out_.bytes += 4;
        ++out_.breakCount;
    }

private:
    ClipboardText& out_;
};

} // namespace

ClipboardText EncodeClipboardText(const CFDocument& document, Position start, Position end)
{
    ClipboardText out;
    Encoder encoder(out);
    if (start.line == end.line) {
        encoder.cells(document.Line(start.line), start.column, end.column);
    } else {
        const CFLine& first = document.Line(start.line);
        encoder.cells(first, start.column, first.Length());
        encoder.lineBreak();
        for (std::uint32_t l = start.line + 1; l < end.line; ++l) {
            if (out.bytes >= ClipboardText::kWriteLimit)
                break;
            const CFLine& line = document.Line(l);
            encoder.cells(line, 0, line.Length());
            encoder.lineBreak();
        }
        encoder.cells(document.Line(end.line), 0, end.column);
    }
    out.bytes += 2; // the terminating NUL
    return out;
}

Position PasteClipboardText(CFDocument& document, Position at, std::u16string_view units)
{
    const auto nul = units.find(u'\0');
    const std::size_t count = std::min<std::size_t>(nul == std::u16string_view::npos ? units.size() : nul,
                                                    kPasteReadLimit);

    // The rest of the target line is set aside and put back after the text.
    CFDocument tail;
    const std::uint32_t length = document.LineLength(at.line);
    CFDocument::CopyCells(tail, 0, 0, document, at.line, at.column, length);
    document.EraseCells(at.line, at.column, length);

    Position cur = at;
    std::size_t i = 0;
    while (i < count) {
        const char16_t u = units[i];
        if (u == u'\r') {
            ++cur.line;
            document.InsertLine(cur.line);
            cur.column = 0;
            i += 2;
            continue;
        }
        std::uint32_t cell = u;
        // A high surrogate takes the next unit as its low half; a lone one at
        // the very end of the text stays a cell of its own.
        if ((u & 0xFC00) == 0xD800 && i + 1 < count) {
            cell = 0x10000 + ((std::uint32_t(u) & 0x3FF) << 10) + (std::uint32_t(units[i + 1]) & 0x3FF);
            ++i;
        }
        document.InsertCell(cur.line, cur.column, cell);
        ++cur.column;
        if (cur.column >= document.maxLineLength)
            break;
        ++i;
    }

    CFDocument::CopyCells(document, cur.line, cur.column, tail, 0, 0, tail.LineLength(0));
    return cur;
}

} // namespace velmora
