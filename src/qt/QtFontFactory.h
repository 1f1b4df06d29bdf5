#pragma once

#include "platform/FontFactory.h"
#include "qt/QtFont.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace velmora {

// Makes QFonts from font attributes.
//
// - Face: the named family, or the application's default font when the name
//   is empty; a missing family falls back by Qt's substitution.
// - Height: a positive height is the cell height (ascent + descent) in
//   pixels, met as closely as the face allows without exceeding it; a
//   negative height is the character (em) height in pixels; 0 keeps the
//   default size.
// - Width: a positive width is the average character width in pixels,
//   reached by stretching the face horizontally; 0 keeps its natural width.
// - Weight on the 100-900 scale (0 is normal), italic, underline, strike-out.
//   Escapement, orientation, character set, precision, quality and pitch do
//   not apply to Qt fonts and are only carried along.
//
// Creating the factory registers "Noto Sans Cuneiform" as a substitute of the
// "Akkadian" face, so signs show on a machine without that font.
class QtFontFactory : public FontFactory {
public:
    QtFontFactory();

    std::unique_ptr<Font> createFont(const FontAttributes& attributes) override;
    std::unique_ptr<QtFont> createQtFont(const FontAttributes& attributes);

    // Registers the substitute families for the cuneiform faces (once).
    static void installCuneiformSubstitutes();

private:
    struct Fitted {
        int pixelSize = 0; // 0: keep the default size
        int stretch = 0;   // 0: natural width
    };
    using Key = std::tuple<std::string, int, int, int, bool>;

    Fitted fit(const QFont& base, const FontAttributes& attributes) const;

    // Sizes found before: finding the pixel size of a cell height measures
    // the face several times.
    std::map<Key, Fitted> fitted_;
};

} // namespace velmora
