#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace velmora {

bool QtClipboard::hasUnicodeText() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasText();
}

std::optional<std::u16string> QtClipboard::unicodeText()
{
    if (!hasUnicodeText())
        return std::nullopt;
    const QString text = QGuiApplication::clipboard()->text();
    std::u16string units(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    if (const auto nul = units.find(u'\0'); nul != std::u16string::npos)
        units.resize(nul);
    return units;
}

void QtClipboard::setUnicodeText(std::u16string_view units)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size())));
}

} // namespace velmora
