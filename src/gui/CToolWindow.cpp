#include "gui/CToolWindow.h"

#include "core/commands/WindowPlacement.h"
#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"
#include "qt/QtGeometry.h"
#include "qt/QtTextTranslator.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace velmora {

namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;
// The word fields leave this much of the window's width free.
constexpr int kFieldMargin = 30;

} // namespace

CToolWindow::CToolWindow(const char* title, int width, int height, PlatformServices services,
                         bool focusOnShow)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , services_(services)
    , ownerWindow_(*this)
    , focusOnShow_(focusOnShow)
    , title_(title)
{
    setWindowTitle(tr(title_));
    setFixedSize(width, height);
    // The window takes the focus when it is shown or handed the focus back,
    // not by a click: a click beside the fields leaves the focus in the
    // field that has it.
    setFocusPolicy(Qt::TabFocus);
    // The program ends with its main window, whatever tool windows are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_InputMethodEnabled);
}

void CToolWindow::showWindow()
{
    if (!isVisible())
        place();
    showNormal();
    raise();
    if (focusOnShow_)
        ownerWindow_.setFocus();
}

CEditorWnd* CToolWindow::addWordField(int x, int y, CFSignFont& signFont, CFWordDictionary& dictionary)
{
    auto* field = new CEditorWnd(services_, signFont, dictionary, 1, this);
    field->setGeometry(x, y, width() - kFieldMargin, CEditorWnd::kWordFieldHeight);
    fields_.push_back(field);
    return field;
}

QLabel* CToolWindow::addLabel(const char* text, int x, int y)
{
    auto* label = new QLabel(tr(text), this);
    label->move(x, y);
    label->adjustSize();
    labels_.emplace_back(label, text);
    return label;
}

QPushButton* CToolWindow::addButton(const char* text, int x, int y)
{
    auto* button = new QPushButton(tr(text), this);
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    buttons_.emplace_back(button, text);
    return button;
}

void CToolWindow::retranslate()
{
    setWindowTitle(tr(title_));
    for (const auto& [label, text] : labels_) {
        label->setText(tr(text));
        label->adjustSize();
    }
    for (const auto& [button, text] : buttons_)
        button->setText(tr(text));
}

void CToolWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool CToolWindow::focusNextPrevChild(bool)
{
    return false;
}

void CToolWindow::keyPressEvent(QKeyEvent* event)
{
    if (keyField().handleKeyPress(event))
        event->accept();
    else
        event->ignore();
    update();
}

void CToolWindow::inputMethodEvent(QInputMethodEvent* event)
{
    keyField().handleInputMethod(event);
    event->accept();
    update();
}

QVariant CToolWindow::inputMethodQuery(Qt::InputMethodQuery query) const
{
    auto& field = const_cast<CToolWindow*>(this)->keyField();
    const QVariant answer = field.inputMethodQuery(query);
    if (query == Qt::ImCursorRectangle)
        return answer.toRect().translated(field.mapTo(this, QPoint(0, 0)));
    return answer;
}

void CToolWindow::keyReleaseEvent(QKeyEvent* event)
{
    keyField().handleKeyRelease(event);
    QWidget::keyReleaseEvent(event);
}

void CToolWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Not when the window system shows it again (after minimising).
    if (!settingSource_ || event->spontaneous())
        return;
    for (CEditorWnd* field : fields_)
        field->setAlphabetMode(settingSource_->AlphabetMode());
}

void CToolWindow::place()
{
    if (!anchor_)
        return;
    QRect frame;
    if (lastPlace_) {
        frame = *lastPlace_;
    } else {
        // Not shown yet, so its frame is not known: taken as wide as the
        // main window's.
        const QRect outer = anchor_->frameGeometry();
        const QRect inner = anchor_->geometry();
        const QSize size =
            this->size().grownBy(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                          outer.right() - inner.right(), outer.bottom() - inner.bottom()));
        const QMenuBar* menuBar = anchor_->menuBar();
        const QRect bar(menuBar->mapToGlobal(QPoint(0, 0)), menuBar->size());
        const QScreen* screen = anchor_->screen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : outer;
        frame =
            ToQRect(PlaceToolWindow({size.width(), size.height()}, ToRect(outer), ToRect(bar), ToRect(area)));
    }
    // Wholly on the screen that shows its middle, or on the main window's.
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = anchor_->screen();
    if (screen != nullptr)
        frame = ToQRect(FitInside(ToRect(frame), ToRect(screen->availableGeometry())));
    move(frame.topLeft());
}

void CToolWindow::hideEvent(QHideEvent* event)
{
    // Kept for the session: the next showing opens it here again.
    lastPlace_ = frameGeometry();
    QWidget::hideEvent(event);
}

void CToolWindow::mousePressEvent(QMouseEvent* event)
{
    update();
    event->accept();
}

bool CToolWindow::mainEditorReady(const CEditorWnd& mainEditor)
{
    if (!mainEditor.InputPending())
        return true;
    emit mainEditorUsed(UiText(texts::kFinishPendingFirst));
    return false;
}

} // namespace velmora
