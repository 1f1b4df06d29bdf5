#include "document/CFSelectedText.h"

#include "document/DocumentError.h"
#include "document/LineClipboard.h"
#include "platform/Clipboard.h"
#include "platform/MessageDisplay.h"

#include <algorithm>

namespace velmora {

namespace {

bool Inside(const CFDocument& document, Position p)
{
    return p.line < document.LineCount() && p.column <= document.LineLength(p.line);
}

} // namespace

CFSelectedText::CFSelectedText(Window* window, CFDocument& document)
    : window_(window), document_(document)
{
}

void CFSelectedText::Extend(std::uint32_t line, std::uint32_t column)
{
    const Position p{line, column};
    if (!active_) {
        anchor_ = start_ = end_ = p;
        active_ = true;
        return;
    }
    if (line > anchor_.line) {
        start_ = anchor_;
        end_ = p;
    } else {
        start_ = p;
        end_ = anchor_;
    }
    if (start_.line == end_.line) {
        start_.column = std::min(column, anchor_.column);
        end_.column = std::max(column, anchor_.column);
    }
}

void CFSelectedText::Reset()
{
    start_ = end_ = Position{};
    active_ = false;
}

void CFSelectedText::checkRange() const
{
    // Checked up front: a range that no longer fits the document (an undo
    // command outliving its text) must fail before anything is changed,
    // not after the first line has already been cut.
    if (!Inside(document_, start_) || !Inside(document_, end_) || end_ < start_)
        ThrowDocumentError(kErrPosition);
}

void CFSelectedText::DeleteSelected()
{
    checkRange();
    if (start_.line == end_.line) {
        document_.EraseCells(start_.line, start_.column, end_.column);
        return;
    }
    document_.EraseCells(start_.line, start_.column, document_.LineLength(start_.line));
    CFDocument::CopyCells(document_, start_.line, start_.column, document_, end_.line, end_.column,
                          document_.LineLength(end_.line));
    // The lines in between and the former last line, in one move of the
    // lines below the range.
    document_.EraseLines(start_.line + 1, end_.line + 1);
}

void CFSelectedText::CopyToBuffer()
{
    checkRange();
    buffer_.Clear();
    if (start_.line == end_.line) {
        CFDocument::CopyCells(buffer_, 0, 0, document_, start_.line, start_.column, end_.column);
        return;
    }
    CFDocument::CopyCells(buffer_, 0, 0, document_, start_.line, start_.column,
                          document_.LineLength(start_.line));
    std::uint32_t k = 1;
    for (std::uint32_t l = start_.line + 1; l < end_.line; ++l, ++k) {
        buffer_.InsertLine(k);
        CFDocument::CopyCells(buffer_, k, 0, document_, l, 0, document_.LineLength(l));
    }
    buffer_.InsertLine(k);
    CFDocument::CopyCells(buffer_, k, 0, document_, end_.line, 0, end_.column);
}

std::uint32_t CFSelectedText::InsertBuffer(std::uint32_t line, std::uint32_t column)
{
    if (!Inside(document_, {line, column}))
        ThrowDocumentError(kErrPosition);

    CFDocument tail;
    const std::uint32_t length = document_.LineLength(line);
    CFDocument::CopyCells(tail, 0, 0, document_, line, column, length);
    document_.EraseCells(line, column, length);

    const std::uint32_t n = buffer_.LineCount();
    CFDocument::CopyCells(document_, line, column, buffer_, 0, 0, buffer_.LineLength(0));
    document_.InsertLines(line + 1, n - 1);
    for (std::uint32_t k = 1; k < n; ++k) {
        CFDocument::CopyCells(document_, line + k, 0, buffer_, k, 0, buffer_.LineLength(k));
    }
    const std::uint32_t last = line + n - 1;
    CFDocument::CopyCells(document_, last, document_.LineLength(last), tail, 0, 0, tail.LineLength(0));
    return n - 1;
}

bool CFSelectedText::CopyToClipboard(Clipboard& clipboard, MessageDisplay& messages)
{
    if (start_ == end_)
        return false;
    checkRange();
    const ClipboardText text = EncodeClipboardText(document_, start_, end_);
    breakCount_ = text.breakCount;
    if (text.overLimit())
        messages.showMessage(window_, "クリップボードに読み込める最大文字数を超えました。", "確認");
    clipboard.setUnicodeText(text.units);
    return true;
}

Position CFSelectedText::PasteFromClipboard(Clipboard& clipboard, MessageDisplay& messages,
                                            std::uint32_t line, std::uint32_t column)
{
    if (!clipboard.hasUnicodeText()) {
        messages.showMessage(window_, "違う形式のデータです。", "失敗");
        return {line, column};
    }
    const auto units = clipboard.unicodeText();
    if (!units)
        return {line, column};
    return PasteClipboardText(document_, {line, column}, *units);
}

} // namespace velmora
