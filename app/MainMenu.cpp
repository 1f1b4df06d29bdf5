#include "app/MainMenu.h"

#include <array>

namespace velmora {

namespace {

constexpr MenuItem kSeparator{CommandId::Separator, {}};

constexpr std::array kFile{
    MenuItem{CommandId::NewFile, "New File"},
    kSeparator,
    MenuItem{CommandId::Open, "Open(&O)"},
    MenuItem{CommandId::RecentFiles, "Recent Files"},
    MenuItem{CommandId::Save, "Save(&S)"},
    MenuItem{CommandId::SaveAs, "SaveAs"},
    kSeparator,
    MenuItem{CommandId::SaveHtml, "Save HTML"},
    MenuItem{CommandId::ImportAtf, "Import ATF…"},
    kSeparator,
    MenuItem{CommandId::LoadWorddata, "Load Worddata"},
    MenuItem{CommandId::SaveWorddata, "Save Worddata"},
    kSeparator,
    MenuItem{CommandId::Exit, "Exit(&X)"},
};

// "Pasete Line" is the item's established text.
constexpr std::array kEdit{
    MenuItem{CommandId::Undo, "Undo"},
    MenuItem{CommandId::Redo, "Redo"},
    kSeparator,
    MenuItem{CommandId::CutLine, "Cut Line"},
    MenuItem{CommandId::CopyLine, "Copy Line"},
    MenuItem{CommandId::PasteLine, "Pasete Line"},
    MenuItem{CommandId::DeleteLine, "Delete Line"},
    MenuItem{CommandId::SelectAll, "Select All"},
    kSeparator,
    MenuItem{CommandId::Find, "Find"},
    MenuItem{CommandId::FindNext, "Find Next"},
    MenuItem{CommandId::FindPrevious, "Find Previous"},
    kSeparator,
    MenuItem{CommandId::Replace, "Replace"},
    kSeparator,
    MenuItem{CommandId::ConvertTransliteration, "Convert Transliteration"},
};

constexpr std::array kWord{MenuItem{CommandId::WordRegistration, "Word Registration"}};
constexpr std::array kSetting{
    MenuItem{CommandId::Font, "Font"},
    MenuItem{CommandId::SignInput, "Sign Input"},
};
constexpr std::array kHelp{MenuItem{CommandId::About, "About(&A)..."}};

constexpr std::array kMenu{
    MenuPopup{"File(&F)", kFile},
    MenuPopup{"Edit", kEdit},
    MenuPopup{"Word", kWord},
    MenuPopup{"Setting(&V)", kSetting},
    MenuPopup{"Help(&H)", kHelp},
};

constexpr std::array kAccelerators{
    Accelerator{"Alt+?", CommandId::About},
    Accelerator{"Alt+/", CommandId::About},
    Accelerator{"Ctrl+O", CommandId::Open},
    Accelerator{"Ctrl+S", CommandId::Save},
    Accelerator{"Ctrl+F", CommandId::Find},
    Accelerator{"Ctrl+Shift+F3", CommandId::FindPrevious},
    Accelerator{"Ctrl+F3", CommandId::FindNext},
    Accelerator{"Ctrl+Z", CommandId::Undo},
    Accelerator{"Ctrl+Y", CommandId::Redo},
    Accelerator{"Ctrl+Shift+Z", CommandId::Redo},
    Accelerator{"Ctrl+A", CommandId::SelectAll},
    Accelerator{"Ctrl+T", CommandId::ConvertTransliteration},
};

} // namespace

std::span<const MenuPopup> MainMenu()
{
    return kMenu;
}

std::span<const Accelerator> MainAccelerators()
{
    return kAccelerators;
}

} // namespace velmora
