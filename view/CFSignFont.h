#pragma once

#include "platform/FontAttributes.h"
#include "view/EditorFontPair.h"

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
// when first needed, and again after the user chooses a font; so the
// settings are read then, never for a key or a paint.
class CFSignFont {
public:
    // Where the settings name the sign font's face, and the face used when
    // they do not.
    static constexpr std::string_view kSection = "SignFont";
    static constexpr std::string_view kNameKey = "Name";
    static constexpr std::string_view kDefaultFace = "Akkadian";

    // Nothing chosen yet: both attribute records invalid, both built-in
    // fonts in use.
    CFSignFont(FontFactory& factory, const Settings& settings);

    // The sign font and the text font. The sign font is the chosen one once
    // a font has been chosen, else 50 x 50 bold in the face the settings
    // name when the fonts are made; the text font is 20 x 14 bold in the
    // default face. A font that cannot be created is null. The pair stays
    // valid for whoever holds it, also after a new font has been chosen.
    std::shared_ptr<const EditorFontPair> Fonts() const;

    // The attributes of a live sign font as the platform made it, to start
    // the font dialog from; nothing when no sign font can be created.
    std::optional<FontAttributes> CurrentSignFontAttributes() const;
    // The user confirmed a font: every editor measures and draws signs in it
    // from the next paint on, until the program ends. (Cancelling changes nothing, so
    // there is nothing to call.)
    void ChooseSignFont(const FontAttributes& attributes);
    // The same for the text font; the program offers no such choice, so the
    // built-in text font is in use unless this is called.
    void ChooseTextFont(const FontAttributes& attributes);

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
    // Made on first use; dropped when a font is chosen.
    mutable std::shared_ptr<const EditorFontPair> fonts_;
};

} // namespace velmora
