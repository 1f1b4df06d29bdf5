#pragma once

#include "core/modes/KeyModifiers.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

class CFModeCtrl;
class CFModeData;

// The commands of the main window's menu and keyboard accelerators.
enum class CommandId : int {
    Separator = 0, // not a command: a line between menu items
    About = 104,
    Exit = 105,
    NewFile = 1000,
    Open = 1001,
    Save = 1002,
    SaveAs = 1003,
    RecentFiles = 1004, // the submenu of the documents opened or saved last
    SaveHtml = 1005,
    ImportAtf = 1006,
    LoadWorddata = 1007,
    SaveWorddata = 1008,
    ExportAtf = 1010,
    SaveHtmlWithTransliteration = 1011,
    Print = 1012,
    PrintPreview = 1013,
    ExportPdf = 1014,
    CutLine = 2000,
    CopyLine = 2001,
    PasteLine = 2002,
    DeleteLine = 2003,
    Find = 2004,
    FindNext = 2005,
    FindPrevious = 2006,
    Replace = 2007,
    Undo = 2008,
    Redo = 2009,
    SelectAll = 2010,
    ConvertTransliteration = 2011,
    Font = 3001,
    SignInput = 3002, // checkable: checked while the editor is in "Sign"
    Language = 3003,  // the submenu of the interface languages
    ZoomIn = 3004,
    ZoomOut = 3005,
    ResetZoom = 3006,
    WordRegistration = 4001,
    SignInformation = 4010, // the sign chosen, or before the cursor, in a window
    SignList = 4011,        // every sign, filtered as the user types, in a dock window
    TypingHelp = 106,       // the keys that type cuneiform, in a window
};

// A menu item; "&" marks the letter that selects it with Alt. The texts
// are those of platform/UserTexts.h, shown through Tr().
struct MenuItem {
    CommandId id;
    std::string_view text; // empty for a separator
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuItem> items;
};

// A key combination in the portable text notation ("Ctrl+Shift+F3") and the
// command it starts while the main window or its editor has the focus.
struct Accelerator {
    std::string_view keys;
    CommandId id;
};

// The menu bar, left to right.
std::span<const MenuPopup> MainMenu();
// The one table of keys: what each key combination does, in the main
// window and in every editor (a word field runs the editing commands of
// its own keys). A command may have several keys, the first of which its
// menu item shows. The editing mode may claim a key first
// (CFModeCtrl::ClaimsKey).
std::span<const Accelerator> MainAccelerators();

// A key command in the table's notation ("Ctrl+Shift+Z", "Del",
// "Ctrl+Space"); empty for a key it has no name for.
std::string KeysText(std::uint32_t vk, const KeyModifiers& modifiers);
// The command of a key combination in the table, if any.
std::optional<CommandId> CommandForKeys(std::string_view keys);
// Whether a command changes the document or the selection, and so waits
// while a transliteration or a choice of candidates is pending.
bool NeedsFinishedText(CommandId id);
// Whether a command is an editor's own (the Edit menu's and Sign Input),
// run by RunEditorCommand on the editor that has it.
bool IsEditorCommand(CommandId id);
// Runs a command of the Edit menu, or Sign Input, on an editor: the one
// path of its menu item, its key and its context menu. While input is
// pending, Undo takes back the last pending keystroke and the other
// commands that need a finished text only say so in the status bar. False
// for a command that is not an editor's.
bool RunEditorCommand(CommandId id, CFModeCtrl& ctrl, CFModeData& data);
// The editor's context menu: the editing commands of the Edit menu.
std::span<const MenuItem> EditorContextMenu();
// Whether an editor command can act now: Undo with a step to take back or
// a pending keystroke, Redo with a step to make again, Cut, Copy and Delete
// with a selection, Paste with text on the clipboard, Select All with any
// text, Convert Transliteration with letters to convert; the commands that
// need a finished text never while input is pending.
bool EditorCommandEnabled(CommandId id, const CFModeCtrl& ctrl, CFModeData& data);
// The first key combination of a command in the key table (what its menu
// item shows); empty when it has none.
std::string_view KeysOfCommand(CommandId id);

} // namespace velmora
