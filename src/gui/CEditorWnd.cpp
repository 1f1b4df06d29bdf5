#include "gui/CEditorWnd.h"

#include "core/commands/MainMenu.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFSelectedText.h"
#include "core/modes/CFEditCommands.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "core/modes/MouseFlags.h"
#include "core/modes/ViewSnapshot.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "core/view/TextLayout.h"
#include "gui/CCandidateWindow.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"
#include "qt/InternalError.h"
#include "qt/QtFont.h"
#include "qt/QtKeyTranslator.h"
#include "qt/QtKeyboardState.h"
#include "qt/QtScrollBarSink.h"
#include "qt/QtSurface.h"
#include "qt/QtText.h"
#include "qt/QtTextTranslator.h"
#include "qt/QtWidgetWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

namespace {

std::uint32_t MouseFlags(const QMouseEvent& event)
{
    std::uint32_t flags = 0;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons.testFlag(Qt::LeftButton))
        flags |= mouse::kLeft;
    if (buttons.testFlag(Qt::RightButton))
        flags |= mouse::kRight;
    if (buttons.testFlag(Qt::MiddleButton))
        flags |= mouse::kMiddle;
    if (event.modifiers().testFlag(Qt::ShiftModifier))
        flags |= mouse::kShift;
    if (event.modifiers().testFlag(Qt::ControlModifier))
        flags |= mouse::kControl;
    return flags;
}

// How often the view scrolls while a drag holds the pointer outside it.
constexpr int kAutoScrollMs = 50;

// The text a key event types: what it carries when all of it is printable,
// unless Ctrl or Alt alone is held (shortcuts and menus; Ctrl+Alt is AltGr
// on some systems). Space stays a key command: it converts.
std::optional<std::vector<std::uint32_t>> TypedText(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) != modifiers.testFlag(Qt::AltModifier))
        return std::nullopt;
    const QString text = event.text();
    if (text.isEmpty() || event.key() == Qt::Key_Space)
        return std::nullopt;
    const QList<uint> points = text.toUcs4();
    std::vector<std::uint32_t> typed;
    for (const uint c : points) {
        if (!QChar::isPrint(char32_t(c)))
            return std::nullopt;
        typed.push_back(c);
    }
    return typed;
}

// One notch of a mouse wheel, in eighths of a degree, and the lines it
// scrolls.
constexpr int kWheelNotch = 120;
constexpr int kLinesPerNotch = 3;

// The largest thumb position a scroll request can carry.
constexpr int kMaxRequestThumb = 0xFFFF;

} // namespace

// The window of the client area. While a mouse event is handled the pointer
// is where that event happened, so a click lands where the user clicked even
// when the pointer has moved on since (or, in tests, never moved).
class CEditorWnd::ViewportWindow : public QtWidgetWindow {
public:
    using QtWidgetWindow::QtWidgetWindow;

    Point pointerPosition() const override
    {
        if (eventPoint_)
            return Point{eventPoint_->x(), eventPoint_->y()};
        return QtWidgetWindow::pointerPosition();
    }

    // Reports point as the pointer for its lifetime.
    class EventPoint {
    public:
        EventPoint(ViewportWindow& window, QPoint point) : window_(window) { window_.eventPoint_ = point; }
        ~EventPoint() { window_.eventPoint_.reset(); }
        EventPoint(const EventPoint&) = delete;
        EventPoint& operator=(const EventPoint&) = delete;

    private:
        ViewportWindow& window_;
    };

private:
    std::optional<QPoint> eventPoint_;
};

