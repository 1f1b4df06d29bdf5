// The doubles' documented behaviour, which other tests rely on.
#include "tests/support/FakeSurface.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/FakeFont.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MemorySettings.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

FontAttributes Attrs(int height, int width)
{
    FontAttributes a;
    a.height = height;
    a.width = width;
    return a;
}

TEST(FakeSurfaceTest, MeasuresGlyphsByTheFontOfTheCall)
{
    FakeSurface s;
    EXPECT_EQ(s.textExtent(nullptr, u"ab"), (Size{16, 16})); // system font 8 x 16

    FakeFont text(Attrs(20, 14));
    EXPECT_EQ(s.textExtent(&text, u"a"), (Size{14, 20}));
    EXPECT_EQ(s.textExtent(&text, std::u16string(u"\u2083\0", 2)), (Size{28, 20}));
    EXPECT_EQ(s.textExtent(&text, u""), (Size{0, 20}));

    FakeFont sign(Attrs(-50, 0)); // width 0: half the height
    EXPECT_EQ(s.textExtent(&sign, u"\xD808\xDC44"), (Size{25, 50}));
    EXPECT_EQ(s.textExtent(&sign, u"\xD808\xDC44\xD808"), (Size{50, 50})); // lone high unit

    s.recording().glyphWidths[0x12044] = 70;
    s.recording().glyphWidths[U'a'] = 3;
    EXPECT_EQ(s.textExtent(&sign,
                           u"\xD808\xDC44"
                           u"a"),
              (Size{73, 50}));
    EXPECT_EQ(s.recording().callsOf<TextExtentCall>().back().font, sign.attributes());
    EXPECT_EQ(s.area(), (Rect{0, 0, 800, 600}));
}

TEST(FakeSurfaceTest, RecordsFontAndColoursWithEachRun)
{
    FakeWindow window;
    window.setClientSize(300, 200);
    auto surface = window.createSurface();
    EXPECT_EQ(surface->area(), (Rect{0, 0, 300, 200}));
    FakeFont font(Attrs(20, 14));
    surface->textOut({3, 4}, &font, u"ab", TextColors{kBlue});
    surface->rectangle({1, 2, 3, 4}, Pen{false, 1, 0}, Brush{kGray});

    // A second surface of the same window records into the same place.
    window.createSurface()->textOut({0, 0}, nullptr, u"c", TextColors{kBlack, true, kGray});

    const auto runs = window.recording().textOuts();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].x, 3);
    EXPECT_EQ(runs[0].y, 4);
    EXPECT_EQ(runs[0].units, u"ab");
    EXPECT_EQ(runs[0].font, font.attributes());
    EXPECT_EQ(runs[0].color, kBlue);
    EXPECT_TRUE(runs[0].transparent);
    EXPECT_FALSE(runs[1].font.has_value());
    EXPECT_FALSE(runs[1].transparent);
    EXPECT_EQ(runs[1].background, kGray);
    const auto rects = window.recording().rectangles();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{1, 2, 3, 4}));
    EXPECT_FALSE(rects[0].pen.visible);
    EXPECT_EQ(rects[0].brush.color, kGray);
    EXPECT_EQ(window.surfacesCreated(), 2);
}

TEST(FakeDoublesTest, FontFactoryFailsOnRequestAndCountsLiveFonts)
{
    FakeFontFactory factory;
    auto a = factory.createFont(Attrs(1, 1));
    FontAttributes named = Attrs(2, 2);
    named.faceName = "Missing";
    factory.setFailingFace("Missing");
    EXPECT_EQ(factory.createFont(named), nullptr);
    EXPECT_EQ(factory.liveFonts(), 1);
    a.reset();
    EXPECT_EQ(factory.liveFonts(), 0);
    ASSERT_EQ(factory.requests().size(), 2u);
    EXPECT_EQ(factory.requests()[1].faceName, "Missing");
}

TEST(FakeDoublesTest, ClipboardStatesAndSettingsCase)
{
    FakeClipboard clip;
    EXPECT_FALSE(clip.hasUnicodeText());
    clip.setUnicodeText(u"x");
    EXPECT_EQ(clip.unicodeText(), u"x");
    clip.setCannotFetch(true);
    EXPECT_TRUE(clip.hasUnicodeText());
    EXPECT_EQ(clip.unicodeText(), std::nullopt);

    MemorySettings settings;
    settings.set("SignFont", "Name", "X");
    EXPECT_EQ(settings.readString("SIGNFONT", "name", "d"), "X");
    settings.setWritable(false);
    EXPECT_FALSE(settings.writeString("a", "b", "c"));
    EXPECT_EQ(settings.readString("a", "b", "d"), "d");
}

} // namespace
} // namespace velmora
