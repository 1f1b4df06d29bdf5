#include "core/view/CFSignFont.h"
#include "core/document/CFDocument.h"
#include "core/view/TextLayout.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeSurface.h"
#include "tests/support/MemorySettings.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

class SignFontTest : public ::testing::Test {
protected:
    FakeFontFactory factory;
    MemorySettings settings;
    CFSignFont record{factory, settings};
};

TEST_F(SignFontTest, BuiltInFontsCarryTheFixedAttributesAndAreMadeOnce)
{
    const auto fonts = record.Fonts();
    ASSERT_NE(fonts->sign(), nullptr);
    ASSERT_NE(fonts->text(), nullptr);
    EXPECT_EQ(record.Fonts(), fonts);
    EXPECT_EQ(factory.liveFonts(), 2);
    ASSERT_EQ(factory.requests().size(), 2u);

    const FontAttributes& sign = factory.requests()[0];
    EXPECT_EQ(sign.height, 50);
    EXPECT_EQ(sign.width, 50);
    EXPECT_EQ(sign.escapement, 0);
    EXPECT_EQ(sign.orientation, 0);
    EXPECT_EQ(sign.weight, 700);
    EXPECT_FALSE(sign.italic || sign.underline || sign.strikeOut);
    EXPECT_EQ(sign.charSet, 1);
    EXPECT_EQ(sign.outPrecision, 4);
    EXPECT_EQ(sign.clipPrecision, 0);
    EXPECT_EQ(sign.quality, 0);
    EXPECT_EQ(sign.pitchAndFamily, 0x12);
    EXPECT_EQ(sign.faceName, "Akkadian");

    FontAttributes text = sign;
    text.height = 20;
    text.width = 14;
    text.outPrecision = 7;
    text.faceName.clear();
    EXPECT_EQ(factory.requests()[1], text);
}

TEST_F(SignFontTest, FaceNameIsReadFromTheSettingsOnceWhenTheFontsAreMade)
{
    settings.set("signfont", "NAME", "Noto Sans Cuneiform");
    const auto fonts = record.Fonts();
    const int reads = settings.readCount();
    settings.set("SignFont", "Name", "Other");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(record.Fonts(), fonts);
    EXPECT_EQ(settings.readCount(), reads);
    ASSERT_EQ(factory.requests().size(), 2u);
    EXPECT_EQ(factory.requests()[0].faceName, "Noto Sans Cuneiform");
    EXPECT_TRUE(factory.requests()[1].faceName.empty());

    MemorySettings empty;
    CFSignFont fresh(factory, empty);
    EXPECT_EQ(fresh.Fonts()->sign()->attributes().faceName, "Akkadian");
}

TEST_F(SignFontTest, AChosenSignFontReplacesTheBuiltInOneFromThenOn)
{
    const auto current = record.CurrentSignFontAttributes();
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(*current, CFSignFont::DefaultSignFont("Akkadian"));
    EXPECT_FALSE(record.useChosenSignFont());
    const auto before = record.Fonts();

    FontAttributes chosen = *current;
    chosen.faceName = "Segoe UI Historic";
    chosen.height = -36;
    chosen.width = 0;
    chosen.italic = true;
    record.ChooseSignFont(chosen);
    EXPECT_TRUE(record.signAttributesValid());
    EXPECT_TRUE(record.useChosenSignFont());
    EXPECT_FALSE(record.useChosenTextFont());

    factory.setFailingFace("Akkadian"); // the settings are no longer consulted
    const int reads = settings.readCount();
    const auto fonts = record.Fonts();
    EXPECT_EQ(settings.readCount(), reads);
    ASSERT_NE(fonts->sign(), nullptr);
    EXPECT_EQ(fonts->sign()->attributes(), chosen);
    EXPECT_EQ(fonts->text()->attributes(), CFSignFont::DefaultTextFont());
    EXPECT_EQ(record.CurrentSignFontAttributes(), chosen);
    // Whoever still holds the fonts of before can finish with them.
    EXPECT_EQ(before->sign()->attributes(), CFSignFont::DefaultSignFont("Akkadian"));
    EXPECT_EQ(factory.liveFonts(), 4);
}

TEST_F(SignFontTest, WidthsMeasuredInAFontAreForgottenWhenAnotherIsChosen)
{
    FakeSurface surface;
    const CFDocument d = [] {
        CFDocument doc;
        const std::uint32_t cells[] = {0x12044, 0x12044, 'a'};
        doc.InsertCells(3, 0, 0, cells);
        return doc;
    }();
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, *record.Fonts(), 3), (Size{50 + 50 + 14, 50}));

    FontAttributes narrow = CFSignFont::DefaultSignFont("Akkadian");
    narrow.width = 30;
    narrow.height = 40;
    record.ChooseSignFont(narrow);
    const auto fonts = record.Fonts();
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, *fonts, 3), (Size{30 + 30 + 14, 40}));
    EXPECT_EQ(MeasureCell(0x12044, surface, *fonts), (Size{30, 40}));
    EXPECT_EQ(HitTest(d, surface, *fonts, 65, 0), (Position{0, 2}));

    FontAttributes wide = CFSignFont::DefaultTextFont();
    wide.width = 20;
    record.ChooseTextFont(wide);
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, *record.Fonts(), 3).cx, 30 + 30 + 20);
}

TEST_F(SignFontTest, AChosenTextFontReplacesTheBuiltInOne)
{
    FontAttributes chosen = CFSignFont::DefaultTextFont();
    chosen.faceName = "Noto Sans";
    record.ChooseTextFont(chosen);
    const auto fonts = record.Fonts();
    EXPECT_EQ(fonts->text()->attributes(), chosen);
    EXPECT_EQ(fonts->sign()->attributes().faceName, "Akkadian");
}

TEST_F(SignFontTest, FontsThatCannotBeCreatedAreNullAndStillUsable)
{
    factory.setFailing(true);
    const auto fonts = record.Fonts();
    EXPECT_EQ(fonts->sign(), nullptr);
    EXPECT_EQ(fonts->text(), nullptr);
    EXPECT_EQ(record.CurrentSignFontAttributes(), std::nullopt);

    // Layout falls back to the surface's system font.
    FakeSurface surface;
    EXPECT_EQ(LineHeight(surface, *fonts), 16);
}

} // namespace
} // namespace velmora
