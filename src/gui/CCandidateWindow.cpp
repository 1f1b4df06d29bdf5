#include "gui/CCandidateWindow.h"

#include "core/commands/WindowPlacement.h"
#include "qt/QtGeometry.h"
#include "qt/QtText.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace velmora {

namespace {

// Space around the rows, between the columns and above and below a row's
// text; the gap between the caret's row and the window.
constexpr int kMargin = 4;
constexpr int kColumnGap = 12;
constexpr int kRowPadding = 2;
constexpr int kCaretGap = 2;

QString SignText(const std::vector<std::uint32_t>& signs)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(signs.data()), qsizetype(signs.size()));
}

} // namespace

CCandidateWindow::CCandidateWindow(QWidget* editor)
    : QWidget(editor, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("candidateWindow"));
    // Shown without being activated and never focused: the keys stay with
    // the editor.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    readingFont_ = font();
    readingFont_.setPointSizeF(readingFont_.pointSizeF() * 1.2);
    nameFont_ = font();
}

void CCandidateWindow::showList(const CandidateList& list, const QRect& caretRow, const QFont& signFont,
                                const QRect& view)
{
    if (list.empty()) {
        hide();
        return;
    }
    list_ = list;
    signFont_ = signFont;
    signFont_.setPixelSize(
        std::min(signFont.pixelSize() > 0 ? signFont.pixelSize() : kSignPixels, kSignPixels));
    signFont_.setStretch(QFont::Unstretched);
    layoutRows();

    const int width =
        kMargin * 2 + readingWidth_ + kColumnGap + signsWidth_ + kColumnGap + namesWidth_ + kColumnGap / 2;
    const int height = kMargin * 2 + rowHeight_ * int(list_.rows.size()) + footerHeight_;
    const QScreen* screen = QGuiApplication::screenAt(caretRow.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect room =
        screen != nullptr ? screen->availableGeometry() : QRect(caretRow.topLeft(), QSize(width, height));

    int x = std::min(caretRow.left(), room.right() + 1 - width);
    x = std::max(x, room.left());
    const int y = ListTop(ToRect(caretRow), height, kCaretGap, ToRect(view), ToRect(room));
    setGeometry(x, y, width, height);
    update();
    show();
}

void CCandidateWindow::layoutRows()
{
    const QFontMetrics reading(readingFont_);
    const QFontMetrics signs(signFont_);
    const QFontMetrics names(nameFont_);
    readingWidth_ = 0;
    signsWidth_ = 0;
    namesWidth_ = 0;
    for (const CandidateList::Row& row : list_.rows) {
        readingWidth_ = std::max(readingWidth_, reading.horizontalAdvance(FromUtf8(row.reading)));
        signsWidth_ = std::max(signsWidth_, signs.horizontalAdvance(SignText(row.signs)));
        namesWidth_ = std::max(namesWidth_, names.horizontalAdvance(FromUtf8(row.names)));
    }
    namesWidth_ = std::max(namesWidth_, names.horizontalAdvance(placeText()));
    // Sign faces leave much room above and below their signs (their line
    // height is about twice the size); the signs themselves fit a row a
    // little higher than the pixel size.
    const int signRow = signFont_.pixelSize() + signFont_.pixelSize() / 4;
    rowHeight_ = std::max({reading.height(), signRow, names.height()}) + kRowPadding * 2;
    footerHeight_ = names.height() + kRowPadding;
}

QString CCandidateWindow::placeText() const
{
    return QStringLiteral("%1/%2").arg(list_.current + 1).arg(list_.count);
}

QRect CCandidateWindow::rowRect(int candidate) const
{
    const int row = candidate - list_.first;
    if (row < 0 || row >= int(list_.rows.size()))
        return {};
    return QRect(0, kMargin + row * rowHeight_, width(), rowHeight_);
}

int CCandidateWindow::candidateAt(QPoint point) const
{
    if (point.x() < 0 || point.x() >= width() || point.y() < kMargin)
        return -1;
    const int row = (point.y() - kMargin) / rowHeight_;
    return row < int(list_.rows.size()) ? list_.first + row : -1;
}

void CCandidateWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    painter.fillRect(rect(), colors.base());
    painter.setPen(colors.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const int readingX = kMargin;
    const int signsX = readingX + readingWidth_ + kColumnGap;
    const int namesX = signsX + signsWidth_ + kColumnGap;
    for (int i = 0; i < int(list_.rows.size()); ++i) {
        const CandidateList::Row& row = list_.rows[std::size_t(i)];
        const QRect line = rowRect(list_.first + i).adjusted(1, 0, -1, 0);
        const bool current = list_.first + i == list_.current;
        if (current)
            painter.fillRect(line, colors.highlight());
        const QColor text = colors.color(current ? QPalette::HighlightedText : QPalette::Text);
        const auto column = [&](int x, int w, const QFont& font, const QString& s, const QColor& color) {
            painter.setFont(font);
            painter.setPen(color);
            painter.drawText(QRect(x, line.top(), w, line.height()), Qt::AlignLeft | Qt::AlignVCenter, s);
        };
        column(readingX, readingWidth_, readingFont_, FromUtf8(row.reading), text);
        column(signsX, signsWidth_, signFont_, SignText(row.signs), text);
        column(namesX, namesWidth_, nameFont_, FromUtf8(row.names),
               current ? text : colors.color(QPalette::PlaceholderText));
    }
    painter.setFont(nameFont_);
    painter.setPen(colors.color(QPalette::PlaceholderText));
    painter.drawText(QRect(kMargin, height() - kMargin - footerHeight_, width() - kMargin * 2, footerHeight_),
                     Qt::AlignRight | Qt::AlignVCenter, placeText());
}

void CCandidateWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const int candidate = candidateAt(event->position().toPoint());
    if (candidate >= 0)
        emit candidateClicked(candidate);
}

void CCandidateWindow::keyPressEvent(QKeyEvent* event)
{
    QCoreApplication::sendEvent(parentWidget(), event);
}

void CCandidateWindow::keyReleaseEvent(QKeyEvent* event)
{
    QCoreApplication::sendEvent(parentWidget(), event);
}

} // namespace velmora
