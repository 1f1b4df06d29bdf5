#pragma once

#include "platform/FontAttributes.h"
#include "platform/Surface.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

// What a FakeSurface was asked to do, one entry per call, in order. The font
// of a call is recorded as its attributes (nothing for the system font), so
// the record stays valid after the fonts are gone.
struct TextExtentCall {
    std::u16string units;
    std::optional<FontAttributes> font;
    Size result;
};
struct TextOutCall {
    int x = 0;
    int y = 0;
    std::u16string units;
    std::optional<FontAttributes> font;
    ColorRef color = kBlack;
    bool transparent = true;
    ColorRef background = kWhite;
};
struct RectangleCall {
    Rect rect;
    Pen pen;
    Brush brush;
};

using SurfaceCall = std::variant<TextExtentCall, TextOutCall, RectangleCall>;

// The recording and the metric settings shared by every FakeSurface made
// from it (a FakeWindow's surfaces share one).
struct SurfaceRecording {
    std::vector<SurfaceCall> calls;

    // Width overrides by code point (a surrogate pair counts as its code
    // point, a NUL unit as 0), applied in every font.
    std::map<char32_t, int> glyphWidths;

    // The calls of one kind, in order.
    template <class Call>
    std::vector<Call> callsOf() const
    {
        std::vector<Call> out;
        for (const auto& call : calls)
            if (const auto* c = std::get_if<Call>(&call))
                out.push_back(*c);
        return out;
    }
    std::vector<TextOutCall> textOuts() const { return callsOf<TextOutCall>(); }
    std::vector<RectangleCall> rectangles() const { return callsOf<RectangleCall>(); }
    std::size_t extentCount() const { return callsOf<TextExtentCall>().size(); }
    void clear() { calls.clear(); }
};

// A drawing surface with fixed metrics that records every call.
//
// Metrics. Let the font of a call have attributes height h and width w
// (w = 0 stands for |h| / 2, rounded down); a null font is the system font,
// which measures as h = 16, w = 8.
//  - The height of every run, the empty run included, is |h|.
//  - The width of a run is the sum of its glyphs: a surrogate pair (a high
//    unit D800-DBFF directly followed by a low unit DC00-DFFF) is one glyph;
//    every other unit, a NUL unit or a lone surrogate included, is one glyph.
//  - A glyph measures w unless SurfaceRecording::glyphWidths names its code
//    point, in which case it measures that width in every font.
// So in the editor's default fonts (sign 50 x 50, text 20 x 14) a sign is 50
// wide and 50 high, a Latin letter 14 wide, a subscript digit with its NUL
// unit 28.
// The area drawn on is (0, 0)-(800, 600) unless given.
class FakeSurface : public Surface {
public:
    explicit FakeSurface(std::shared_ptr<SurfaceRecording> recording = nullptr, Rect area = {0, 0, 800, 600});

    Size textExtent(const Font* font, std::u16string_view units) override;
    void textOut(Point at, const Font* font, std::u16string_view units, const TextColors& colors) override;
    void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    Rect area() const override { return area_; }

    SurfaceRecording& recording() { return *recording_; }
    const SurfaceRecording& recording() const { return *recording_; }
    std::shared_ptr<SurfaceRecording> sharedRecording() const { return recording_; }

private:
    Size measure(const std::optional<FontAttributes>& font, std::u16string_view units) const;

    std::shared_ptr<SurfaceRecording> recording_;
    Rect area_;
};

} // namespace velmora
