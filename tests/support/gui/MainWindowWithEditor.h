#pragma once

#include "core/modes/CFModeData.h"
#include "gui/CEditorWnd.h"
#include "gui/CMainWindow.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/ScriptedSaveQuestion.h"
#include "tests/support/gui/GuiTestKit.h"

namespace velmora::test {

// The main window with the real editor widget over the shared test kit,
// shown and active, with the focus in the editor.
struct MainWindowWithEditor {
    MainWindowWithEditor()
    {
        // As the program connects them: the status bar, the title and the
        // hint follow every key.
        QObject::connect(editor, &CEditorWnd::edited, &window, &CMainWindow::editorEvent);
        window.resize(900, 600);
        ShowActive(window);
        editor->setFocus();
    }

    GuiTestKit kit;
    FakeFileDialogs dialogs;
    ScriptedSaveQuestion question;
    FakeFontDialog fontDialog;
    CEditorWnd* editor =
        new CEditorWnd(kit.services, kit.signFont, kit.dictionary, CFModeData::kMainLineLimit);
    MainWindowServices services{dialogs,        kit.messages, question,    fontDialog,
                                kit.dictionary, kit.signFont, kit.settings};
    CMainWindow window{services, editor};
};

} // namespace velmora::test