CEditorWnd::CEditorWnd(PlatformServices services, CFSignFont& signFont, CFWordDictionary& dictionary,
                       std::int32_t lineLimit, QWidget* parent)
    : QAbstractScrollArea(parent)
    , services_(services)
    , qtKeyboard_(dynamic_cast<QtKeyboardState*>(&services.keyboard))
    , signFont_(signFont)
    , window_(std::make_unique<ViewportWindow>(*viewport()))
    , sink_(std::make_unique<QtScrollBarSink>(horizontalScrollBar(), verticalScrollBar()))
    , candidateWindow_(new CCandidateWindow(this))
{
    setFocusPolicy(Qt::StrongFocus);
    // Input methods commit their text to the editor.
    setAttribute(Qt::WA_InputMethodEnabled);
    // Focus asked for the client area (through its Window) goes to the
    // editor, which receives the keys.
    viewport()->setFocusProxy(this);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    scrollBar_ = boost::make_shared<CFScrollBar>(window_.get(), sink_.get());
    scrollBar_->InitVertical();
    scrollBar_->InitHorizontal();
    data_ = boost::make_shared<CFModeData>(window_.get(), &dictionary, lineLimit, scrollBar_, signFont_,
                                           services_);
    ctrl_ = boost::make_shared<CFModeCtrl>(&signFont_, data_);
    guarded([this] { scrollToCursor(); });

    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { guarded([&] { scrollAction(ScrollBarId::Vertical, action); }); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { guarded([&] { scrollAction(ScrollBarId::Horizontal, action); }); });
    connect(candidateWindow_, &CCandidateWindow::candidateClicked, this, &CEditorWnd::chooseCandidate);
    // The list goes when the keyboard focus goes to any other widget (a
    // word field that gets its keys from its window never has the focus,
    // so focusOutEvent alone would not tell).
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != this)
            closeCandidateWindow();
    });
}

CEditorWnd::~CEditorWnd()
{
    // Destroying the widget moves the focus; the editor is gone by then.
    disconnect(focusWatch_);
}

template <class Handler>
void CEditorWnd::guarded(Handler&& handler)
{
    RunGuarded(services_.messages, window_.get(), std::forward<Handler>(handler));
}

CFDocument& CEditorWnd::Document()
{
    return data_->document;
}

const CFLine& CEditorWnd::text() const
{
    return data_->document.Line(0);
}

std::int32_t CEditorWnd::lineLimit() const
{
    return data_->lineLimit;
}

Window& CEditorWnd::window()
{
    return *window_;
}

SearchTarget CEditorWnd::searchTarget()
{
    return SearchTarget{data_->document, *data_->selection, *data_->cursor, *scrollBar_,
                        signFont_,       *data_->undoList,  window_.get()};
}

void CEditorWnd::scrollToCursor()
{
    const auto fonts = signFont_.Fonts();
    const CCursor& cursor = *data_->cursor;
    scrollBar_->ScrollToCursor(data_->document, *fonts, cursor.line, cursor.column);
}

void CEditorWnd::updatePage()
{
    const int h = rowHeight();
    if (h > 0)
        scrollBar_->UpdatePage(std::uint32_t(window_->clientRect().bottom / h + 1),
                               data_->document.LineCount());
}

void CEditorWnd::repaint()
{
    viewport()->update();
}

int CEditorWnd::rowHeight()
{
    const auto fonts = signFont_.Fonts();
    const std::unique_ptr<Surface> surface = window_->createSurface();
    return surface ? LineHeight(*surface, *fonts) : 0;
}

ViewSnapshot CEditorWnd::snapshot()
{
    const int h = rowHeight();
    // Every row that shows, the one cut off at the bottom included.
    const auto rows = h > 0 ? std::uint32_t(viewport()->height() / h + 1) : 0;
    return ViewSnapshot(*data_, ctrl_->CurrentModeId(), rows);
}

void CEditorWnd::repaintChanged(const ViewSnapshot& before)
{
    const auto lines = before.ChangedLines(*data_, ctrl_->CurrentModeId());
    const int h = rowHeight();
    if (!lines || h <= 0) {
        repaint();
        return;
    }
    // The rows of those lines, across the whole width; one pixel more below,
    // where the highlight of a selection reaches into the next row.
    const std::int64_t top = scrollBar_->TopLine();
    const std::int64_t rows = viewport()->height() / h + 1;
    QRegion region;
    for (auto [first, last] : *lines) {
        if (first > last)
            std::swap(first, last);
        const std::int64_t from = std::max<std::int64_t>(std::int64_t(first) - top, 0);
        const std::int64_t to = std::min<std::int64_t>(std::int64_t(last) - top, rows);
        if (from <= to)
            region += QRect(0, int(from) * h, viewport()->width(), int(to - from + 1) * h + 1);
    }
    if (!region.isEmpty())
        viewport()->update(region);
}

void CEditorWnd::NewDocument()
{
    guarded([this] {
        data_->document.Clear();
        data_->DocumentReplaced();
        ctrl_->SetMode(kNormalModeId);
        data_->cursor->setPosition({0, 0});
        scrollToCursor();
    });
    repaint();
    updateCandidateWindow();
}

