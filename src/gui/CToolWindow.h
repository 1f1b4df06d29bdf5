#pragma once

#include "platform/PlatformServices.h"
#include "qt/InternalError.h"
#include "qt/QtWidgetWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace velmora {

class CEditorWnd;
class CFSignFont;
class CFWordDictionary;

// A small top-level window whose word fields are one-line editors: the
// search, replace and word registration windows. It has a caption and a
// close button only and a fixed size; it starts hidden, and closing it only
// hides it, so the words typed into its fields stay for the next use. It has
// no owner and does not keep the program running once the main window is
// gone. Keys typed while the window itself (rather than one of its fields)
// has the focus edit its key field; Tab is one of those keys, not a move to
// the next control.
//
// Given an anchor (the main window), it opens the first time inside the
// anchor's top right corner under its menu bar, wholly on the anchor's
// screen; afterwards where it was last, for the rest of the session, moved
// wholly onto a screen where part of it would be off.
class CToolWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the window in its normal state on top of the others; when the
    // window takes the focus on showing, it is activated and focused itself.
    void showWindow();
    // The window it opens beside; null: where the window system puts it.
    void setAnchor(QMainWindow* anchor) { anchor_ = anchor; }

    // The window as the platform-neutral code sees it: the owner of its
    // messages and the window that gets the focus back after a search hit.
    Window& ownerWindow() { return ownerWindow_; }
    const PlatformServices& services() const { return services_; }

signals:
    // A command of the window worked on the main editor (a search, a
    // replacement): its cursor or text may have changed. note is what the
    // main window's status bar should say about it ("search wrapped"), or
    // empty.
    void mainEditorUsed(const QString& note);

protected:
    // title, and the texts of addLabel() and addButton(), are source texts
    // of this class's translation context, marked with
    // QT_TRANSLATE_NOOP("velmora::CToolWindow", ...): the window shows them in
    // the interface language and follows when it changes.
    CToolWindow(const char* title, int width, int height, PlatformServices services, bool focusOnShow);

    // The field that receives the keys typed into the window itself.
    virtual CEditorWnd& keyField() = 0;

    // A one-line word field at (x, y), as wide as the window less 30 pixels.
    CEditorWnd* addWordField(int x, int y, CFSignFont& signFont, CFWordDictionary& dictionary);
    // Each time the window is shown its word fields take the setting
    // ("Alphabet" or "Sign") that editor is in, so that a word is typed as
    // the document is. Null: the fields keep their own.
    void setSettingSource(const CEditorWnd* editor) { settingSource_ = editor; }
    QLabel* addLabel(const char* text, int x, int y);
    QPushButton* addButton(const char* text, int x, int y);

    // Whether the main editor's text is finished. While a transliteration or
    // a choice of candidates is pending there, a search or a replacement
    // would move the cursor or edit underneath it: it waits, and the main
    // window's status bar asks for Enter or Escape first, as the menu's
    // commands do.
    bool mainEditorReady(const CEditorWnd& mainEditor);

    // Runs a command of the window, reporting whatever it throws.
    template <class Handler>
    void runCommand(Handler&& handler)
    {
        RunGuarded(services_.messages, &ownerWindow_, std::forward<Handler>(handler));
    }

    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

public:
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the title, labels and buttons in the interface language.
    void retranslate();
    // Moves the hidden window to where it opens.
    void place();

    PlatformServices services_;
    QtWidgetWindow ownerWindow_;
    bool focusOnShow_;
    std::vector<CEditorWnd*> fields_;
    const CEditorWnd* settingSource_ = nullptr;
    const char* title_;
    QPointer<QMainWindow> anchor_;
    // Where the window was, frame included, when it was last hidden.
    std::optional<QRect> lastPlace_;
    std::vector<std::pair<QLabel*, const char*>> labels_;
    std::vector<std::pair<QPushButton*, const char*>> buttons_;
};

} // namespace velmora
