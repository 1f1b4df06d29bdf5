#pragma once

#include "core/view/CellMetrics.h"
#include "core/view/EditorFonts.h"
#include "platform/Font.h"

#include <memory>

namespace velmora {

// The sign font and the text font every editor draws with, owned, together
// with what the layout has measured in them. Either font may be null (none
// could be created); the layout then uses the surface's system font.
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
    CellMetrics& metrics() const { return *metrics_; }

    // The pair as the layout operations take it; valid while the pair lives.
    EditorFonts fonts() const { return {sign_.get(), text_.get(), metrics_.get()}; }
    operator EditorFonts() const { return fonts(); }

private:
    std::unique_ptr<Font> sign_;
    std::unique_ptr<Font> text_;
    std::unique_ptr<CellMetrics> metrics_ = std::make_unique<CellMetrics>();
};

} // namespace velmora