void CEditorWnd::DocumentReplaced()
{
    guarded([this] {
        data_->DocumentReplaced();
        ctrl_->SetMode(kNormalModeId);
    });
    repaint();
    updateCandidateWindow();
}

void CEditorWnd::ResetView()
{
    guarded([this] {
        data_->cursor->setPosition({0, 0});
        scrollToCursor();
    });
    repaint();
    updateCandidateWindow();
}

void CEditorWnd::FontsChanged()
{
    guarded([this] {
        updatePage();
        scrollToCursor();
    });
    repaint();
}

template <class Command>
void CEditorWnd::runCommand(Command&& command)
{
    guarded([&] {
        CFEditCommands commands(*data_);
        command(commands);
        scrollToCursor();
    });
    repaint();
    updateCandidateWindow();
}

void CEditorWnd::CutLine()
{
    runEditorCommand(CommandId::CutLine);
}

void CEditorWnd::CopyLine()
{
    runEditorCommand(CommandId::CopyLine);
}

void CEditorWnd::PasteLine()
{
    runEditorCommand(CommandId::PasteLine);
}

void CEditorWnd::DeleteLine()
{
    runEditorCommand(CommandId::DeleteLine);
}

void CEditorWnd::Undo()
{
    runEditorCommand(CommandId::Undo);
}

void CEditorWnd::Redo()
{
    runEditorCommand(CommandId::Redo);
}

void CEditorWnd::SelectAll()
{
    runEditorCommand(CommandId::SelectAll);
}

void CEditorWnd::ConvertTransliteration()
{
    runEditorCommand(CommandId::ConvertTransliteration);
}

bool CEditorWnd::InsertSign(std::uint32_t sign)
{
    // Like the other commands that change the text: never underneath a
    // pending transliteration, which would be left standing after the sign.
    if (ctrl_->CurrentModeId() != kNormalModeId) {
        data_->notice = Tr(texts::kFinishPendingFirst);
        return false;
    }
    bool inserted = false;
    runCommand([&](CFEditCommands& commands) { inserted = commands.InsertOverSelection({&sign, 1}); });
    return inserted;
}

void CEditorWnd::ToggleSignInput()
{
    runEditorCommand(CommandId::SignInput);
}

void CEditorWnd::runEditorCommand(CommandId id)
{
    guarded([&] {
        RunEditorCommand(id, *ctrl_, *data_);
        scrollToCursor();
    });
    repaint();
    updateCandidateWindow();
}

bool CEditorWnd::InputPending() const
{
    return ctrl_->CurrentModeId() != kNormalModeId;
}

