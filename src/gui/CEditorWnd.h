#pragma once

#include "core/commands/MainEditor.h"
#include "core/commands/MainMenu.h"
#include "core/document/Position.h"
#include "core/modes/ViewSnapshot.h"
#include "core/search/SearchTarget.h"
#include "core/view/CFScrollPart.h"
#include "platform/PlatformServices.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QRect>

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QInputMethodEvent;
class QKeyEvent;

namespace velmora {

class CCandidateWindow;
class CFDocument;
class CFLine;
class CFModeCtrl;
class CFModeData;
class CFScrollBar;
class CFSignFont;
class CFWordDictionary;
class QtKeyboardState;
class QtScrollBarSink;
class Window;

// The editor widget: shows one document and edits it through the editing
// modes. The main window holds one for the document (line limit 60000); the
// word fields of the tool windows are one-line editors (line limit 1) of the
// same kind, so words are typed there exactly as in the document.
//
// The viewport is the client area: the modes measure, hit-test and draw in
// it. The widget owns the editor's scroll state, editing state and mode
// controller; the sign font and the dictionary are shared by all editors.
// After every key and every click it scrolls the cursor into view, repaints
// and emits edited(). A key that types text (the layout's character, a
// dead key's or compose sequence's result) goes to the modes as typed text,
// as does an input method's commit; other keys go as key commands with the
// modifiers of their event.
//
// While the modes show candidates, a candidate window lists them beside the
// caret (CCandidateWindow); a click on one of its rows accepts that
// candidate. The list closes when the mode leaves sign selection, when the
// keyboard focus goes elsewhere and when the window the editor is in moves;
// the next key or click in the editor brings it back.
//
// Hovering over a sign shows what is known of it as a tooltip: its name,
// code point, the reading it was typed as and its readings in the sign
// list (SignInformation).
//
// The caret blinks every 500 ms while the editor has the focus. Anything an
// event handler throws is reported as an internal error; the document stays
// as it is.
class CEditorWnd : public QAbstractScrollArea, public MainEditor {
    Q_OBJECT

public:
    // A one-line word field is this high.
    static constexpr int kWordFieldHeight = 80;
    // The caret's blink period.
    static constexpr int kCaretBlinkMs = 500;

    // services, signFont and dictionary must outlive the editor. Caps Lock
    // is taken from the keyboard service; when that is a QtKeyboardState,
    // every key event updates it.
    CEditorWnd(PlatformServices services, CFSignFont& signFont, CFWordDictionary& dictionary,
               std::int32_t lineLimit, QWidget* parent = nullptr);
    ~CEditorWnd() override;

    // MainEditor.
    CFDocument& Document() override;
    // Empties the document (one empty line) and forgets what referred to the
    // old text, back in normal mode, cursor at (0, 0), view scrolled there.
    void NewDocument() override;
    // The text was replaced as a whole: selection, pending input, candidates
    // and undo history go, normal mode, cursor at (0, 0). ResetView follows.
    void DocumentReplaced() override;
    // Cursor to (0, 0), the view scrolled there, repainted.
    void ResetView() override;
    // The page is measured again and the view scrolls to keep the cursor in
    // sight.
    void FontsChanged() override;
    // The editing commands of the menus: the same commands as the editor's
    // keys (CFEditCommands), then the view follows the cursor.
    void CutLine() override;
    void CopyLine() override;
    void PasteLine() override;
    void DeleteLine() override;
    void Undo() override;
    void Redo() override;
    void SelectAll() override;
    void ConvertTransliteration() override;
    bool InsertSign(std::uint32_t sign) override;
    void ToggleSignInput() override;
    bool InputPending() const override;
    bool IsBlank() const override;
    bool CanUndo() const override;
    bool CanRedo() const override;
    bool CanRun(CommandId id) const override;
    bool AlphabetMode() const override;
    Position CursorPosition() const override;
    std::string LookupStatus() const override;
    std::optional<SignInformation> CurrentSign() const override;
    void FocusEditor() override;
    void SetEditListener(EditListener* listener) override;

    // The tooltip of the sign at a point of the client area: what the status
    // bar tells of a sign, as rich text with the sign in the sign font;
    // empty where there is no cuneiform sign.
    QString signToolTip(QPoint point);

    // Repaints and gives the keyboard focus to target (no focus change when
    // it is null), as after a search hit that hands the focus back to the
    // asking window.
    void repaintAndFocus(Window* target);
    void repaintAndFocus(QWidget* target);

    // "Alphabet" (true) or "Sign", unless the editor's setting is locked.
    void setAlphabetMode(bool alphabet);

