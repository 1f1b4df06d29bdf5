#pragma once

#include "platform/Surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

class QPainter;
class QWidget;

namespace velmora {

class QtFont;

// A Surface over a QPainter during a paint cycle, or a measuring surface that
// draws nothing. Fonts are QtFonts (any other Font counts as the system
// font). Text is measured with QFontMetrics: a run is as wide as its
// horizontal advance and as high as the font's cell (ascent + descent); a NUL
// unit, which has no glyph, counts the font's average character width and
// draws nothing. The area is the painter's device, or the widget.
class QtSurface : public Surface {
public:
    // Draws with painter, which must stay active while the surface is used
    // and whose font and pen only the surface sets meanwhile; the system
    // font is the widget's (the application's when null).
    // The area is the painter's device, or the part of it given.
    explicit QtSurface(QPainter& painter, QWidget* widget = nullptr, std::optional<Rect> area = std::nullopt);
    // Measures for the widget (the screen's resolution when null); draws
    // nothing.
    explicit QtSurface(QWidget* widget = nullptr);

    Size textExtent(const Font* font, std::u16string_view units) override;
    void textOut(Point at, const Font* font, std::u16string_view units, const TextColors& colors) override;
    void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    Rect area() const override;

    bool drawing() const { return painter_ != nullptr; }

    static QColor toQColor(ColorRef color);
    // The units as they are, lone surrogates and NULs included.
    static QString toQString(std::u16string_view units);

private:
    // A font as this surface measures and draws it.
    struct FontUse {
        const Font* font;
        const QtFont* qtFont; // null for the system font
        QFont qfont;
        QFontMetrics metrics;
    };
    const FontUse& use(const Font* font);
    QPaintDevice* device() const;
    // The horizontal advance of a stretch of units without NUL units.
    int advance(const FontUse& used, std::u16string_view stretch);

    QPainter* painter_ = nullptr;
    QPointer<QWidget> widget_;
    std::optional<Rect> area_;
    // The few fonts used on this surface; the last one used first.
    std::vector<FontUse> fonts_;
    // The font (for text drawn without glyphs of its own) and the colour
    // last given to the painter.
    const Font* painterFont_ = nullptr;
    bool painterFontSet_ = false;
    std::optional<ColorRef> painterColor_;
};

} // namespace velmora
