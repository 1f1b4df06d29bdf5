#include "core/commands/MainMenu.h"

#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoList.h"
#include "core/modes/CFEditCommands.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velmora {

namespace {

constexpr MenuItem kSeparator{CommandId::Separator, {}};

constexpr std::array kFile{
    MenuItem{CommandId::NewFile, texts::kNewFileItem},
    kSeparator,
    MenuItem{CommandId::Open, texts::kOpenItem},
    MenuItem{CommandId::RecentFiles, texts::kRecentFilesItem},
    MenuItem{CommandId::Save, texts::kSaveItem},
    MenuItem{CommandId::SaveAs, texts::kSaveAsItem},
    kSeparator,
    MenuItem{CommandId::SaveHtml, texts::kSaveHtmlItem},
    MenuItem{CommandId::SaveHtmlWithTransliteration, texts::kSaveHtmlTransliterationItem},
    MenuItem{CommandId::ImportAtf, texts::kImportAtfItem},
    MenuItem{CommandId::ExportAtf, texts::kExportAtfItem},
    kSeparator,
    MenuItem{CommandId::Print, texts::kPrintItem},
    MenuItem{CommandId::PrintPreview, texts::kPrintPreviewItem},
    MenuItem{CommandId::ExportPdf, texts::kExportPdfItem},
    kSeparator,
    MenuItem{CommandId::LoadWorddata, texts::kLoadWorddataItem},
    MenuItem{CommandId::SaveWorddata, texts::kSaveWorddataItem},
    kSeparator,
    MenuItem{CommandId::Exit, texts::kExitItem},
};

constexpr std::array kEdit{
    MenuItem{CommandId::Undo, texts::kUndoItem},
    MenuItem{CommandId::Redo, texts::kRedoItem},
    kSeparator,
    MenuItem{CommandId::CutLine, texts::kCutLineItem},
    MenuItem{CommandId::CopyLine, texts::kCopyLineItem},
    MenuItem{CommandId::PasteLine, texts::kPasteLineItem},
    MenuItem{CommandId::DeleteLine, texts::kDeleteLineItem},
    MenuItem{CommandId::SelectAll, texts::kSelectAllItem},
    kSeparator,
    MenuItem{CommandId::Find, texts::kFindItem},
    MenuItem{CommandId::FindNext, texts::kFindNextItem},
    MenuItem{CommandId::FindPrevious, texts::kFindPreviousItem},
    kSeparator,
    MenuItem{CommandId::Replace, texts::kReplaceItem},
    kSeparator,
    MenuItem{CommandId::ConvertTransliteration, texts::kConvertTransliterationItem},
};

constexpr std::array kWord{
    MenuItem{CommandId::WordRegistration, texts::kWordRegistrationItem},
    MenuItem{CommandId::SignInformation, texts::kSignInformationItem},
    MenuItem{CommandId::SignList, texts::kSignListItem},
};
constexpr std::array kSetting{
    MenuItem{CommandId::Font, texts::kFontItem},
    MenuItem{CommandId::ZoomIn, texts::kZoomInItem},
    MenuItem{CommandId::ZoomOut, texts::kZoomOutItem},
    MenuItem{CommandId::ResetZoom, texts::kResetZoomItem},
    kSeparator,
    MenuItem{CommandId::SignInput, texts::kSignInputItem},
    MenuItem{CommandId::Language, texts::kLanguageItem},
};
constexpr std::array kHelp{
    MenuItem{CommandId::TypingHelp, texts::kTypingHelpItem},
    MenuItem{CommandId::About, texts::kAboutItem},
};

constexpr std::array kContextMenu{
    MenuItem{CommandId::Undo, texts::kUndoItem},
    MenuItem{CommandId::Redo, texts::kRedoItem},
    kSeparator,
    MenuItem{CommandId::CutLine, texts::kCutLineItem},
    MenuItem{CommandId::CopyLine, texts::kCopyLineItem},
    MenuItem{CommandId::PasteLine, texts::kPasteLineItem},
    MenuItem{CommandId::DeleteLine, texts::kDeleteLineItem},
    kSeparator,
    MenuItem{CommandId::SelectAll, texts::kSelectAllItem},
    MenuItem{CommandId::ConvertTransliteration, texts::kConvertTransliterationItem},
};

// clang-format off
constexpr std::array kMenu{
    MenuPopup{texts::kFileMenu, kFile},
    MenuPopup{texts::kEditMenu, kEdit},
    MenuPopup{texts::kWordMenu, kWord},
    MenuPopup{texts::kSettingMenu, kSetting},
    MenuPopup{texts::kHelpMenu, kHelp},
};

constexpr std::array kAccelerators{
    Accelerator{"Alt+?", CommandId::About},
    Accelerator{"Alt+/", CommandId::About},
    Accelerator{"Ctrl+N", CommandId::NewFile},
    Accelerator{"Ctrl+O", CommandId::Open},
    Accelerator{"Ctrl+S", CommandId::Save},
    Accelerator{"Ctrl+Shift+S", CommandId::SaveAs},
    Accelerator{"Ctrl+P", CommandId::Print},
    Accelerator{"Ctrl+Q", CommandId::Exit},
    Accelerator{"Ctrl+F", CommandId::Find},
    Accelerator{"F3", CommandId::FindNext},
    Accelerator{"Ctrl+F3", CommandId::FindNext},
    Accelerator{"Shift+F3", CommandId::FindPrevious},
    Accelerator{"Ctrl+Shift+F3", CommandId::FindPrevious},
    Accelerator{"Ctrl+H", CommandId::Replace},
    Accelerator{"Ctrl+X", CommandId::CutLine},
    Accelerator{"Ctrl+C", CommandId::CopyLine},
    Accelerator{"Ctrl+V", CommandId::PasteLine},
    Accelerator{"Del", CommandId::DeleteLine},
    Accelerator{"Ctrl+Z", CommandId::Undo},
    Accelerator{"Ctrl+Y", CommandId::Redo},
    Accelerator{"Ctrl+Shift+Z", CommandId::Redo},
    Accelerator{"Ctrl+A", CommandId::SelectAll},
    Accelerator{"Ctrl+T", CommandId::ConvertTransliteration},
    Accelerator{"Ctrl++", CommandId::ZoomIn},
    Accelerator{"Ctrl+=", CommandId::ZoomIn},
    Accelerator{"Ctrl+-", CommandId::ZoomOut},
    Accelerator{"Ctrl+0", CommandId::ResetZoom},
    Accelerator{"F1", CommandId::SignInformation},
    Accelerator{"Ctrl+Space", CommandId::SignInput},
};
// clang-format on

} // namespace

