#pragma once

#include "platform/PlatformServices.h"
#include "qt/InternalError.h"
#include "qt/QtWidgetWindow.h"

#include <QWidget>

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
class CToolWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the window in its normal state on top of the others; when the
    // window takes the focus on showing, it is activated and focused itself.
    void showWindow();

    // The window as the platform-neutral code sees it: the owner of its
    // messages and the window that gets the focus back after a search hit.
    Window& ownerWindow() { return ownerWindow_; }
    const PlatformServices& services() const { return services_; }

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

    // Runs a command of the window, reporting whatever it throws.
    template <class Handler>
    void runCommand(Handler&& handler)
    {
        RunGuarded(services_.messages, &ownerWindow_, std::forward<Handler>(handler));
    }

    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the title, labels and buttons in the interface language.
    void retranslate();

    PlatformServices services_;
    QtWidgetWindow ownerWindow_;
    bool focusOnShow_;
    std::vector<CEditorWnd*> fields_;
    const CEditorWnd* settingSource_ = nullptr;
    const char* title_;
    std::vector<std::pair<QLabel*, const char*>> labels_;
    std::vector<std::pair<QPushButton*, const char*>> buttons_;
};

} // namespace velmora
