#pragma once

#include "core/view/EditorFontPair.h"
#include "platform/FontAttributes.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class FontFactory;
class Settings;
class Window;

// The process-wide description of the two fonts every editor draws with:
// the sign font (face named by the settings, or the font chosen by the user)
// and the text font for everything below U+10000. The fonts are made once,
// when first needed, and again after the user chooses a font or zooms; so
// the settings are read then, never for a key or a paint.
//
// Zoom scales both fonts for the rest of the session (nothing of it is
// kept): in steps from kZoomPercents' first to its last, 100 being the
// chosen size. Choosing a font shows it at its own size again.
class CFSignFont {
public:
    // Where the settings name the sign font's face, and the face used when
    // they do not.
    static constexpr std::string_view kSection = "SignFont";
    static constexpr std::string_view kNameKey = "Name";
    static constexpr std::string_view kDefaultFace = "Akkadian";
    // The zoom steps, in percent of the chosen size.
    static constexpr int kZoomPercents[] = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

    // Nothing chosen yet: both attribute records invalid, both built-in
    // fonts in use.
    CFSignFont(FontFactory& factory, const Settings& settings);

    // The sign font and the text font. The sign font is the chosen one once
    // a font has been chosen, else 50 x 50 bold in the face the settings
    // name when the fonts are made; the text font is 20 x 14 bold in the
    // default face. A font that cannot be created is null. The pair stays
    // valid for whoever holds it, also after a new font has been chosen.
    std::shared_ptr<const EditorFontPair> Fonts() const;

    // The attributes of a live sign font as the platform made it, at the
    // chosen size whatever the zoom, to start the font dialog from; nothing
    // when no sign font can be created.
    std::optional<FontAttributes> CurrentSignFontAttributes() const;
    // The user confirmed a font: every editor measures and draws signs in it
    // from the next paint on, until the program ends. (Cancelling changes nothing, so
    // there is nothing to call.)
    void ChooseSignFont(const FontAttributes& attributes);
    // The same for the text font; the program offers no such choice, so the
    // built-in text font is in use unless this is called.
    void ChooseTextFont(const FontAttributes& attributes);

    // One zoom step larger or smaller, or back to the chosen size. False,
    // changing nothing, at the end of the steps (or at the chosen size).
    bool ZoomIn();
    bool ZoomOut();
    bool ResetZoom();
    // The zoom in percent of the chosen size.
    int zoomPercent() const { return kZoomPercents[zoomStep_]; }

    // The built-in fonts.
    static FontAttributes DefaultSignFont(std::string faceName);
    static FontAttributes DefaultTextFont();
    // The sign font's face as the settings name it now.
    std::string ConfiguredFaceName() const;

    const FontAttributes& signAttributes() const { return signAttributes_; }
    bool signAttributesValid() const { return signAttributesValid_; }
    const FontAttributes& textAttributes() const { return textAttributes_; }
    bool textAttributesValid() const { return textAttributesValid_; }
    bool useChosenSignFont() const { return useChosenSignFont_; }
    bool useChosenTextFont() const { return useChosenTextFont_; }

    // The main window, owner of the font dialog.
    Window* owner() const { return owner_; }
    void setOwner(Window* owner) { owner_ = owner; }

private:
    FontFactory& factory_;
    const Settings& settings_;
    FontAttributes signAttributes_;
    bool signAttributesValid_ = false;
    FontAttributes textAttributes_;
    bool textAttributesValid_ = false;
    Window* owner_ = nullptr;
    bool useChosenSignFont_ = false;
    bool useChosenTextFont_ = false;
    std::size_t zoomStep_ = kUnzoomedStep;
    static constexpr std::size_t kUnzoomedStep = 4;
    static_assert(kZoomPercents[kUnzoomedStep] == 100);

    // The fonts as chosen, or as the settings name them, before the zoom.
    FontAttributes unzoomedSign() const;
    FontAttributes unzoomedText() const;
    bool SetZoomStep(std::size_t step);
    // Made on first use; dropped when a font is chosen.
    mutable std::shared_ptr<const EditorFontPair> fonts_;
};

} // namespace velmora
