#pragma once

#include "core/commands/MainCommands.h"
#include "core/commands/MainMenu.h"
#include "core/commands/RecentFiles.h"
#include "platform/InterfaceLanguage.h"
#include "qt/QtWidgetWindow.h"

#include <QMainWindow>
#include <QPointer>

#include <concepts>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;

namespace velmora {

class CFSignFont;
class CFWordDictionary;
class CSignInfoWindow;
class CSignListWindow;
class CTypingHelpWindow;
class CrashRecovery;
class FileDialogs;
class FontDialog;
class MainEditor;
class MessageDisplay;
class QtLanguage;
class SaveChangesQuestion;
class Settings;

// The application-lifetime services the main window's commands use.
struct MainWindowServices {
    FileDialogs& dialogs;
    MessageDisplay& messages;
    SaveChangesQuestion& question;
    FontDialog& fontDialog;
    CFWordDictionary& dictionary;
    CFSignFont& signFont;
    // Where the recent files, the window's place and size and the interface
    // language are kept.
    Settings& settings;
    // The interface language the Setting menu's "Language" switches; null:
    // the submenu is disabled.
    QtLanguage* language = nullptr;
};

// What the Edit and Word menus start in the tool windows. An empty function
// leaves its menu item and accelerator disabled.
struct ToolWindowCommands {
    std::function<void()> find;             // show the search window and focus it
    std::function<void()> findNext;         // search on with the search window's word
    std::function<void()> findPrevious;     // search back with the search window's word
    std::function<void()> replace;          // show the replace window and focus it
    std::function<void()> wordRegistration; // show the word registration window
};

// The main window: the editor filling the area above a status bar of four
// parts (setting, line, column, and the sign at the cursor with what is
// known of it),
// the menu, the accelerators and the title. Its file commands run
// through MainCommands, its editing commands through the editor's own
// commands; everything else is plain Qt. A click on the status bar's
// setting part switches the editor between "Alphabet" and "Sign", as the
// checkable "Sign Input" item does.
//
// The accelerators work while the main window or its editor has the focus
// (window context), never in a tool window. Closing the window, by Exit or by
// the window system, asks first when the document has unsaved changes, keeps
// the window's place and size in the settings for the next start, and emits
// closed() once the window really closes.
//
// The File menu's "Recent Files" offers the documents opened or saved last;
// a file dropped on the window opens as Open would open it, after the same
// question about unsaved changes.
//
// The Setting menu's "Language" switches the interface language at once
// (menus, status bar, tool windows, messages and Qt's dialogs) and keeps the
// choice in the settings for the next start.
//
// Every command and event handler catches whatever escapes from it, tells
// the user that an internal error occurred and keeps the document.
class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The status bar tells about the sign at the cursor this long after the
    // last key: drawing a sign costs as much as the rest of a key.
    static constexpr int kSignStatusDelayMs = 30;

    // editorWidget is the main editor; it becomes the central widget and
    // the window owns it. editor is the same object seen as MainEditor.
    CMainWindow(const MainWindowServices& services, QWidget* editorWidget, MainEditor& editor,
                QWidget* parent = nullptr);
    // The same for an editor widget class that implements MainEditor.
    template <class Editor>
    requires std::derived_from<Editor, QWidget> && std::derived_from<Editor, MainEditor>
    CMainWindow(const MainWindowServices& services, Editor* editor, QWidget* parent = nullptr)
        : CMainWindow(services, editor, *editor, parent)
    {
    }
    ~CMainWindow() override;

    void setToolWindowCommands(ToolWindowCommands commands);

    // Opens a file without a dialog (the program's argument, a recent file,
    // a dropped file), after the question about unsaved changes; a failure
    // is reported to the user. False when the file was not opened.
    bool openFile(const std::filesystem::path& path);

    // From now on keeps a recovery copy of the document (every edit is on
    // the disk within about a second), removed when the window closes; while
    // it cannot be written the status bar says that unsaved changes are not
    // protected. recovery must outlive the window; null stops.
    void setCrashRecovery(CrashRecovery* recovery);
    // Offers each document that earlier runs left unsaved when they ended
    // ("前回保存されなかった変更があります。復元しますか？" with its file and
    // time): restore, discard, or later (Escape). True when one was restored
    // here; further ones restored go to restoreElsewhere.
    bool offerRecovery();
    // Where a second restored document goes (another window of the program).
    void setRestoreElsewhere(std::function<void(const std::filesystem::path&)> restore)
    {
        restoreElsewhere_ = std::move(restore);
    }
    // Restores a left-over copy without asking (handed over by another run).
    bool restoreCopy(const std::filesystem::path& copy);

