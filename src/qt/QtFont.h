#pragma once

#include "platform/Font.h"
#include "platform/FontAttributes.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>

#include <cstdint>
#include <string_view>
#include <unordered_map>

class QPaintDevice;

namespace velmora {

// A font made by QtFontFactory: the QFont to paint with, the attributes it
// was made from, and the glyphs of the texts drawn with it so far.
class QtFont : public Font {
public:
    QtFont(QFont font, FontAttributes requested);

    // The attributes as realised: the face actually used, the cell height
    // (or, for a font asked for by character height, the negative pixel
    // size), the weight and style found. A requested width is kept as the
    // average character width the font was stretched to. Creating a font from
    // these attributes gives this font again.
    FontAttributes attributes() const override;

    const QFont& qfont() const { return font_; }
    const FontAttributes& requested() const { return requested_; }

    // A text as drawing it with this font on a device puts it down: the
    // glyphs as Qt shapes them (fallback fonts included), positioned from a
    // pen at (0, 0) on the baseline, and the horizontal advance.
    struct Shaped {
        QList<QGlyphRun> glyphs;
        int advance = 0;
    };
    // Shaped once per text and resolution for texts of up to three UTF-16
    // units (a cell is one or two), afresh for longer ones.
    Shaped shaped(std::u16string_view text, const QPaintDevice* device) const;

    // Attributes that recreate a QFont from elsewhere, such as the choice of
    // a font dialog: its face, its pixel size as character height, weight and
    // style; no stretch.
    static FontAttributes describe(const QFont& font);

private:
    QFont font_;
    FontAttributes requested_;
    // By resolution, then text (its units packed into one number). The cache
    // is emptied should it ever grow large.
    mutable std::unordered_map<int, std::unordered_map<std::uint64_t, Shaped>> shaped_;
};

} // namespace velmora