bool CEditorWnd::event(QEvent* event)
{
    // The editing mode may claim a key before the window's shortcuts act
    // on it (Ctrl+Z while a transliteration is pending).
    if (event->type() == QEvent::ShortcutOverride) {
        bool claimed = false;
        guarded([&] {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool capsLock = services_.keyboard.capsLockOn();
            if (const auto translated = QtKeyTranslator::translate(*key, capsLock))
                claimed =
                    ctrl_->ClaimsKey(translated->virtualKey,
                                     KeyModifiers{translated->shift,
                                                  key->modifiers().testFlag(Qt::ControlModifier), capsLock});
        });
        if (claimed) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool CEditorWnd::IsBlank() const
{
    return data_->document.LineCount() == 1 && data_->document.LineLength(0) == 0
        && ctrl_->CurrentModeId() == kNormalModeId;
}

bool CEditorWnd::CanUndo() const
{
    return data_->undoList->count() > 0;
}

bool CEditorWnd::CanRedo() const
{
    return data_->undoList->redoCount() > 0;
}

std::optional<QRect> CEditorWnd::caretBox() const
{
    const auto fonts = signFont_.Fonts();
    const std::unique_ptr<Surface> surface = window_->createSurface();
    if (!surface)
        return std::nullopt;
    const Point at =
        CaretPoint(data_->document, data_->cursor->position(), *surface, *fonts, data_->Offsets());
    return QRect(at.x, at.y, 1, std::max(LineHeight(*surface, *fonts), 1));
}

bool CEditorWnd::CanRun(CommandId id) const
{
    return EditorCommandEnabled(id, *ctrl_, *data_);
}

void CEditorWnd::setAlphabetMode(bool alphabet)
{
    runCommand([alphabet](CFEditCommands& commands) { commands.SetAlphabetMode(alphabet); });
}

bool CEditorWnd::AlphabetMode() const
{
    return data_->alphabetMode;
}

Position CEditorWnd::CursorPosition() const
{
    return data_->cursor->position();
}

std::string CEditorWnd::LookupStatus() const
{
    return ctrl_->LookupStatus();
}

std::optional<SignInformation> CEditorWnd::CurrentSign() const
{
    const CFSelectedText& selection = *data_->selection;
    const Position none = data_->cursor->position();
    return SignInformation::Current(data_->document, data_->cursor->position(),
                                    selection.active() ? selection.start() : none,
                                    selection.active() ? selection.end() : none);
}

QString CEditorWnd::signToolTip(QPoint point)
{
    QString text;
    guarded([&] {
        const auto fonts = signFont_.Fonts();
        const std::unique_ptr<Surface> surface = window_->createSurface();
        if (!surface)
            return;
        const int h = LineHeight(*surface, *fonts);
        const ScrollOffsets offsets = data_->Offsets();
        const auto hit = HitTest(data_->document, *surface, *fonts, point.x() + offsets.left(),
                                 point.y() + h * static_cast<int>(offsets.top()));
        if (!hit)
            return;
        const auto sign = SignInformation::Of(data_->document.Line(hit->line), hit->column);
        if (!sign)
            return;
        const auto* qfont = dynamic_cast<const QtFont*>(fonts->sign());
        const QString family = qfont ? qfont->qfont().family() : font().family();
        const auto html = [](const std::string& utf8) {
            return QString::fromStdString(utf8).toHtmlEscaped();
        };
        // The sign large, in the editor's sign font; beside and below it
        // what the status bar tells.
        text =
            QStringLiteral("<p style=\"white-space:pre\"><span style=\"font-family:'%1'; font-size:28pt\">"
                           "%2</span> %3 %4")
                .arg(family.toHtmlEscaped(), html(sign->Glyph()), html(sign->name), html(sign->CodePoint()));
        for (const std::string& part : {sign->TypedText(), sign->FirstReadings(12)}) {
            if (!part.empty())
                text += QStringLiteral("<br/>") + html(part);
        }
        text += QStringLiteral("</p>");
    });
    return text;
}

bool CEditorWnd::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = signToolTip(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport());
    }
    return true;
}

void CEditorWnd::SetEditListener(EditListener* listener)
{
    data_->undoList->setEditListener(listener);
}

