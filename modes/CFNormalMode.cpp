#include "modes/CFNormalMode.h"

#include "document/TextLayout.h"
#include "modes/CFModeData.h"
#include "platform/KeyboardState.h"
#include "platform/PlatformServices.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "view/CFScrollBar.h"
#include "view/CFSignFont.h"

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

bool CFNormalMode::MoveCursor(std::uint32_t vk)
{
    CCursor& c = *cursor_;
    const std::uint32_t lastLine = document_->LineCount() - 1;
    switch (vk) {
    case vk::Up:
        if (c.line > 0) {
            --c.line;
            c.column = std::min(c.column, document_->LineLength(c.line));
        }
        return true;
    case vk::Down:
        if (c.line < lastLine) {
            ++c.line;
            c.column = std::min(c.column, document_->LineLength(c.line));
        }
        return true;
    case vk::Left:
        if (c.column > 0) {
            --c.column;
        } else if (c.line > 0) {
            --c.line;
            c.column = document_->LineLength(c.line);
        }
        return true;
    case vk::Right:
        if (c.column < document_->LineLength(c.line)) {
            ++c.column;
        } else if (c.line < lastLine) {
            ++c.line;
            c.column = 0;
        }
        return true;
    default:
        return false;
    }
}

std::optional<std::uint32_t> CFNormalMode::TypeCharacter(std::uint32_t character)
{
    const std::uint32_t line = cursor_->line;
    const std::uint32_t column = cursor_->column;
    const std::uint32_t before = document_->LineLength(line);
    document_->InsertCell(line, column, character);
    cursor_->column = column + 1;
    data_->RecordEdit(kInsertion, line, column, line, column + 1);
    return before;
}