std::span<const MenuPopup> MainMenu()
{
    return kMenu;
}

std::span<const Accelerator> MainAccelerators()
{
    return kAccelerators;
}

std::string KeysText(std::uint32_t vk, const KeyModifiers& modifiers)
{
    std::string key;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        key = static_cast<char>(vk);
    else if (vk == vk::Space)
        key = "Space";
    else if (vk == vk::Delete)
        key = "Del";
    else if (vk >= vk::F1 && vk <= vk::F1 + 11)
        key = "F" + std::to_string(vk - vk::F1 + 1);
    else
        return {};
    return std::string(modifiers.ctrl ? "Ctrl+" : "") + (modifiers.shift ? "Shift+" : "") + key;
}

std::optional<CommandId> CommandForKeys(std::string_view keys)
{
    if (keys.empty())
        return std::nullopt;
    const auto same = [](std::string_view a, std::string_view b) {
        return std::ranges::equal(a, b, [](char x, char y) { return std::tolower(x) == std::tolower(y); });
    };
    for (const Accelerator& accelerator : kAccelerators) {
        if (same(accelerator.keys, keys))
            return accelerator.id;
    }
    return std::nullopt;
}

bool NeedsFinishedText(CommandId id)
{
    switch (id) {
    case CommandId::NewFile:
    case CommandId::Open:
    case CommandId::RecentFiles:
    case CommandId::ImportAtf:
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::CutLine:
    case CommandId::PasteLine:
    case CommandId::DeleteLine:
    case CommandId::SelectAll:
    case CommandId::ConvertTransliteration:
    case CommandId::FindNext:
    case CommandId::FindPrevious:
    case CommandId::SignInput:
        return true;
    default:
        return false;
    }
}

bool IsEditorCommand(CommandId id)
{
    switch (id) {
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::CutLine:
    case CommandId::CopyLine:
    case CommandId::PasteLine:
    case CommandId::DeleteLine:
    case CommandId::SelectAll:
    case CommandId::ConvertTransliteration:
    case CommandId::SignInput:
        return true;
    default:
        return false;
    }
}

bool RunEditorCommand(CommandId id, CFModeCtrl& ctrl, CFModeData& data)
{
    if (!IsEditorCommand(id))
        return false;
    if (ctrl.CurrentModeId() != kNormalModeId && NeedsFinishedText(id)) {
        // Neither lost nor edited underneath: Undo takes back what was typed
        // last, the rest waits for Enter or Escape.
        if (id == CommandId::Undo)
            ctrl.RouteKey('Z', KeyModifiers{false, true, data.modifiers.capsLock});
        else
            data.notice = Tr(texts::kFinishPendingFirst);
        return true;
    }
    CFEditCommands commands(data);
    switch (id) {
    case CommandId::Undo:
        commands.Undo();
        break;
    case CommandId::Redo:
        commands.Redo();
        break;
    case CommandId::CutLine:
        commands.Cut();
        break;
    case CommandId::CopyLine:
        commands.Copy();
        break;
    case CommandId::PasteLine:
        commands.Paste();
        break;
    case CommandId::DeleteLine:
        // The selection, or the character after the cursor, as the key does.
        commands.DeleteForward();
        break;
    case CommandId::SelectAll:
        commands.SelectAll();
        break;
    case CommandId::ConvertTransliteration:
        commands.ConvertTransliteration();
        break;
    default:
        commands.ToggleAlphabetMode();
        break;
    }
    return true;
}

std::span<const MenuItem> EditorContextMenu()
{
    return kContextMenu;
}

bool EditorCommandEnabled(CommandId id, const CFModeCtrl& ctrl, CFModeData& data)
{
    const bool pending = ctrl.CurrentModeId() != kNormalModeId;
    if (id == CommandId::Undo)
        return pending || data.undoList->count() > 0;
    if (pending && NeedsFinishedText(id))
        return false;
    const CFSelectedText& selection = *data.selection;
    const bool selected = selection.active() && selection.start() != selection.end();
    switch (id) {
    case CommandId::Redo:
        return data.undoList->redoCount() > 0;
    case CommandId::CutLine:
    case CommandId::CopyLine:
    case CommandId::DeleteLine:
        return selected;
    case CommandId::PasteLine:
        return data.services.clipboard.hasUnicodeText();
    case CommandId::SelectAll:
        return data.document.LineCount() > 1 || data.document.LineLength(0) > 0;
    case CommandId::ConvertTransliteration:
        return CFEditCommands(data).CanConvertTransliteration();
    case CommandId::SignInput:
        return !data.alphabetLock;
    default:
        return false;
    }
}

std::string_view KeysOfCommand(CommandId id)
{
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.id == id)
            return accelerator.keys;
    }
    return {};
}

} // namespace velmora
