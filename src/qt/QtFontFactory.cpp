#include "qt/QtFontFactory.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

constexpr int kMaxPixelSize = 4096;
constexpr int kMinStretch = 1;
constexpr int kMaxStretch = 4000; // QFont::setStretch accepts 1..4000

int clampedMagnitude(int value)
{
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(value));
    return static_cast<int>(std::min<std::int64_t>(magnitude, kMaxPixelSize));
}

int cellHeightAt(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell height does not exceed the wanted one
// (1 when even that is too tall).
int pixelSizeForCellHeight(const QFont& font, int cellHeight)
{
    const int measured = cellHeightAt(font, cellHeight);
    int size = cellHeight;
    if (measured > 0)
        size = std::clamp(static_cast<int>(std::lround(double(cellHeight) * cellHeight / measured)), 1,
                          kMaxPixelSize);
    // The estimate is off by rounding at most; a few steps settle it.
    for (int i = 0; i < 8 && size > 1 && cellHeightAt(font, size) > cellHeight; ++i)
        --size;
    for (int i = 0; i < 8 && size < kMaxPixelSize && cellHeightAt(font, size + 1) <= cellHeight; ++i)
        ++size;
    return size;
}

// The stretch that gives the font the average character width. Qt scales a
// face relative to the width class it declares, so the factor is measured
// against an explicit stretch of 100, to which the width is proportional.
int stretchForAverageWidth(QFont font, int width)
{
    font.setStretch(100);
    const qreal atHundred = QFontMetricsF(font).averageCharWidth();
    if (atHundred <= 0)
        return 0;
    return std::clamp(static_cast<int>(std::lround(100.0 * width / atHundred)), kMinStretch, kMaxStretch);
}

} // namespace

QtFontFactory::QtFontFactory()
{
    installCuneiformSubstitutes();
}

void QtFontFactory::installCuneiformSubstitutes()
{
    const QString face = QStringLiteral("Akkadian");
    const QString substitute = QStringLiteral("Noto Sans Cuneiform");
    if (!QFont::substitutes(face).contains(substitute, Qt::CaseInsensitive))
        QFont::insertSubstitution(face, substitute);
}

std::unique_ptr<Font> QtFontFactory::createFont(const FontAttributes& attributes)
{
    return createQtFont(attributes);
}

std::unique_ptr<QtFont> QtFontFactory::createQtFont(const FontAttributes& attributes)
{
    QFont font = QGuiApplication::font();
    if (!attributes.faceName.empty())
        font.setFamily(QString::fromStdString(attributes.faceName));
    const int weight = attributes.weight <= 0 ? 400 : std::min(attributes.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(attributes.italic);
    font.setUnderline(attributes.underline);
    font.setStrikeOut(attributes.strikeOut);

    const Key key{attributes.faceName, attributes.height, attributes.width, weight, attributes.italic};
    auto found = fitted_.find(key);
    if (found == fitted_.end())
        found = fitted_.emplace(key, fit(font, attributes)).first;
    if (found->second.pixelSize > 0)
        font.setPixelSize(found->second.pixelSize);
    if (found->second.stretch > 0)
        font.setStretch(found->second.stretch);
    return std::make_unique<QtFont>(font, attributes);
}

QtFontFactory::Fitted QtFontFactory::fit(const QFont& base, const FontAttributes& attributes) const
{
    Fitted fitted;
    QFont font = base;
    if (attributes.height < 0)
        fitted.pixelSize = std::max(1, clampedMagnitude(attributes.height));
    else if (attributes.height > 0)
        fitted.pixelSize = pixelSizeForCellHeight(font, clampedMagnitude(attributes.height));
    if (fitted.pixelSize > 0)
        font.setPixelSize(fitted.pixelSize);
    if (attributes.width > 0)
        fitted.stretch = stretchForAverageWidth(font, attributes.width);
    return fitted;
}

} // namespace velmora
