#include "tests/support/FakeSurface.h"

#include "platform/Font.h"

#include <cstdlib>

namespace velmora {

namespace {

constexpr int kSystemFontHeight = 16;
constexpr int kSystemFontWidth = 8;

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

} // namespace

FakeSurface::FakeSurface(std::shared_ptr<SurfaceRecording> recording)
    : recording_(recording ? std::move(recording) : std::make_shared<SurfaceRecording>())
{
}

void FakeSurface::selectFont(const Font* font)
{
    if (font)
        font_ = font->attributes();
    else
        font_.reset();
    recording_->calls.push_back(SelectFontCall{font_});
}

Size FakeSurface::measure(std::u16string_view units) const
{
    int h = kSystemFontHeight;
    int w = kSystemFontWidth;
    if (font_) {
        h = std::abs(font_->height);
        w = font_->width != 0 ? std::abs(font_->width) : h / 2;
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

Size FakeSurface::textExtent(std::u16string_view units)
{
    const Size size = measure(units);
    recording_->calls.push_back(TextExtentCall{std::u16string(units), font_, size});
    return size;
}

void FakeSurface::textOut(int x, int y, std::u16string_view units)
{
    recording_->calls.push_back(TextOutCall{x, y, std::u16string(units), font_, color_, transparent_});
}

void FakeSurface::setTextColor(ColorRef color)
{
    color_ = color;
    recording_->calls.push_back(SetTextColorCall{color});
}

void FakeSurface::setBackgroundTransparent(bool transparent)
{
    transparent_ = transparent;
    recording_->calls.push_back(SetBackgroundCall{transparent});
}

void FakeSurface::rectangle(const Rect& rect, const Pen& pen, const Brush& brush)
{
    recording_->calls.push_back(RectangleCall{rect, pen, brush});
}

int FakeSurface::screenHeight() const
{
    return recording_->screenHeight;
}

} // namespace velmora
