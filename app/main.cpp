// Program entry: start-up, the main window with its editor, the three tool
// windows, and the event loop.
#include "app/CApplication.h"
#include "app/CMainWindow.h"
#include "dictionary/CRegWordWindow.h"
#include "modes/CFModeData.h"
#include "search/CReplaceWindow.h"
#include "search/CSearchWindow.h"
#include "view/CEditorWnd.h"

int main(int argc, char** argv)
{
    using namespace velmora;
    CApplication app(argc, argv);
    // A missing or malformed sign data file has been reported; the program
    // ends without showing its window.
    if (!app.startUp())
        return 0;

    auto* editor = new CEditorWnd(app.services(), app.signFont(), app.dictionary(),
                                  CFModeData::kMainLineLimit);
    CMainWindow window(app.mainWindowServices(), editor);
    QObject::connect(editor, &CEditorWnd::edited, &window, &CMainWindow::updateStatusBar);

    // The tool windows live as long as the main window and are only shown by
    // its commands; closing them hides them.
    CRegWordWindow registration(app.services(), app.signFont(), app.dictionary());
    CSearchWindow search(*editor, app.services(), app.signFont(), app.dictionary());
    CReplaceWindow replace(*editor, app.services(), app.signFont(), app.dictionary());
    QWidget& mainWidget = window;
    window.setToolWindowCommands({
        .find = [&] { search.showWindow(); },
        .findNext = [&] { search.FindNext(mainWidget); },
        .findPrevious = [&] { search.FindPrevious(mainWidget); },
        .replace = [&] { replace.showWindow(); },
        .wordRegistration = [&] { registration.showWindow(); },
    });
    return app.run(window);
}
