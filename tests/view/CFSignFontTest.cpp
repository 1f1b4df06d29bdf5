#include "document/TextLayout.h"
#include "view/CFSignFont.h"
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

TEST_F(SignFontTest, BuiltInFontsCarryTheFixedAttributes)
{
    {
        const EditorFontPair fonts = record.CreateEditorFonts();
        ASSERT_NE(fonts.sign(), nullptr);
        ASSERT_NE(fonts.text(), nullptr);
        EXPECT_EQ(factory.liveFonts(), 2);
    }
    EXPECT_EQ(factory.liveFonts(), 0);
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

TEST_F(SignFontTest, FaceNameIsReadFromTheSettingsAtEveryCreation)
{
    settings.set("signfont", "NAME", "Noto Sans Cuneiform");
    record.CreateEditorFonts();
    settings.set("SignFont", "Name", "Other");
    record.CreateEditorFonts();
    settings.remove("SignFont", "Name");
    record.CreateEditorFonts();
    ASSERT_EQ(factory.requests().size(), 6u);
    EXPECT_EQ(factory.requests()[0].faceName, "Noto Sans Cuneiform");
    EXPECT_EQ(factory.requests()[2].faceName, "Other");
    EXPECT_EQ(factory.requests()[4].faceName, "Akkadian");
    EXPECT_TRUE(factory.requests()[5].faceName.empty());
}

TEST_F(SignFontTest, AChosenSignFontReplacesTheBuiltInOneFromThenOn)
{
    const auto current = record.CurrentSignFontAttributes();
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(*current, CFSignFont::DefaultSignFont("Akkadian"));
    EXPECT_EQ(factory.liveFonts(), 0);
    EXPECT_FALSE(record.useChosenSignFont());

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
    const EditorFontPair fonts = record.CreateEditorFonts();
    EXPECT_EQ(settings.readCount(), reads);
    ASSERT_NE(fonts.sign(), nullptr);
    EXPECT_EQ(fonts.sign()->attributes(), chosen);
    EXPECT_EQ(fonts.text()->attributes(), CFSignFont::DefaultTextFont());
    EXPECT_EQ(record.CurrentSignFontAttributes(), chosen);
}

TEST_F(SignFontTest, AChosenTextFontReplacesTheBuiltInOne)
{
    FontAttributes chosen = CFSignFont::DefaultTextFont();
    chosen.faceName = "Noto Sans";
    record.ChooseTextFont(chosen);
    const EditorFontPair fonts = record.CreateEditorFonts();
    EXPECT_EQ(fonts.text()->attributes(), chosen);
    EXPECT_EQ(fonts.sign()->attributes().faceName, "Akkadian");
}

TEST_F(SignFontTest, FontsThatCannotBeCreatedAreNullAndStillUsable)
{
    factory.setFailing(true);
    const EditorFontPair fonts = record.CreateEditorFonts();
    EXPECT_EQ(fonts.sign(), nullptr);
    EXPECT_EQ(fonts.text(), nullptr);
    EXPECT_EQ(record.CurrentSignFontAttributes(), std::nullopt);

    // Layout falls back to the surface's system font.
    FakeSurface surface;
    EXPECT_EQ(LineHeight(surface, fonts), 16);
}

} // namespace
} // namespace velmora
