#include "qt/QtFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QTextLayout>

#include <utility>

namespace velmora {

QtFont::QtFont(QFont font, FontAttributes requested)
    : font_(std::move(font))
    , requested_(std::move(requested))
{
}

FontAttributes QtFont::attributes() const
{
    const QFontInfo info(font_);
    FontAttributes realised = requested_;
    realised.faceName = info.family().toStdString();
    if (requested_.height < 0)
        realised.height = -info.pixelSize();
    else
        realised.height = QFontMetrics(font_).height();
    realised.width = requested_.width > 0 ? requested_.width : 0;
    realised.weight = info.weight();
    realised.italic = info.italic();
    realised.underline = font_.underline();
    realised.strikeOut = font_.strikeOut();
    return realised;
}

QtFont::Shaped QtFont::shaped(std::u16string_view text, const QPaintDevice* device) const
{
    constexpr std::size_t kMaxTexts = 8192;
    const auto shape = [&] {
        const QString string(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
        QTextLayout layout(string, font_, device);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        Shaped result{layout.glyphRuns(), QFontMetrics(font_, device).horizontalAdvance(string)};
        // From the top of the line to its baseline.
        const qreal ascent = line.isValid() ? line.ascent() : 0;
        for (QGlyphRun& run : result.glyphs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions)
                position.ry() -= ascent;
            run.setPositions(positions);
        }
        return result;
    };
    if (text.size() > 3)
        return shape();
    std::uint64_t key = text.size();
    for (std::size_t i = 0; i < text.size(); ++i)
        key |= std::uint64_t(text[i]) << (16 * (i + 1));
    auto& texts = shaped_[device ? device->logicalDpiY() : 0];
    if (const auto found = texts.find(key); found != texts.end())
        return found->second;
    if (texts.size() >= kMaxTexts)
        texts.clear();
    return texts.emplace(key, shape()).first->second;
}

FontAttributes QtFont::describe(const QFont& font)
{
    const QFontInfo info(font);
    FontAttributes attributes;
    attributes.faceName = info.family().toStdString();
    attributes.height = -info.pixelSize();
    attributes.width = 0;
    attributes.weight = info.weight();
    attributes.italic = info.italic();
    attributes.underline = font.underline();
    attributes.strikeOut = font.strikeOut();
    return attributes;
}

} // namespace velmora
