#include "qt/QtSurface.h"

#include "qt/QtFontFactory.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "tests/support/gui/QStringPrinter.h"

namespace velmora {
namespace {

FontAttributes font(int height, int width, const char* face)
{
    FontAttributes a;
    a.height = height;
    a.width = width;
    a.weight = 700;
    a.faceName = face;
    return a;
}

QImage canvas(QColor fill)
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox inkOf(const QImage& image, QColor background)
{
    InkBox box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST(QtSurface, ColorRefIsRedInTheLowByte)
{
    EXPECT_EQ(QtSurface::toQColor(Rgb(0x12, 0x34, 0x56)), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QtSurface::toQColor(kBlue), QColor(0, 0, 255));
    EXPECT_EQ(QtSurface::toQColor(0x0000FF), QColor(255, 0, 0));
}

TEST(QtSurface, NulUnitKeepsTheRoomOfAMissingGlyph)
{
    QtFontFactory factory;
    const auto text = factory.createFont(font(20, 14, ""));
    QtSurface surface;
    const Size nul = surface.textExtent(text.get(), std::u16string(1, u'\0'));
    const Size digit = surface.textExtent(text.get(), u"\u2083");
    const Size digitAndNul = surface.textExtent(text.get(), std::u16string(u"\u2083") + u'\0');
    EXPECT_NEAR(nul.cx, 14, 1); // the average character width asked for
    EXPECT_EQ(digitAndNul.cx, digit.cx + nul.cx);
    EXPECT_EQ(digitAndNul.cy, digit.cy);
    EXPECT_GT(digit.cy, 0);
    // A letter has its own advance, not the average.
    const QFontMetrics metrics(dynamic_cast<const QtFont&>(*text).qfont());
    EXPECT_EQ(surface.textExtent(text.get(), u"i").cx, metrics.horizontalAdvance(QStringLiteral("i")));
    EXPECT_EQ(surface.textExtent(text.get(), u"").cx, 0);
}

TEST(QtSurface, SurrogatePairIsOneSign)
{
    QtFontFactory factory;
    const auto sign = factory.createFont(font(50, 50, "Akkadian"));
    QtSurface surface;
    const Size extent = surface.textExtent(sign.get(), u"\xD808\xDC44"); // U+12044
    const QFontMetrics metrics(dynamic_cast<const QtFont&>(*sign).qfont());
    EXPECT_EQ(extent.cx, metrics.horizontalAdvance(QString::fromUcs4(U"\U00012044")));
    EXPECT_GT(extent.cx, 0);
    // The line height of the editor: the cell of the 50-pixel sign font.
    EXPECT_LE(extent.cy, 50);
    EXPECT_GE(extent.cy, 48);
    const Size two = surface.textExtent(sign.get(), u"\xD808\xDC44\xD808\xDC44");
    EXPECT_NEAR(two.cx, 2 * extent.cx, 1);
}

TEST(QtSurface, TextTopLeftIsThePointGiven)
{
    QtFontFactory factory;
    const auto text = factory.createFont(font(20, 14, ""));
    QImage image = canvas(Qt::black);
    Size extent;
    {
        QPainter painter(&image);
        QtSurface surface(painter);
        extent = surface.textExtent(text.get(), u"H");
        // Opaque: the cell is filled with the background colour.
        surface.textOut({10, 20}, text.get(), u"H", TextColors{kBlack, true, kWhite});
    }
    const QColor white(Qt::white);
    EXPECT_EQ(image.pixelColor(10, 20), white);
    EXPECT_EQ(image.pixelColor(10 + extent.cx - 1, 20 + extent.cy - 1), white);
    EXPECT_EQ(image.pixelColor(9, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 19), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10 + extent.cx, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 20 + extent.cy), QColor(Qt::black));
}

TEST(QtSurface, TransparentTextSitsOnItsBaseline)
{
    QtFontFactory factory;
    const auto text = factory.createFont(font(20, 14, ""));
    const QFontMetrics metrics(dynamic_cast<const QtFont&>(*text).qfont());
    QImage image = canvas(Qt::white);
    {
        QPainter painter(&image);
        QtSurface surface(painter);
        surface.textOut({30, 40}, text.get(), u"H", TextColors{Rgb(255, 0, 0)});
    }
    const InkBox ink = inkOf(image, Qt::white);
    ASSERT_GE(ink.right, 0) << "nothing drawn";
    EXPECT_GE(ink.left, 30);
    EXPECT_GE(ink.top, 40);
    EXPECT_NEAR(ink.bottom, 40 + metrics.ascent() - 1, 1);
    EXPECT_LT(ink.right, 30 + metrics.horizontalAdvance(QStringLiteral("H")));
    EXPECT_GT(image.pixelColor((ink.left + ink.right) / 2, ink.bottom).red(), 200);
}

TEST(QtSurface, TextAfterANulUnitStartsBehindItsRoom)
{
    QtFontFactory factory;
    const auto text = factory.createFont(font(20, 14, ""));
    QImage image = canvas(Qt::white);
    Size nul;
    {
        QPainter painter(&image);
        QtSurface surface(painter);
        nul = surface.textExtent(text.get(), std::u16string(1, u'\0'));
        surface.textOut({0, 0}, text.get(), std::u16string(1, u'\0') + u"H", TextColors{});
    }
    EXPECT_GE(inkOf(image, Qt::white).left, nul.cx);
}

TEST(QtSurface, RectangleFillsAndOutlinesWithinItsBounds)
{
    QImage image = canvas(Qt::white);
    {
        QPainter painter(&image);
        QtSurface surface(painter);
        surface.rectangle(Rect{5, 5, 15, 12}, Pen{true, 1, kBlack}, Brush{kBlue});
        surface.rectangle(Rect{45, 10, 40, 5}, Pen{false, 1, kBlack}, Brush{kGray}); // corners swapped
        surface.rectangle(Rect{60, 5, 70, 15}, Pen{true, 2, Rgb(255, 0, 0)}, Brush{kWhite});
        surface.rectangle(Rect{80, 5, 82, 25}, Pen{true, 1, kBlack}, Brush{kWhite}); // a caret
    }
    const QColor white(Qt::white), black(Qt::black), blue(0, 0, 255), gray(0x80, 0x80, 0x80), red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(5, 5), black);
    EXPECT_EQ(image.pixelColor(14, 11), black);
    EXPECT_EQ(image.pixelColor(6, 6), blue);
    EXPECT_EQ(image.pixelColor(13, 10), blue);
    EXPECT_EQ(image.pixelColor(15, 5), white);
    EXPECT_EQ(image.pixelColor(5, 12), white);
    EXPECT_EQ(image.pixelColor(4, 5), white);