    // A key press or release as if typed into this editor, for a tool window
    // that passes on the keys it receives itself. True when the key was used.
    bool handleKeyPress(QKeyEvent* event);
    void handleKeyRelease(QKeyEvent* event);
    // An input method's event as if sent to this editor: its commit string
    // is typed text.
    void handleInputMethod(QInputMethodEvent* event);
    // Where the caret is (for an input method's window), in this widget's
    // coordinates; the rest as any widget answers.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // The list of candidates beside the caret (hidden outside sign
    // selection).
    CCandidateWindow& candidateWindow() { return *candidateWindow_; }
    // The context menu last opened, while it is open.
    QMenu* contextMenu() const { return contextMenu_; }

    CFModeData& modeData() { return *data_; }
    const CFModeData& modeData() const { return *data_; }
    CFModeCtrl& modeCtrl() { return *ctrl_; }
    CFScrollBar& scrollBar() { return *scrollBar_; }
    CFSignFont& signFont() { return signFont_; }
    // The first line of the document: the whole text of a one-line field.
    const CFLine& text() const;
    // The editor as the search commands work on it.
    SearchTarget searchTarget();
    // The platform window of the client area (owner of the editor's
    // messages).
    Window& window();
    const PlatformServices& services() const { return services_; }
    std::int32_t lineLimit() const;

signals:
    // After every key press and every click handled by the editor.
    void edited();
    // Ctrl and the wheel: steps > 0 asks for larger text, < 0 for smaller,
    // one per notch. Whoever owns the zoom connects to it; the editor itself
    // neither scrolls nor zooms then.
    void zoomRequested(int steps);
    // Enter was pressed in a one-line editor outside a transliteration or a
    // candidate choice, where it changes nothing (after edited()).
    void enterPressed();

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The editing commands of the Edit menu, each enabled when it can act.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shows the tooltip of the sign under the pointer.
    bool viewportEvent(QEvent* event) override;

private:
    // The caret's line box in the viewport (its top left and the line's
    // height, one pixel wide); nothing without a surface to measure on.
    std::optional<QRect> caretBox() const;
    class ViewportWindow;

    // Runs an event handler, reporting whatever it throws.
    template <class Handler>
    void guarded(Handler&& handler);
    // Runs an editing command on the editing state, then scrolls the cursor
    // into view and repaints.
    template <class Command>
    void runCommand(Command&& command);
    // Runs a command of the table on this editor, then the same.
    void runEditorCommand(CommandId id);
    void scrollToCursor();
    // The vertical page and range for the lines the client area shows now;
    // the view stays where it is.
    void updatePage();
    // Paints the whole view again.
    void repaint();
    // What the view shows now, and a repaint of just the rows that changed
    // since (the whole view when the text or the view moved).
    ViewSnapshot snapshot();
    void repaintChanged(const ViewSnapshot& before);
    // The height of a row; 0 without a usable sign font.
    int rowHeight();
    // A scroll bar action turned into a scroll request of that bar.
    void scrollAction(ScrollBarId bar, int action);
    void scrollLines(int lines);
    // A mouse event at a point of the client area, to the current mode.
    void routeMouse(QPoint point, std::uint32_t flags);
    // A tick of the timer that scrolls while a drag is outside the view.
    void autoScroll();
    void reportPaintFailure(const std::string& cause);
    // Shows the candidate list at the caret while the modes show candidates
    // and the user works in this editor; hides it otherwise.
    void updateCandidateWindow();
    // Closes the list until the next key or click in the editor.
    void closeCandidateWindow();
    // A row of the candidate list was clicked.
    void chooseCandidate(int candidate);

    PlatformServices services_;
    QtKeyboardState* qtKeyboard_;
    CFSignFont& signFont_;
    std::unique_ptr<ViewportWindow> window_;
    std::unique_ptr<QtScrollBarSink> sink_;
    boost::shared_ptr<CFScrollBar> scrollBar_;
    boost::shared_ptr<CFModeData> data_;
    boost::shared_ptr<CFModeCtrl> ctrl_;
    bool dragging_ = false;
    // Where the pointer was last seen during a drag.
    QPoint dragPoint_;
    // Runs while a drag holds the pointer outside the client area.
    QBasicTimer autoScrollTimer_;
    // When and where the last double click was, to tell a third click.
    QElapsedTimer lastDoubleClick_;
    QPoint doubleClickPoint_;
    QPointer<QMenu> contextMenu_;
    // Wheel rotation not yet turned into line steps (eighths of a degree).
    int wheelRemainder_ = 0;
    int zoomRemainder_ = 0;
    // A paint failed and was reported; the next failures are not, until a
    // paint succeeds.
    bool paintFailed_ = false;
    QBasicTimer caretTimer_;
    CCandidateWindow* candidateWindow_;
    // The user works in this editor (it has the focus, or received the last
    // key or click), so its candidates may be listed.
    bool candidatesWanted_ = false;
    // The window the editor is in, watched for moves.
    QPointer<QWidget> watchedWindow_;
    QMetaObject::Connection focusWatch_;
};

} // namespace velmora
