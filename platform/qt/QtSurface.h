#pragma once

#include "platform/Surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QString>

#include <optional>
#include <string_view>

class QPainter;
class QWidget;

namespace velmora {

// A Surface over a QPainter during a paint cycle, or a measuring surface that
// draws nothing. Fonts are QtFonts (any other Font counts as the system
// font). Text is measured with QFontMetrics: a run is as wide as its
// horizontal advance and as high as the font's cell (ascent + descent); a NUL
// unit, which has no glyph, counts the font's average character width and
// draws nothing. Like a fresh device context it starts with black text on an
// opaque white background.
class QtSurface : public Surface {
public:
    // Draws with painter, which must stay active while the surface is used.
    // The screen is the widget's (the primary screen when widget is null).
    explicit QtSurface(QPainter& painter, QWidget* widget = nullptr);
    // Measures for the widget (the primary screen when null); draws nothing.
    explicit QtSurface(QWidget* widget = nullptr);

    void selectFont(const Font* font) override;
    Size textExtent(std::u16string_view units) override;
    void textOut(int x, int y, std::u16string_view units) override;
    void setTextColor(ColorRef color) override;
    void setBackgroundTransparent(bool transparent) override;
    void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    int screenHeight() const override;

    // The colour that opaque text cells are filled with; white at start.
    void setBackgroundColor(ColorRef color);
    bool drawing() const { return painter_ != nullptr; }

    static QColor toQColor(ColorRef color);
    // The units as they are, lone surrogates and NULs included.
    static QString toQString(std::u16string_view units);

private:
    const QFontMetrics& metrics();
    // Width of a run in the current font, NUL units counted as average
    // characters.
    int advance(const QString& text);

    QPainter* painter_ = nullptr;
    QPointer<QWidget> widget_;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    ColorRef textColor_ = kBlack;
    ColorRef backgroundColor_ = kWhite;
    bool transparent_ = false;
};

} // namespace velmora