    EXPECT_EQ(image.pixelColor(40, 5), gray);
    EXPECT_EQ(image.pixelColor(44, 9), gray);
    EXPECT_EQ(image.pixelColor(45, 9), white);
    EXPECT_EQ(image.pixelColor(44, 10), white);

    EXPECT_EQ(image.pixelColor(61, 6), red);
    EXPECT_EQ(image.pixelColor(62, 7), white);
    EXPECT_EQ(image.pixelColor(68, 13), red);

    EXPECT_EQ(image.pixelColor(80, 5), black);
    EXPECT_EQ(image.pixelColor(81, 24), black);
    EXPECT_EQ(image.pixelColor(82, 10), white);
}

TEST(QtSurface, MeasuringSurfaceMeasuresAlikeAndDrawsNothing)
{
    QtFontFactory factory;
    const auto sign = factory.createFont(font(50, 50, "Akkadian"));
    QImage image = canvas(Qt::white);
    QPainter painter(&image);
    QtSurface drawing(painter);
    QtSurface measuring;
    const std::u16string run = u"\xD808\xDC44 a\u2083";
    EXPECT_EQ(measuring.textExtent(sign.get(), run), drawing.textExtent(sign.get(), run));
    EXPECT_FALSE(measuring.drawing());
    EXPECT_EQ(drawing.area(), (Rect{0, 0, 200, 120}));
    EXPECT_EQ(QtSurface(painter, nullptr, Rect{5, 6, 7, 8}).area(), (Rect{5, 6, 7, 8}));
    measuring.textOut({0, 0}, sign.get(), run, TextColors{kBlack, true});
    measuring.rectangle(Rect{0, 0, 10, 10}, Pen{}, Brush{kBlack});
    painter.end();
    EXPECT_LT(inkOf(image, Qt::white).right, 0);
}

TEST(QtSurface, EachCallMeasuresInItsOwnFont)
{
    QtSurface surface;
    QtFontFactory factory;
    const auto text = factory.createFont(font(20, 14, ""));
    const auto sign = factory.createFont(font(50, 50, "Akkadian"));
    const QFontMetrics metrics(dynamic_cast<const QtFont&>(*text).qfont());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(surface.textExtent(nullptr, u"abc").cx,
                  QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("abc")));
        EXPECT_EQ(surface.textExtent(text.get(), u"abc").cx,
                  metrics.horizontalAdvance(QStringLiteral("abc")));
        EXPECT_GE(surface.textExtent(sign.get(), u"a").cy, 48);
    }
    EXPECT_EQ(surface.area(), Rect{});
}

} // namespace
} // namespace velmora
