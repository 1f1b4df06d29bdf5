#pragma once

#include "core/commands/CommandLine.h"
#include "core/commands/ProgramFolders.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/view/CFSignFont.h"
#include "gui/CMainWindow.h"
#include "platform/IniSettings.h"
#include "platform/PlatformServices.h"
#include "qt/QtFontDialog.h"
#include "qt/QtLanguage.h"
#include "qt/QtPlatform.h"
#include "qt/QtSaveChangesQuestion.h"

#include <QApplication>

#include <filesystem>
#include <memory>

namespace velmora {

// The program: the Qt application with the objects that live as long as it
// does and that every window shares. The settings file is config.ini in the
// current folder when there is one, else in the user's configuration folder.
// Typical use:
//
//     CApplication app(argc, argv);
//     if (!app.startUp())
//         return 0;
//     CMainWindow window(app.mainWindowServices(), new EditorWidget(...));
//     ... tool windows, window.setToolWindowCommands(...) ...
//     return app.run(window);
class CrashRecovery;

class CApplication : public QApplication {
    Q_OBJECT
public:
    CApplication(int& argc, char** argv);
    ~CApplication() override;

    // Creates config.ini when it is missing and loads the sign dictionary it
    // names. False, after telling the user why, when the program must end
    // without showing a window.
    bool startUp();

    // Where the program finds its files, worked out once at construction.
    const ProgramFolders& folders() const { return folders_; }

    IniSettings& settings() { return settings_; }
    // The interface language, read from the settings at construction.
    QtLanguage& language() { return language_; }
    QtPlatform& platform() { return platform_; }
    PlatformServices services() { return platform_.services(); }
    CFWordDictionary& dictionary() { return dictionary_; }
    CFSignFont& signFont() { return signFont_; }
    MainWindowServices mainWindowServices();

    // The command line without Qt's own options, the file made absolute.
    CommandLine commandLine() const;

    // Shows the main window, offers the documents earlier runs left unsaved
    // or else opens the command line's file in it, keeps a recovery copy of
    // unsaved changes in the user's data folder, and runs the event loop
    // until the main window closes. Returns the exit code.
    int run(CMainWindow& window);

    // Delivers every event; anything an event handler throws is caught here,
    // the user is told that an internal error occurred, and the program goes
    // on with its document intact.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportInternalError();

    ProgramFolders folders_;
    IniSettings settings_;
    QtLanguage language_;
    QtPlatform platform_;
    QtSaveChangesQuestion question_;
    QtFontDialog fontDialog_;
    CFWordDictionary dictionary_;
    CFSignFont signFont_;
    // Null when the system names no data folder for the user.
    std::unique_ptr<CrashRecovery> recovery_;
};

} // namespace velmora
