#include "platform/qt/QtFont.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <utility>

namespace velmora {

QtFont::QtFont(QFont font, FontAttributes requested)
    : font_(std::move(font)), requested_(std::move(requested))
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
