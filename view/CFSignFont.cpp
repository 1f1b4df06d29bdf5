#include "view/CFSignFont.h"

#include "platform/FontFactory.h"
#include "platform/Settings.h"

#include <utility>

namespace velmora {

namespace {

constexpr int kBold = 700;
constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::uint8_t kTrueTypePrecision = 4;
constexpr std::uint8_t kTrueTypeOnlyPrecision = 7;
constexpr std::uint8_t kVariablePitchRoman = 0x12;

} // namespace

CFSignFont::CFSignFont(FontFactory& factory, const Settings& settings)
    : factory_(factory)
    , settings_(settings)
{
}

FontAttributes CFSignFont::DefaultSignFont(std::string faceName)
{
    FontAttributes a;
    a.height = 50;
    a.width = 50;
    a.weight = kBold;
    a.charSet = kDefaultCharSet;
    a.outPrecision = kTrueTypePrecision;
    a.pitchAndFamily = kVariablePitchRoman;
    a.faceName = std::move(faceName);
    return a;
}

FontAttributes CFSignFont::DefaultTextFont()
{
    FontAttributes a;
    a.height = 20;
    a.width = 14;
    a.weight = kBold;
    a.charSet = kDefaultCharSet;
    a.outPrecision = kTrueTypeOnlyPrecision;
    a.pitchAndFamily = kVariablePitchRoman;
    return a;
}

std::string CFSignFont::ConfiguredFaceName() const
{
    return settings_.readString(kSection, kNameKey, kDefaultFace);
}

std::shared_ptr<const EditorFontPair> CFSignFont::Fonts() const
{
    if (fonts_)
        return fonts_;
    std::unique_ptr<Font> sign;
    if (useChosenSignFont_) {
        if (signAttributesValid_)
            sign = factory_.createFont(signAttributes_);
    } else {
        sign = factory_.createFont(DefaultSignFont(ConfiguredFaceName()));
    }
    std::unique_ptr<Font> text;
    if (useChosenTextFont_) {
        if (textAttributesValid_)
            text = factory_.createFont(textAttributes_);
    } else {
        text = factory_.createFont(DefaultTextFont());
    }
    fonts_ = std::make_shared<const EditorFontPair>(std::move(sign), std::move(text));
    return fonts_;
}

std::optional<FontAttributes> CFSignFont::CurrentSignFontAttributes() const
{
    const auto fonts = Fonts();
    if (!fonts->sign())
        return std::nullopt;
    return fonts->sign()->attributes();
}

void CFSignFont::ChooseSignFont(const FontAttributes& attributes)
{
    signAttributes_ = attributes;
    signAttributesValid_ = true;
    useChosenSignFont_ = true;
    fonts_.reset();
}

void CFSignFont::ChooseTextFont(const FontAttributes& attributes)
{
    textAttributes_ = attributes;
    textAttributesValid_ = true;
    useChosenTextFont_ = true;
    fonts_.reset();
}

} // namespace velmora
