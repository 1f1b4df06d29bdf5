#pragma once

#include "document/EditorFonts.h"
#include "platform/Font.h"

#include <memory>

namespace velmora {

// The sign font and the text font of one paint, mouse press or scroll
// adjustment, owned: both are released when the pair goes, so no font lives
// from one event to the next. Select the system font back into any surface
// that still has one of them selected before the pair goes. Either font may
// be null (none could be created).
class EditorFontPair {
public:
    EditorFontPair() = default;
    EditorFontPair(std::unique_ptr<Font> sign, std::unique_ptr<Font> text);

    EditorFontPair(EditorFontPair&&) noexcept = default;
    EditorFontPair& operator=(EditorFontPair&&) noexcept = default;
    EditorFontPair(const EditorFontPair&) = delete;
    EditorFontPair& operator=(const EditorFontPair&) = delete;

    const Font* sign() const { return sign_.get(); }
    const Font* text() const { return text_.get(); }

    // The pair as the layout operations take it; valid while the pair lives.
    EditorFonts fonts() const { return {sign_.get(), text_.get()}; }
    operator EditorFonts() const { return fonts(); }

private:
    std::unique_ptr<Font> sign_;
    std::unique_ptr<Font> text_;
};

} // namespace velmora
