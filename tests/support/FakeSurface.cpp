#include "tests/support/FakeSurface.h"

#include "platform/Font.h"

#include <cstdlib>

namespace velmora {

namespace {

constexpr int kSystemFontHeight = 16;
constexpr int kSystemFontWidth = 8;

bool IsHigh(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

std::optional<FontAttributes> AttributesOf(const Font* font)
{
    if (!font)
        return std::nullopt;
    return font->attributes();
}

} // namespace

FakeSurface::FakeSurface(std::shared_ptr<SurfaceRecording> recording, Rect area)
    : recording_(recording ? std::move(recording) : std::make_shared<SurfaceRecording>())
    , area_(area)
{
}

Size FakeSurface::measure(const std::optional<FontAttributes>& font, std::u16string_view units) const
{
    int h = kSystemFontHeight;
    int w = kSystemFontWidth;
    if (font) {
        h = std::abs(font->height);
        w = font->width != 0 ? std::abs(font->width) : h / 2;
    }
    int cx = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t glyph = units[i];
        if (IsHigh(units[i]) && i + 1 < units.size() && IsLow(units[i + 1])) {
            glyph = 0x10000 + ((char32_t(units[i]) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00);
            ++i;
        }
        const auto found = recording_->glyphWidths.find(glyph);
        cx += found != recording_->glyphWidths.end() ? found->second : w;
    }
    return {cx, h};
}

Size FakeSurface::textExtent(const Font* font, std::u16string_view units)
{
    const std::optional<FontAttributes> attributes = AttributesOf(font);
    const Size size = measure(attributes, units);
    recording_->calls.push_back(TextExtentCall{std::u16string(units), attributes, size});
    return size;
}

void FakeSurface::textOut(Point at, const Font* font, std::u16string_view units, const TextColors& colors)
{
    recording_->calls.push_back(TextOutCall{at.x, at.y, std::u16string(units), AttributesOf(font),
                                            colors.text, !colors.opaque, colors.background});
}

void FakeSurface::rectangle(const Rect& rect, const Pen& pen, const Brush& brush)
{
    recording_->calls.push_back(RectangleCall{rect, pen, brush});
}

} // namespace velmora
