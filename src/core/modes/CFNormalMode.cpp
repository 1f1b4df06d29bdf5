#include "core/modes/CFNormalMode.h"

#include "core/modes/CFEditCommands.h"
#include "core/modes/CFInputMode.h"
#include "core/modes/CFModeData.h"
#include "core/modes/MouseFlags.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "core/view/TextLayout.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

#include <algorithm>
#include <string_view>

namespace velmora {

namespace {

// Keycap pairs, unshifted character first, of 0xBA-0xC0 and 0xDB-0xDF.
constexpr std::string_view kPunctuation = ":*;+,<-=.>/?@`";
constexpr std::string_view kBrackets = "[{\\|]}^~\\|";
// Shift with the digits 1-9.
constexpr std::string_view kShiftedDigits = "!\"#$%&'()";

bool IsLetterOrDigitKey(std::uint32_t vk)
{
    return (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || (vk >= 'a' && vk <= 'z');
}

} // namespace

CFNormalMode::CFNormalMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data)
    : CFMode(signFont, std::move(data))
{
}

std::uint32_t CFNormalMode::AlphabetCharacter(std::uint32_t vk, bool shifted)
{
    const std::size_t side = shifted ? 1 : 0;
    if (vk >= 'A' && vk <= 'Z')
        return shifted ? vk : vk - 'A' + 'a';
    if (vk >= 'a' && vk <= 'z')
        return vk;
    if (vk == '0')
        return shifted ? U' ' : U'0';
    if (vk >= '1' && vk <= '9')
        return shifted ? static_cast<unsigned char>(kShiftedDigits[vk - '1']) : vk;
    if (vk >= vk::Oem1 && vk <= vk::Oem3)
        return static_cast<unsigned char>(kPunctuation[(vk - vk::Oem1) * 2 + side]);
    if (vk >= vk::Oem4 && vk <= vk::Oem102)
        return static_cast<unsigned char>(kBrackets[(vk - vk::Oem4) * 2 + side]);
    return 0;
}

bool CFNormalMode::MoveCursor(std::uint32_t vk, const KeyModifiers& keys)
{
    CFEditCommands commands(*data_);
    const bool extend = keys.shift;
    switch (vk) {
    case vk::Up:
        commands.MoveUp(extend);
        return true;
    case vk::Down:
        commands.MoveDown(extend);
        return true;
    case vk::Left:
        keys.ctrl ? commands.MoveWordLeft(extend) : commands.MoveLeft(extend);
        return true;
    case vk::Right:
        keys.ctrl ? commands.MoveWordRight(extend) : commands.MoveRight(extend);
        return true;
    case vk::Home:
        keys.ctrl ? commands.MoveDocumentStart(extend) : commands.MoveLineStart(extend);
        return true;
    case vk::End:
        keys.ctrl ? commands.MoveDocumentEnd(extend) : commands.MoveLineEnd(extend);
        return true;
    case vk::Prior:
        commands.MovePageUp(extend);
        return true;
    case vk::Next:
        commands.MovePageDown(extend);
        return true;
    default:
        return false;
    }
}

int CFNormalMode::OnKeyDown(std::uint32_t vk)
{
    const KeyModifiers keys = data_->modifiers;
    CFEditCommands commands(*data_);

    // Ctrl+Space and the Ctrl letters are commands of the key table, which
    // the editor runs before a key reaches a mode.
    if (keys.ctrl && vk == vk::Space)
        return kNormalModeId;
    if (MoveCursor(vk, keys))
        return kNormalModeId;
    switch (vk) {
    case vk::Space:
        commands.TypeCell(U' ');
        return kNormalModeId;
    case vk::Back:
        commands.DeleteBackward();
        return kNormalModeId;
    case vk::Delete:
        commands.DeleteForward();
        return kNormalModeId;
    case vk::Return:
        // With or without Ctrl; at the editor's line limit nothing is split.
        commands.SplitLine();
        return kNormalModeId;
    case vk::Shift:
        commands.AnchorSelection();
        return kNormalModeId;
    default:
        break;
    }
    if (keys.ctrl)
        return kNormalModeId;
    if (data_->alphabetMode) {
        const std::uint32_t character = AlphabetCharacter(vk, keys.shift != keys.capsLock);
        if (character != 0)
            commands.TypeCell(character);
        else
            selection_->Reset();
    } else if (IsLetterOrDigitKey(vk)) {
        data_->firstKey = static_cast<std::int32_t>(vk);
        data_->firstCharacter = 0;
        return kInputModeId;
    }
    return kNormalModeId;
}

int CFNormalMode::OnText(std::uint32_t character)
{
    if (!data_->alphabetMode && CFInputMode::StartsTransliteration(character)) {
        data_->firstKey = 0;
        data_->firstCharacter = character;
        return kInputModeId;
    }
    CFEditCommands(*data_).TypeCell(character);
    return kNormalModeId;
}

void CFNormalMode::OnEnter(int previous)
{
    RetakeWords();
    // A candidate accepted in sign selection mode goes in at the cursor,
    // with the reading it was typed as; that mode has made sure it fits.
    if (previous == kSignSelectionModeId && currentWord_)
        CFEditCommands(*data_).InsertAtCursor(currentWord_->Cells(), data_->acceptedReading);
    data_->acceptedReading = kNoReading;
}

int CFNormalMode::OnMouse(std::uint32_t flags)
{
    if (!window_)
        return kNormalModeId;
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    Point pointer = window_->pointerPosition();
    const std::unique_ptr<Surface> surface = window_->createSurface();
    if (!surface)
        return kNormalModeId;
    const int h = LineHeight(*surface, fonts);
    const bool drag = (flags & (mouse::kDrag | mouse::kAutoScroll)) != 0;
    if (drag) {
        const Rect client = window_->clientRect();
        if ((flags & mouse::kAutoScroll) && scrollBar_)
            ScrollTowards(pointer, client);
        // Past an edge the selection reaches the cell at that edge, and
        // below the last line the last line.
        pointer.x = std::clamp(pointer.x, 0, std::max(client.right - 1, 0));
        pointer.y = std::clamp(pointer.y, 0, std::max(client.bottom - 1, 0));
    }
    const ScrollOffsets offsets = data_->Offsets();
    const int top = static_cast<int>(offsets.top());
    int y = pointer.y + h * top;
    if (drag && h > 0)
        y = std::min(y, h * static_cast<int>(document_->LineCount()) - 1);
    const auto hit = HitTest(*document_, *surface, fonts, pointer.x + offsets.left(), y);
    CFEditCommands commands(*data_);
    if (!hit) {
        // Below the document a press leaves the cursor where it is.
        if (!drag && !(flags & mouse::kShift))
            commands.Click(cursor_->position(), false);
    } else if (flags & mouse::kTripleClick) {
        commands.SelectLine(hit->line);
    } else if (flags & mouse::kDoubleClick) {
        commands.SelectWord(*hit);
    } else if (drag) {
        cursor_->setPosition(*hit);
        selection_->Extend(hit->line, hit->column);
    } else {
        commands.Click(*hit, (flags & mouse::kShift) != 0);
    }
    if (scrollBar_)
        scrollBar_->ScrollToCursor(*document_, *surface, fonts, cursor_->line, cursor_->column);
    return kNormalModeId;
}

void CFNormalMode::ScrollTowards(Point pointer, const Rect& client)
{
    if (scrollBar_->HasVertical() && (pointer.y < 0 || pointer.y >= client.bottom))
        scrollBar_->OnScroll(ScrollBarId::Vertical,
                             pointer.y < 0 ? CFScrollPart::kLineUp : CFScrollPart::kLineDown);
    if (scrollBar_->HasHorizontal() && (pointer.x < 0 || pointer.x >= client.right))
        scrollBar_->OnScroll(ScrollBarId::Horizontal,
                             pointer.x < 0 ? CFScrollPart::kLineUp : CFScrollPart::kLineDown);
}

void CFNormalMode::OnPaint(Surface& surface)
{
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    const ScrollOffsets offsets = data_->Offsets();
    const int clientRight = window_ ? window_->clientRect().right : 0;
    DrawSelection(*document_, selection_->active(), selection_->start(), selection_->end(), surface, fonts,
                  offsets.top(), offsets.left(), clientRight);
    // Transparent, so that the highlight shows under the signs.
    DrawDocument(*document_, surface, fonts, offsets.top(), offsets.left(), TextColors{kBlack});
    // The caret shows the setting: black for "Alphabet", blue for "Sign".
    const Pen pen{true, 1, data_->alphabetMode ? kBlack : kBlue};
    DrawCaret(*document_, cursor_->position(), cursor_->caretVisible, surface, fonts, offsets, pen,
              Brush{kWhite});
}

} // namespace velmora
