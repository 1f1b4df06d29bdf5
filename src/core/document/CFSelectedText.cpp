#include "core/document/CFSelectedText.h"

#include "core/document/LineClipboard.h"
#include "core/document/RangeEdit.h"
#include "platform/Clipboard.h"

#include <algorithm>

namespace velmora {

CFSelectedText::CFSelectedText(Window* window, CFDocument& document) : window_(window), document_(document)
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

void CFSelectedText::DeleteSelected()
{
    EraseRange(document_, start_, end_);
}

void CFSelectedText::CopyToBuffer()
{
    buffer_ = CopyRange(document_, start_, end_);
}

std::uint32_t CFSelectedText::InsertBuffer(std::uint32_t line, std::uint32_t column)
{
    InsertText(document_, {line, column}, buffer_);
    return buffer_.LineCount() - 1;
}

bool CFSelectedText::CopyToClipboard(Clipboard& clipboard)
{
    if (start_ == end_)
        return false;
    const CFDocument text = CopyRange(document_, start_, end_);
    const std::u16string units = EncodeClipboardText(text);
    // The readings of the signs go beside the text, for a paste in the
    // editor; other programs take the text alone.
    if (const std::string readings = EncodeClipboardReadings(text); !readings.empty())
        clipboard.setUnicodeTextWithData(units, readings);
    else
        clipboard.setUnicodeText(units);
    return true;
}

} // namespace velmora