void CEditorWnd::FocusEditor()
{
    if (isVisible() && !isActiveWindow())
        activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void CEditorWnd::repaintAndFocus(Window* target)
{
    repaint();
    if (target)
        target->setFocus();
}

void CEditorWnd::repaintAndFocus(QWidget* target)
{
    repaint();
    if (!target)
        return;
    if (target->isVisible() && !target->isActiveWindow())
        target->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
}

bool CEditorWnd::focusNextPrevChild(bool)
{
    // Tab is a key of the editor, not a move to the next widget.
    return false;
}

bool CEditorWnd::handleKeyPress(QKeyEvent* event)
{
    const ViewSnapshot before = snapshot();
    bool used = false;
    bool enter = false;
    guarded([&] {
        if (qtKeyboard_)
            qtKeyboard_->update(*event);
        const bool capsLock = services_.keyboard.capsLockOn();
        if (const auto typed = TypedText(*event)) {
            used = true;
            const KeyModifiers modifiers{event->modifiers().testFlag(Qt::ShiftModifier), false, capsLock};
            ctrl_->RouteText(*typed, modifiers);
            scrollToCursor();
            return;
        }
        // A dead key typing "Alphabet" text is the first half of a compose
        // sequence whose result comes as the text of the next key.
        if (event->key() >= Qt::Key_Dead_Grave && event->key() <= Qt::Key_Dead_Longsolidusoverlay
            && data_->alphabetMode && ctrl_->CurrentModeId() == kNormalModeId)
            return;
        // A key without text: the key command, or the character the
        // keyboard table gives it.
        const auto key = QtKeyTranslator::translate(*event, capsLock);
        if (!key)
            return;
        used = true;
        // Enter in a one-line field, where it never splits the line, is the
        // window's to act on (its search or replace).
        enter = key->virtualKey == vk::Return && lineLimit() == 1 && ctrl_->CurrentModeId() == kNormalModeId;
        // The modes read Shift as the key translation chose it.
        const KeyModifiers modifiers{key->shift, event->modifiers().testFlag(Qt::ControlModifier), capsLock};
        // A key of the command table, unless the mode claims it: the
        // editing commands run here (in a word field, whose window has no
        // shortcuts of its own); the main window's are not the editor's.
        if (!ctrl_->ClaimsKey(key->virtualKey, modifiers)) {
            if (const auto command = CommandForKeys(KeysText(key->virtualKey, modifiers))) {
                used = RunEditorCommand(*command, *ctrl_, *data_);
                enter = false;
                scrollToCursor();
                return;
            }
        }
        ctrl_->RouteKey(key->virtualKey, modifiers);
        scrollToCursor();
    });
    if (used) {
        repaintChanged(before);
        emit edited();
        candidatesWanted_ = true;
        updateCandidateWindow();
    }
    if (enter)
        emit enterPressed();
    return used;
}

void CEditorWnd::handleInputMethod(QInputMethodEvent* event)
{
    const QList<uint> commit = event->commitString().toUcs4();
    if (commit.isEmpty())
        return;
    const ViewSnapshot before = snapshot();
    guarded([&] {
        const std::vector<std::uint32_t> text(commit.begin(), commit.end());
        ctrl_->RouteText(text, KeyModifiers{false, false, services_.keyboard.capsLockOn()});
        scrollToCursor();
    });
    repaintChanged(before);
    emit edited();
    candidatesWanted_ = true;
    updateCandidateWindow();
}

void CEditorWnd::inputMethodEvent(QInputMethodEvent* event)
{
    handleInputMethod(event);
    event->accept();
}

QVariant CEditorWnd::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle: {
        QRect rect;
        auto* self = const_cast<CEditorWnd*>(this);
        self->guarded([&] {
            if (const auto box = caretBox())
                rect = QRect(viewport()->mapTo(self, box->topLeft()), QSize(2, box->height()));
        });
        return rect;
    }
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void CEditorWnd::handleKeyRelease(QKeyEvent* event)
{
    if (qtKeyboard_)
        guarded([&] { qtKeyboard_->update(*event); });
}

void CEditorWnd::keyPressEvent(QKeyEvent* event)
{
    if (handleKeyPress(event))
        event->accept();
    else
        event->ignore();
}

void CEditorWnd::keyReleaseEvent(QKeyEvent* event)
{
    handleKeyRelease(event);
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CEditorWnd::routeMouse(QPoint point, std::uint32_t flags)
{
    const ViewportWindow::EventPoint at(*window_, point);
    ctrl_->RouteMouse(flags);
}

void CEditorWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // A press soon after a double click, near it, is the third click.
    const bool third = lastDoubleClick_.isValid()
        && lastDoubleClick_.elapsed() < QApplication::doubleClickInterval()
        && (event->position().toPoint() - doubleClickPoint_).manhattanLength()
            <= QApplication::startDragDistance();
    lastDoubleClick_.invalidate();
    const ViewSnapshot before = snapshot();
    guarded([&] {
        // While a transliteration or candidates are pending any press does
        // what a click does there: it commits them (Shift and the third
        // click select only in normal mode).
        std::uint32_t flags = MouseFlags(*event);
        if (third && ctrl_->CurrentModeId() == kNormalModeId)
            flags |= mouse::kTripleClick;
        routeMouse(event->position().toPoint(), flags);
    });
    setFocus(Qt::MouseFocusReason);
    repaintChanged(before);
    emit edited();
    candidatesWanted_ = true;
    updateCandidateWindow();
    dragging_ = !third;
    event->accept();
}

void CEditorWnd::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    lastDoubleClick_.start();
    doubleClickPoint_ = event->position().toPoint();
    // The press before it has committed what was pending; if that was
    // refused, the text stays and nothing is selected under it.
    if (ctrl_->CurrentModeId() != kNormalModeId)
        return;
    const ViewSnapshot before = snapshot();
    guarded([&] { routeMouse(event->position().toPoint(), MouseFlags(*event) | mouse::kDoubleClick); });
    setFocus(Qt::MouseFocusReason);
    repaintChanged(before);
    emit edited();
    // The word stays selected while the button comes up.
    dragging_ = false;
}

