#include "qt/QtClipboard.h"

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
    QString text = QGuiApplication::clipboard()->text();
    // Qt separates lines with LF (on Windows too, where it translates); the
    // editor expects CR LF.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    std::u16string units(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    if (const auto nul = units.find(u'\0'); nul != std::u16string::npos)
        units.resize(nul);
    return units;
}

void QtClipboard::setUnicodeText(std::u16string_view units)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    QString text(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard->setText(text);
}

} // namespace velmora
