#include "qt/QtSurface.h"

#include "qt/QtFont.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRect>
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
template <class Advance, class Place>
int layOut(const QFontMetrics& metrics, std::u16string_view text, Advance advance, Place place)
{
    int x = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t nul = text.find(u'\0', start);
        if (nul == std::u16string_view::npos)
            nul = text.size();
        if (nul > start) {
            const std::u16string_view stretch = text.substr(start, nul - start);
            place(x, stretch);
            x += advance(stretch);
        }
        if (nul < text.size())
            x += metrics.averageCharWidth();
        start = nul + 1;
    }
    return x;
}

} // namespace

QtSurface::QtSurface(QPainter& painter, QWidget* widget, std::optional<Rect> area)
    : painter_(&painter)
    , widget_(widget)
    , area_(area)
{
}

QtSurface::QtSurface(QWidget* widget) : widget_(widget)
{
}

QColor QtSurface::toQColor(ColorRef color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QString QtSurface::toQString(std::u16string_view units)
{
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

QPaintDevice* QtSurface::device() const
{
    return painter_ ? painter_->device() : widget_.data();
}

const QtSurface::FontUse& QtSurface::use(const Font* font)
{
    if (!fonts_.empty() && fonts_.front().font == font)
        return fonts_.front();
    for (auto it = fonts_.begin(); it != fonts_.end(); ++it) {
        if (it->font == font) {
            std::rotate(fonts_.begin(), it, it + 1);
            return fonts_.front();
        }
    }
    const auto* qtFont = dynamic_cast<const QtFont*>(font);
    QFont qfont = qtFont ? qtFont->qfont() : systemFont(widget_);
    QFontMetrics metrics(qfont, device());
    fonts_.insert(fonts_.begin(), FontUse{font, qtFont, std::move(qfont), std::move(metrics)});
    return fonts_.front();
}

int QtSurface::advance(const FontUse& used, std::u16string_view stretch)
{
    if (used.qtFont)
        return used.qtFont->shaped(stretch, device()).advance;
    return used.metrics.horizontalAdvance(toQString(stretch));
}

Size QtSurface::textExtent(const Font* font, std::u16string_view units)
{
    const FontUse& used = use(font);
    const int width = layOut(
        used.metrics, units, [&](std::u16string_view stretch) { return advance(used, stretch); },
        [](int, std::u16string_view) {});
    return Size{width, used.metrics.height()};
}

void QtSurface::textOut(Point at, const Font* font, std::u16string_view units, const TextColors& colors)
{
    if (!painter_)
        return;
    const FontUse& used = use(font);
    if (colors.opaque)
        painter_->fillRect(QRect(at.x, at.y, textExtent(font, units).cx, used.metrics.height()),
                           toQColor(colors.background));
    if (painterColor_ != colors.text) {
        painter_->setPen(toQColor(colors.text));
        painterColor_ = colors.text;
    }
    const int baseline = at.y + used.metrics.ascent();
    // A stretch followed by nothing needs no advance.
    const auto advanceTo = [&](std::u16string_view stretch) {
        return stretch.data() + stretch.size() == units.data() + units.size() ? 0 : advance(used, stretch);
    };
    layOut(used.metrics, units, advanceTo, [&](int offset, std::u16string_view stretch) {
        if (used.qtFont) {
            // The glyphs Qt's own text drawing would put down, shaped once.
            for (const QGlyphRun& run : used.qtFont->shaped(stretch, painter_->device()).glyphs)
                painter_->drawGlyphRun(QPointF(at.x + offset, baseline), run);
            return;
        }
        if (!painterFontSet_ || painterFont_ != font) {
            painter_->setFont(used.qfont);
            painterFont_ = font;
            painterFontSet_ = true;
        }
        painter_->drawText(QPoint(at.x + offset, baseline), toQString(stretch));
    });
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

Rect QtSurface::area() const
{
    if (area_)
        return *area_;
    if (const QPaintDevice* whole = device())
        return Rect{0, 0, whole->width(), whole->height()};
    return Rect{};
}

} // namespace velmora
