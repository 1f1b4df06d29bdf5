#include "core/commands/MainMenu.h"

#include "platform/UserTexts.h"

#include <array>

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
};

constexpr std::array kEditorKeys{
    Accelerator{"Ctrl+X", CommandId::CutLine},
    Accelerator{"Ctrl+C", CommandId::CopyLine},
    Accelerator{"Ctrl+V", CommandId::PasteLine},
    Accelerator{"Del", CommandId::DeleteLine},
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

std::span<const Accelerator> EditorKeys()
{
    return kEditorKeys;
}

} // namespace velmora
