#include "qt/QtFontFactory.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "tests/support/gui/QStringPrinter.h"

namespace velmora {
namespace {

FontAttributes signFont()
{
    FontAttributes a;
    a.height = 50;
    a.width = 50;
    a.weight = 700;
    a.outPrecision = 4;
    a.pitchAndFamily = 0x12;
    a.faceName = "Akkadian";
    return a;
}

FontAttributes textFont()
{
    FontAttributes a;
    a.height = 20;
    a.width = 14;
    a.weight = 700;
    a.outPrecision = 7;
    a.pitchAndFamily = 0x12;
    return a;
}

TEST(QtFontFactory, CellHeightAndAverageWidthAreMet)
{
    QtFontFactory factory;
    for (const FontAttributes& wanted : {signFont(), textFont()}) {
        const auto font = factory.createQtFont(wanted);
        const QFontMetrics metrics(font->qfont());
        // The cell never exceeds the height asked for and misses it by little.
        EXPECT_LE(metrics.height(), wanted.height) << wanted.faceName;
        EXPECT_GE(metrics.height(), wanted.height - 2) << wanted.faceName;
        EXPECT_NEAR(metrics.averageCharWidth(), wanted.width, 1) << wanted.faceName;
        EXPECT_TRUE(QFontInfo(font->qfont()).bold());
    }
}

TEST(QtFontFactory, AttributesGiveBackWhatWasRealised)
{
    QtFontFactory factory;
    FontAttributes wanted = signFont();
    wanted.italic = true;
    wanted.underline = true;
    wanted.strikeOut = true;
    const auto font = factory.createQtFont(wanted);
    const FontAttributes realised = font->attributes();
    EXPECT_EQ(realised.faceName, "Akkadian");
    EXPECT_EQ(realised.height, QFontMetrics(font->qfont()).height());
    EXPECT_EQ(realised.width, 50);
    EXPECT_EQ(realised.weight, 700);
    EXPECT_TRUE(realised.italic);
    EXPECT_TRUE(realised.underline);
    EXPECT_TRUE(realised.strikeOut);
    EXPECT_EQ(realised.outPrecision, 4);
    EXPECT_EQ(realised.pitchAndFamily, 0x12);

    // The default face is named by the face actually used.
    const FontAttributes text = factory.createQtFont(textFont())->attributes();
    EXPECT_EQ(text.faceName, QFontInfo(QGuiApplication::font()).family().toStdString());
    EXPECT_EQ(text.weight, 700);
    EXPECT_FALSE(text.italic);
}

TEST(QtFontFactory, RecreatingFromAttributesGivesTheSameFont)
{
    QtFontFactory factory;
    for (const FontAttributes& wanted : {signFont(), textFont()}) {
        const auto first = factory.createQtFont(wanted);
        const auto second = factory.createQtFont(first->attributes());
        EXPECT_EQ(QFontInfo(second->qfont()).family(), QFontInfo(first->qfont()).family());
        EXPECT_EQ(second->qfont().pixelSize(), first->qfont().pixelSize());
        EXPECT_EQ(second->qfont().stretch(), first->qfont().stretch());
        EXPECT_EQ(second->attributes(), first->attributes());
    }
}

TEST(QtFontFactory, NegativeHeightIsTheCharacterHeight)
{
    QtFontFactory factory;
    FontAttributes wanted;
    wanted.height = -30;
    wanted.faceName = "IPAGothic";
    const auto font = factory.createQtFont(wanted);
    EXPECT_EQ(QFontInfo(font->qfont()).pixelSize(), 30);
    EXPECT_EQ(font->attributes().height, -30);
    EXPECT_EQ(font->attributes().weight, 400);
}

TEST(QtFontFactory, DescribedDialogChoiceIsRecreated)
{
    QtFontFactory factory;
    QFont chosen(QStringLiteral("Noto Sans Cuneiform"), 24);
    chosen.setItalic(true);
    const auto font = factory.createQtFont(QtFont::describe(chosen));
    const QFontInfo recreated(font->qfont());
    EXPECT_EQ(recreated.family(), QStringLiteral("Noto Sans Cuneiform"));
    EXPECT_EQ(recreated.pixelSize(), QFontInfo(chosen).pixelSize());
    EXPECT_EQ(recreated.italic(), QFontInfo(chosen).italic());
    EXPECT_EQ(recreated.weight(), QFontInfo(chosen).weight());
}

TEST(QtFontFactory, AkkadianFallsBackToNotoSansCuneiform)
{
    QtFontFactory factory;
    EXPECT_TRUE(QFont::substitutes(QStringLiteral("Akkadian"))
                    .contains(QStringLiteral("Noto Sans Cuneiform"), Qt::CaseInsensitive));
    QtFontFactory again;
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Akkadian")).size(), 1);
}

} // namespace
} // namespace velmora