void CEditorWnd::mouseMoveEvent(QMouseEvent* event)
{
    // Only normal mode extends a selection by dragging: a key typed while the
    // button is held may have started a transliteration, which a drag must
    // not commit.
    if (!dragging_) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (ctrl_->CurrentModeId() != kNormalModeId) {
        autoScrollTimer_.stop();
        return;
    }
    dragPoint_ = event->position().toPoint();
    // Outside the client area the view keeps scrolling towards the pointer
    // until it comes back or the button comes up.
    if (viewport()->rect().contains(dragPoint_))
        autoScrollTimer_.stop();
    else if (!autoScrollTimer_.isActive())
        autoScrollTimer_.start(kAutoScrollMs, this);
    const ViewSnapshot before = snapshot();
    guarded([&] { routeMouse(dragPoint_, MouseFlags(*event) | mouse::kDrag); });
    repaintChanged(before);
    emit edited();
}

void CEditorWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    autoScrollTimer_.stop();
    event->accept();
}

void CEditorWnd::autoScroll()
{
    if (!dragging_ || ctrl_->CurrentModeId() != kNormalModeId) {
        autoScrollTimer_.stop();
        return;
    }
    guarded([&] { routeMouse(dragPoint_, mouse::kLeft | mouse::kAutoScroll); });
    repaint();
    emit edited();
}

void CEditorWnd::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (contextMenu_)
        contextMenu_->close();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("editorContextMenu"));
    guarded([&] {
        for (const MenuItem& item : EditorContextMenu()) {
            if (item.id == CommandId::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(UiText(item.text));
            action->setData(static_cast<int>(item.id));
            const std::string_view keys = KeysOfCommand(item.id);
            action->setShortcut(QKeySequence(FromUtf8(keys), QKeySequence::PortableText));
            action->setShortcutVisibleInContextMenu(true);
            action->setEnabled(EditorCommandEnabled(item.id, *ctrl_, *data_));
            const CommandId id = item.id;
            connect(action, &QAction::triggered, this, [this, id] {
                runEditorCommand(id);
                emit edited();
            });
        }
    });
    contextMenu_ = menu;
    // From the keyboard the menu opens at the caret.
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect caret = inputMethodQuery(Qt::ImCursorRectangle).toRect();
        at = mapToGlobal(caret.bottomLeft());
    }
    menu->popup(at);
}

void CEditorWnd::scrollAction(ScrollBarId bar, int action)
{
    std::uint32_t request = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        request = CFScrollPart::kLineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        request = CFScrollPart::kLineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = CFScrollPart::kPageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = CFScrollPart::kPageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        request = CFScrollPart::kTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        request = CFScrollPart::kBottom;
        break;
    case QAbstractSlider::SliderMove: {
        QScrollBar* qbar = bar == ScrollBarId::Vertical ? verticalScrollBar() : horizontalScrollBar();
        const int thumb = qbar->sliderPosition();
        if (thumb < 0 || thumb > kMaxRequestThumb) {
            // Beyond what a request carries (the horizontal range reaches
            // 100000 pixels): the thumb is followed directly, snapped to the
            // step as a request would be.
            CFScrollPart& part =
                bar == ScrollBarId::Vertical ? scrollBar_->Vertical() : scrollBar_->Horizontal();
            const bool present =
                bar == ScrollBarId::Vertical ? scrollBar_->HasVertical() : scrollBar_->HasHorizontal();
            if (present)
                part.SetPosition(thumb - thumb % part.Step());
            repaint();
            return;
        }
        request = CFScrollPart::kThumbTrack | (std::uint32_t(thumb) << 16);
        break;
    }
    default:
        return;
    }
    // Every request writes the state back to the bar, so a page request,
    // which moves nothing, also puts the bar back where it was.
    scrollBar_->OnScroll(bar, request);
    repaint();
    updateCandidateWindow();
}

void CEditorWnd::scrollLines(int lines)
{
    const std::uint32_t request = lines < 0 ? CFScrollPart::kLineUp : CFScrollPart::kLineDown;
    for (int i = lines < 0 ? -lines : lines; i > 0; --i)
        scrollBar_->OnScroll(ScrollBarId::Vertical, request);
}

