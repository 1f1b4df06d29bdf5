#include "core/view/CFSignFont.h"

#include "platform/FontFactory.h"
#include "platform/Settings.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace velmora {

namespace {

constexpr int kBold = 700;
constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::uint8_t kTrueTypePrecision = 4;
constexpr std::uint8_t kTrueTypeOnlyPrecision = 7;
constexpr std::uint8_t kVariablePitchRoman = 0x12;

// attributes with the height and width scaled by percent; a size of 0 (the
// platform's choice) stays 0, any other keeps its sign and at least 1 pixel.
FontAttributes Zoomed(FontAttributes attributes, int percent)
{
    const auto scale = [percent](int size) {
        if (size == 0 || percent == 100)
            return size;
        const long long scaled = (std::llabs(size) * percent + 50) / 100;
        const int magnitude = int(std::clamp<long long>(scaled, 1, 10000));
        return size < 0 ? -magnitude : magnitude;
    };
    attributes.height = scale(attributes.height);
    attributes.width = scale(attributes.width);
    return attributes;
}

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

FontAttributes CFSignFont::unzoomedSign() const
{
    return useChosenSignFont_ ? signAttributes_ : DefaultSignFont(ConfiguredFaceName());
}

FontAttributes CFSignFont::unzoomedText() const
{
    return useChosenTextFont_ ? textAttributes_ : DefaultTextFont();
}

std::shared_ptr<const EditorFontPair> CFSignFont::Fonts() const
{
    if (fonts_)
        return fonts_;
    std::unique_ptr<Font> sign;
    if (!useChosenSignFont_ || signAttributesValid_)
        sign = factory_.createFont(Zoomed(unzoomedSign(), zoomPercent()));
    std::unique_ptr<Font> text;
    if (!useChosenTextFont_ || textAttributesValid_)
        text = factory_.createFont(Zoomed(unzoomedText(), zoomPercent()));
    fonts_ = std::make_shared<const EditorFontPair>(std::move(sign), std::move(text));
    return fonts_;
}

std::optional<FontAttributes> CFSignFont::CurrentSignFontAttributes() const
{
    if (zoomStep_ != kUnzoomedStep) {
        // The zoom is for this session; the dialog offers the size kept.
        if (useChosenSignFont_ && !signAttributesValid_)
            return std::nullopt;
        const std::unique_ptr<Font> unzoomed = factory_.createFont(unzoomedSign());
        if (!unzoomed)
            return std::nullopt;
        return unzoomed->attributes();
    }
    const auto fonts = Fonts();
    if (!fonts->sign())
        return std::nullopt;
    return fonts->sign()->attributes();
}

bool CFSignFont::SetZoomStep(std::size_t step)
{
    if (step == zoomStep_ || step >= std::size(kZoomPercents))
        return false;
    zoomStep_ = step;
    fonts_.reset();
    return true;
}

bool CFSignFont::ZoomIn()
{
    return SetZoomStep(zoomStep_ + 1);
}

bool CFSignFont::ZoomOut()
{
    return zoomStep_ > 0 && SetZoomStep(zoomStep_ - 1);
}

bool CFSignFont::ResetZoom()
{
    return SetZoomStep(kUnzoomedStep);
}

void CFSignFont::ChooseSignFont(const FontAttributes& attributes)
{
    signAttributes_ = attributes;
    signAttributesValid_ = true;
    useChosenSignFont_ = true;
    zoomStep_ = kUnzoomedStep;
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
