#pragma once

#include "gui/CMainWindow.h"
#include "gui/CRegWordWindow.h"
#include "gui/CReplaceWindow.h"
#include "gui/CSearchWindow.h"

namespace velmora {

class CApplication;
class CEditorWnd;

// The windows of the program as it runs: the main window with its editor,
// and the three tool windows its commands show. The tool windows live as
// long as the main window; closing them hides them.
class CProgramWindows {
public:
    explicit CProgramWindows(CApplication& app);
    CProgramWindows(const CProgramWindows&) = delete;
    CProgramWindows& operator=(const CProgramWindows&) = delete;

    CMainWindow& main() { return window_; }
    CEditorWnd& editor() { return *editor_; }

private:
    CEditorWnd* editor_; // owned by the main window
    CMainWindow window_;
    CRegWordWindow registration_;
    CSearchWindow search_;
    CReplaceWindow replace_;
};

} // namespace velmora