void CEditorWnd::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        // Away from the user: larger, as in other programs.
        zoomRemainder_ += event->angleDelta().y();
        const int notches = zoomRemainder_ / kWheelNotch;
        zoomRemainder_ %= kWheelNotch;
        if (notches != 0)
            emit zoomRequested(notches);
        event->accept();
        return;
    }
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ %= kWheelNotch;
    if (notches != 0) {
        // Turning the wheel away from the user scrolls towards the top.
        guarded([&] { scrollLines(-notches * kLinesPerNotch); });
        repaint();
        updateCandidateWindow();
    }
    event->accept();
}

void CEditorWnd::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    try {
        // Only the part being painted again needs drawing.
        const QRect part = event->rect();
        QtSurface surface(painter, viewport(),
                          Rect{part.left(), part.top(), part.right() + 1, part.bottom() + 1});
        ctrl_->CurrentMode().OnPaint(surface);
        paintFailed_ = false;
    } catch (...) {
        if (!paintFailed_) {
            paintFailed_ = true;
            reportPaintFailure(DescribeCurrentException());
        }
    }
}

void CEditorWnd::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // The editor is made before it is given its size: the page it was
    // made with fits no more.
    guarded([this] { updatePage(); });
    updateCandidateWindow();
}

void CEditorWnd::reportPaintFailure(const std::string& cause)
{
    // Reported once the paint cycle is over: a modal box cannot open inside
    // one.
    QTimer::singleShot(0, this,
                       [this, cause] { ReportInternalError(services_.messages, window_.get(), cause); });
}

void CEditorWnd::focusInEvent(QFocusEvent* event)
{
    const ViewSnapshot before = snapshot();
    data_->cursor->caretVisible = true;
    caretTimer_.start(kCaretBlinkMs, this);
    repaintChanged(before);
    QAbstractScrollArea::focusInEvent(event);
    candidatesWanted_ = true;
    updateCandidateWindow();
}

void CEditorWnd::focusOutEvent(QFocusEvent* event)
{
    // The caret blinks only in the editor that receives the keys.
    const ViewSnapshot before = snapshot();
    data_->cursor->caretVisible = false;
    caretTimer_.stop();
    repaintChanged(before);
    QAbstractScrollArea::focusOutEvent(event);
    closeCandidateWindow();
}

void CEditorWnd::hideEvent(QHideEvent* event)
{
    QAbstractScrollArea::hideEvent(event);
    closeCandidateWindow();
}

bool CEditorWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_) {
        // A list left where the window was would point at nothing.
        if (event->type() == QEvent::Move)
            closeCandidateWindow();
        return false;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void CEditorWnd::closeCandidateWindow()
{
    candidatesWanted_ = false;
    candidateWindow_->hide();
}

void CEditorWnd::updateCandidateWindow()
{
    guarded([&] {
        // The top-level widget (window() names the editor's platform window).
        if (QWidget* topLevel = QWidget::window(); watchedWindow_ != topLevel) {
            if (watchedWindow_)
                watchedWindow_->removeEventFilter(this);
            watchedWindow_ = topLevel;
            watchedWindow_->installEventFilter(this);
        }
        const bool listed =
            candidatesWanted_ && isVisible() && ctrl_->CurrentModeId() == kSignSelectionModeId;
        const CandidateList list = listed ? ctrl_->selSignMode().List() : CandidateList{};
        if (list.empty()) {
            candidateWindow_->hide();
            return;
        }
        const auto box = caretBox();
        if (!box)
            return;
        const auto fonts = signFont_.Fonts();
        const auto* sign = dynamic_cast<const QtFont*>(fonts->sign());
        const QRect row(viewport()->mapToGlobal(box->topLeft()), QSize(1, box->height()));
        const QRect view(viewport()->mapToGlobal(QPoint(0, 0)), viewport()->size());
        candidateWindow_->showList(list, row, sign ? sign->qfont() : font(), view);
    });
}

void CEditorWnd::chooseCandidate(int candidate)
{
    guarded([&] {
        ctrl_->ChooseCandidate(candidate);
        scrollToCursor();
    });
    repaint();
    emit edited();
    updateCandidateWindow();
}

void CEditorWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == autoScrollTimer_.timerId()) {
        autoScroll();
        return;
    }
    if (event->timerId() != caretTimer_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    const ViewSnapshot before = snapshot();
    data_->cursor->caretVisible = !data_->cursor->caretVisible;
    repaintChanged(before);
}

} // namespace velmora
