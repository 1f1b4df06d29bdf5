#include "platform/qt/QtSurface.h"

#include "platform/qt/QtFont.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

QFont systemFont(const QWidget* widget)
{
    return widget ? widget->font() : QGuiApplication::font();
}

// Lays out a run: each stretch between NUL units goes to place with its x
// offset from the start; a NUL unit takes the average character width. The
// result is the width of the whole run.
template <class Place>
int layOut(const QFontMetrics& metrics, const QString& text, Place place)
{
    int x = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype nul = text.indexOf(QChar(0), start);
        if (nul < 0)
            nul = text.size();
        if (nul > start) {
            const QString stretch = text.mid(start, nul - start);
            place(x, stretch);
            x += metrics.horizontalAdvance(stretch);
        }
        if (nul < text.size())
            x += metrics.averageCharWidth();
        start = nul + 1;
    }
    return x;
}

} // namespace

QtSurface::QtSurface(QPainter& painter, QWidget* widget)
    : painter_(&painter), widget_(widget), font_(systemFont(widget))
{
}

QtSurface::QtSurface(QWidget* widget) : widget_(widget), font_(systemFont(widget)) {}

QColor QtSurface::toQColor(ColorRef color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QString QtSurface::toQString(std::u16string_view units)
{
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

void QtSurface::selectFont(const Font* font)
{
    const auto* qtFont = dynamic_cast<const QtFont*>(font);
    font_ = qtFont ? qtFont->qfont() : systemFont(widget_);
    metrics_.reset();
}

const QFontMetrics& QtSurface::metrics()
{
    if (!metrics_) {
        const QPaintDevice* device = painter_ ? painter_->device() : widget_.data();
        metrics_.emplace(font_, device);
    }
    return *metrics_;
}

int QtSurface::advance(const QString& text)
{
    return layOut(metrics(), text, [](int, const QString&) {});
}

Size QtSurface::textExtent(std::u16string_view units)
{
    return Size{advance(toQString(units)), metrics().height()};
}

void QtSurface::textOut(int x, int y, std::u16string_view units)
{
    if (!painter_)
        return;
    const QString text = toQString(units);
    const QFontMetrics& fm = metrics();
    if (!transparent_)
        painter_->fillRect(QRect(x, y, advance(text), fm.height()), toQColor(backgroundColor_));
    painter_->setFont(font_);
    painter_->setPen(toQColor(textColor_));
    const int baseline = y + fm.ascent();
    layOut(fm, text, [&](int offset, const QString& stretch) {
        painter_->drawText(QPoint(x + offset, baseline), stretch);
    });
}

void QtSurface::setTextColor(ColorRef color)
{
    textColor_ = color;
}

void QtSurface::setBackgroundTransparent(bool transparent)
{
    transparent_ = transparent;
}

void QtSurface::setBackgroundColor(ColorRef color)
{
    backgroundColor_ = color;
}

void QtSurface::rectangle(const Rect& rect, const Pen& pen, const Brush& brush)
{
    if (!painter_)
        return;
    const int left = std::min(rect.left, rect.right);
    const int right = std::max(rect.left, rect.right);
    const int top = std::min(rect.top, rect.bottom);
    const int bottom = std::max(rect.top, rect.bottom);
    const int width = right - left;
    const int height = bottom - top;
    if (width == 0 || height == 0)
        return;
    painter_->fillRect(QRect(left, top, width, height), toQColor(brush.color));
    if (!pen.visible || pen.width <= 0)
        return;
    // The outline lies inside the rectangle.
    const QColor outline = toQColor(pen.color);
    const int thickX = std::min(pen.width, width);
    const int thickY = std::min(pen.width, height);
    painter_->fillRect(QRect(left, top, width, thickY), outline);
    painter_->fillRect(QRect(left, bottom - thickY, width, thickY), outline);
    painter_->fillRect(QRect(left, top, thickX, height), outline);
    painter_->fillRect(QRect(right - thickX, top, thickX, height), outline);
}

int QtSurface::screenHeight() const
{
    const QScreen* screen = widget_ ? widget_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

} // namespace velmora