std::optional<std::uint32_t> CFNormalMode::DeleteBackwards()
{
    // A selection is deleted only when it holds something: after a click or
    // a lone Shift it is active but empty, and the key deletes a cell.
    if (selection_->active() && selection_->start() != selection_->end()) {
        const std::uint32_t before = document_->LineLength(selection_->start().line);
        data_->DeleteSelectionWithUndo();
        return before;
    }
    selection_->Reset();
    const std::uint32_t line = cursor_->line;
    const std::uint32_t column = cursor_->column;
    if (column > 0) {
        const std::uint32_t before = document_->LineLength(line);
        data_->RecordEdit(kDeletion, line, column - 1, line, column);
        document_->EraseCell(line, column - 1);
        cursor_->column = column - 1;
        return before;
    }
    if (line > 0) {
        const std::uint32_t previous = line - 1;
        const std::uint32_t length = document_->LineLength(previous);
        data_->RecordEdit(kDeletion, previous, length, line, 0);
        document_->AppendCells(previous, line, 0, document_->LineLength(line));
        document_->EraseLine(line);
        cursor_->setPosition({previous, length});
        return length;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> CFNormalMode::SplitLine()
{
    const std::uint32_t line = cursor_->line;
    const std::uint32_t column = cursor_->column;
    const std::uint32_t end = document_->LineLength(line);
    document_->InsertLine(line + 1);
    document_->AppendCells(line + 1, line, column, end);
    document_->EraseCells(line, column, end);
    cursor_->setPosition({line + 1, 0});
    selection_->Reset();
    data_->RecordEdit(kInsertion, line, column, line + 1, 0);
    return end;
}

std::optional<std::uint32_t> CFNormalMode::Cut()
{
    PlatformServices& services = data_->services;
    // Nothing selected: nothing to take out, and the cursor stays put.
    if (!selection_->CopyToClipboard(services.clipboard, services.messages))
        return std::nullopt;
    const std::uint32_t before = document_->LineLength(selection_->start().line);
    data_->DeleteSelectionWithUndo();
    return before;
}

std::optional<std::uint32_t> CFNormalMode::Paste()
{
    const Position old = cursor_->position();
    const std::uint32_t before = document_->LineLength(old.line);
    if (!data_->PasteWithUndo() || cursor_->position() == old)
        return std::nullopt;
    // The text under the selection has moved with the pasted text.
    selection_->Reset();
    return before;
}

int CFNormalMode::OnKeyDown(std::uint32_t vk)
{
    const KeyboardState& keys = data_->services.keyboard;
    const bool ctrl = keys.ctrlHeld();
    const bool shift = keys.shiftHeld();
    std::optional<std::uint32_t> edit;

    if (ctrl && vk == vk::Space) {
        if (!data_->alphabetLock)
            data_->alphabetMode = !data_->alphabetMode;
        selection_->Reset();
    } else if (MoveCursor(vk)) {
        if (shift)
            selection_->Extend(cursor_->line, cursor_->column);
        else
            selection_->Reset();
    } else if (vk == vk::Space) {
        edit = TypeCharacter(U' ');
        selection_->Reset();
    } else if (vk == vk::Back || vk == vk::Delete) {
        edit = DeleteBackwards();
    } else if (ctrl && vk == 'C') {
        selection_->CopyToClipboard(data_->services.clipboard, data_->services.messages);
    } else if (ctrl && vk == 'X') {
        edit = Cut();
    } else if (ctrl && vk == 'V') {
        edit = Paste();
    } else if (ctrl && vk == 'Z') {
        if (data_->undoList->count() > 0) {
            data_->undoList->Undo();
            // The selected range may no longer exist.
            selection_->Reset();
        }
    } else if (vk == vk::Return && std::int64_t(document_->LineCount()) < lineLimit_) {
        edit = SplitLine();
    } else if (vk == vk::Shift) {
        selection_->Extend(cursor_->line, cursor_->column);
    } else if (!ctrl) {
        selection_->Reset();
        if (data_->alphabetMode) {
            const std::uint32_t character = AlphabetCharacter(vk, shift != keys.capsLockOn());
            if (character != 0)
                edit = TypeCharacter(character);
        } else if (IsLetterOrDigitKey(vk)) {
            data_->firstKey = static_cast<std::int32_t>(vk);
            return kInputModeId;
        }
    }

    // Only a key that changed the document can have made its line too long;
    // a cursor key on a line that is already that long takes nothing back.
    if (edit)
        data_->ApplyLineLengthGuard(*edit);
    return kNormalModeId;
}

void CFNormalMode::OnEnter(int previous)
{
    RetakeWords();
    if (previous == kSignSelectionModeId) {
        if (!currentWord_)
            return;
        const std::uint32_t line = cursor_->line;
        const std::uint32_t column = cursor_->column;
        const std::uint32_t before = document_->LineLength(line);
        const std::uint32_t k = document_->InsertSignWord(line, column, *currentWord_);
        if (k == 0)
            return;
        cursor_->column = column + k;
        data_->RecordEdit(kInsertion, line, column, line, column + k);
        data_->ApplyLineLengthGuard(before);
    } else if (previous == kInputModeId) {
        const std::uint32_t k = data_->committedCells;
        data_->committedCells = 0;
        if (k == 0)
            return;
        const std::uint32_t length = document_->LineLength(cursor_->line);
        data_->ApplyLineLengthGuard(length - std::min(k, length));
    }
}

int CFNormalMode::OnMouse(std::uint32_t)
{
    if (!window_)
        return kNormalModeId;
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    const Point pointer = window_->pointerPosition();
    const std::unique_ptr<Surface> surface = window_->createSurface();
    if (!surface)
        return kNormalModeId;
    const int h = LineHeight(*surface, fonts);
    const ScrollOffsets offsets = data_->Offsets();
    const int top = static_cast<int>(offsets.top());
    if (const auto hit = HitTest(*document_, *surface, fonts, pointer.x + offsets.left(),
                                 pointer.y + h * top))
        cursor_->setPosition(*hit);
    if (scrollBar_)
        scrollBar_->ScrollToCursor(*document_, *surface, fonts, cursor_->line, cursor_->column);
    selection_->Extend(cursor_->line, cursor_->column);
    return kNormalModeId;
}

void CFNormalMode::OnPaint(Surface& surface)
{
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    const ScrollOffsets offsets = data_->Offsets();
    const int clientRight = window_ ? window_->clientRect().right : 0;
    DrawSelection(*document_, selection_->active(), selection_->start(), selection_->end(),
                  surface, fonts, offsets.top(), offsets.left(), clientRight);
    // Transparent, so that the highlight shows under the signs.
    DrawDocument(*document_, surface, fonts, offsets.top(), offsets.left(), TextColors{kBlack});
    // The caret shows the setting: black for "Alphabet", blue for "Sign".
    const Pen pen{true, 1, data_->alphabetMode ? kBlack : kBlue};
    DrawCaret(*document_, cursor_->position(), cursor_->caretVisible, surface, fonts, offsets, pen,
              Brush{kWhite});
}

} // namespace velmora
