#pragma once

#include "platform/Font.h"
#include "platform/FontAttributes.h"

#include <QFont>

namespace velmora {

// A font made by QtFontFactory: the QFont to paint with and the attributes it
// was made from.
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

    // Attributes that recreate a QFont from elsewhere, such as the choice of
    // a font dialog: its face, its pixel size as character height, weight and
    // style; no stretch.
    static FontAttributes describe(const QFont& font);

private:
    QFont font_;
    FontAttributes requested_;
};

} // namespace velmora
