#include "app/CProgramWindows.h"

#include "app/CApplication.h"
#include "core/modes/CFModeData.h"
#include "gui/CEditorWnd.h"

namespace velmora {

CProgramWindows::CProgramWindows(CApplication& app)
    : editor_(new CEditorWnd(app.services(), app.signFont(), app.dictionary(), CFModeData::kMainLineLimit))
    , window_(app.mainWindowServices(), editor_)
    , registration_(app.services(), app.signFont(), app.dictionary())
    , search_(*editor_, app.services(), app.signFont(), app.dictionary())
    , replace_(*editor_, app.services(), app.signFont(), app.dictionary())
{
    QObject::connect(editor_, &CEditorWnd::edited, &window_, &CMainWindow::editorEvent);
    // Searches and replacements from the tool windows move the cursor and
    // change the text: the status bar and the title follow.
    for (CToolWindow* tool : {static_cast<CToolWindow*>(&search_), static_cast<CToolWindow*>(&replace_)})
        QObject::connect(tool, &CToolWindow::mainEditorUsed, &window_, &CMainWindow::showStatusNote);
    QObject::connect(editor_, &CEditorWnd::zoomRequested, &window_, &CMainWindow::zoom);
    // They open beside the main window, on its screen.
    for (CToolWindow* tool : {static_cast<CToolWindow*>(&registration_), static_cast<CToolWindow*>(&search_),
                              static_cast<CToolWindow*>(&replace_)})
        tool->setAnchor(&window_);
    QWidget& mainWidget = window_;
    window_.setToolWindowCommands({
        .find = [this] { search_.showWindow(); },
        .findNext = [this, &mainWidget] { search_.FindNext(mainWidget); },
        .findPrevious = [this, &mainWidget] { search_.FindPrevious(mainWidget); },
        .replace = [this] { replace_.showWindow(); },
        .wordRegistration = [this] { registration_.showWindow(); },
    });
}

} // namespace velmora