    MainCommands& commands() { return *commands_; }
    // The window as the platform layer knows it: the owner of message boxes
    // and dialogs that belong to the main window.
    Window* platformWindow() { return &platformWindow_; }
    // The hint shown over an empty new document.
    QLabel* emptyHint() const;
    // The Sign List, once it was first shown; null before.
    CSignListWindow* signList() const { return signList_; }
    // The menu or accelerator action of a command; null for Separator.
    QAction* action(CommandId id) const;

public slots:
    // Shows the editor's input kind and cursor in the status bar (and the
    // kind in the "Sign Input" item), whether the document has unsaved
    // changes in the title, and, kSignStatusDelayMs after the last call,
    // what is known of the sign at the cursor.
    void updateStatusBar();
    // The editor handled a key or a click: a note of the status bar goes,
    // and the status bar and the title show the editor's state. Connect the
    // editor's notification after each key and mouse event to it.
    void editorEvent();
    // Shows a short note ("search wrapped") in the status bar's first part,
    // in place of the setting, until the next editor event or command; an
    // empty note takes an earlier one away. The status bar and the title
    // are brought up to date.
    void showStatusNote(const QString& note);
    // Zoom steps > 0 larger, < 0 smaller, as Zoom In and Zoom Out; connect
    // the editors' Ctrl+wheel to it.
    void zoom(int steps);

signals:
    // The window closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    // Fills the "Language" submenu, its current language checked.
    void buildLanguageMenu(QMenu* menu);
    void chooseLanguage(InterfaceLanguage language);
    // Shows the menu and status bar in the interface language.
    void retranslate();
    void buildStatusBar();
    // Shows a title of the commands, with the mark of unsaved changes.
    void showTitle(std::u16string_view title);
    // Fills "Recent Files" with the listed files that exist, then "Clear";
    // without any, the submenu is disabled.
    void refreshRecentFiles();
    void restoreWindowGeometry();
    void saveWindowGeometry();
    // After a write to the settings file: the first failure of a session is
    // told, once, so that the user knows the settings will not be kept.
    void settingsWritten(bool written);
    void run(CommandId id);
    void showAbout();
    // The status bar's part on the sign at the cursor.
    void updateSignStatus();
    // "Sign Information": the editor's current sign in the Sign Information
    // window, or a message that there is none.
    void showSignInformation();
    // "Sign List": the dock window of every sign, shown with the focus in
    // its filter field.
    void showSignList();
    // The sign at the cursor made current in the Sign List, or a message
    // that there is none.
    void showCursorSignInList();
    // A sign chosen in the Sign List goes into the document.
    void insertSign(std::uint32_t sign);
    // The editor's sign font, for windows that show signs.
    QFont signFont() const;
    // The hint in an empty new document, shown until something is first
    // typed or a document is loaded (then it stays away for the session).
    void updateEmptyHint();
    // Help > "Typing Cuneiform": the window with the table of the keys.
    void showTypingHelp();
    // File > "Print…", "Print Preview…" and "Export PDF…": the document in
    // the editor's fonts, through Qt's print support.
    void printDocument();
    void previewDocument();
    void exportPdf();
    // Prints onto printer (CDocumentPrinter); the pages printed, -1 when
    // the printer could not be written to.
    int printTo(QPrinter& printer);
    // After a zoom command: every window with an editor shows the new size.
    void zoomed(bool changed);
    void updateRecovery();
    MainCommands::RecoveryAnswer askRestore(const std::string& question);
    // The Edit menu's commands enabled only when the editor can run them
    // (Undo with a step, Cut with a selection …) while the menu is open;
    // always: all enabled, so that their keys always reach the editor.
    void enableEditItems(bool always);
    // Runs a command or handler; anything it throws becomes the internal
    // error message.
    template <class F>
    void guarded(F&& handler);

    MainWindowServices services_;
    bool settingsFailureTold_ = false;
    MainEditor& editor_;
    QWidget* editorWidget_;
    QtWidgetWindow platformWindow_;
    RecentFiles recentFiles_;
    std::unique_ptr<MainCommands> commands_;
    ToolWindowCommands tools_;
    std::map<CommandId, QAction*> actions_;
    // Each menu title and item with the text it shows in translation.
    std::vector<std::pair<QAction*, std::string_view>> menuTexts_;
    std::map<InterfaceLanguage, QAction*> languageActions_;
    QMenu* recentMenu_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QLabel* columnLabel_ = nullptr;
    QLabel* signGlyphLabel_ = nullptr;
    QLabel* signLabel_ = nullptr;
    QTimer* signStatusTimer_ = nullptr;
    CSignInfoWindow* signInfoWindow_ = nullptr;
    CSignListWindow* signList_ = nullptr;
    CTypingHelpWindow* typingHelp_ = nullptr;
    // A child of the editor's client area, which may go first.
    QPointer<QLabel> emptyHint_;
    bool emptyHintDismissed_ = false;
    // Says that unsaved changes are not protected; hidden while they are.
    QLabel* recoveryLabel_ = nullptr;
    // Shown in the first part until the next editor event or command.
    QString statusNote_;
    CrashRecovery* recovery_ = nullptr;
    QTimer* recoveryTimer_ = nullptr;
    std::function<void(const std::filesystem::path&)> restoreElsewhere_;
};

} // namespace velmora
