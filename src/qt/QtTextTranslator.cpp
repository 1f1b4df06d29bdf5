#include "qt/QtTextTranslator.h"

#include <QCoreApplication>

#include <string>

namespace velmora {

std::string QtTextTranslator::translate(std::string_view text) const
{
    // The catalogue is keyed by the NUL-terminated source text.
    const std::string key(text);
    return QCoreApplication::translate(kContext, key.c_str()).toStdString();
}

QString UiText(std::string_view text)
{
    const std::string translated = Tr(text);
    return QString::fromUtf8(translated.data(), qsizetype(translated.size()));
}

} // namespace velmora
