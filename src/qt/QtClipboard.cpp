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

namespace {

// The text as Qt and other programs take it: lines separated by LF.
QString ClipboardText(std::u16string_view units)
{
    QString text(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

void QtClipboard::setUnicodeText(std::u16string_view units)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(ClipboardText(units));
}

void QtClipboard::setUnicodeTextWithData(std::u16string_view units, std::string_view privateData)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    auto* data = new QMimeData;
    data->setText(ClipboardText(units));
    data->setData(QString::fromLatin1(kPrivateFormat),
                  QByteArray(privateData.data(), qsizetype(privateData.size())));
    // The clipboard owns the data from here on.
    clipboard->setMimeData(data);
}

std::optional<std::string> QtClipboard::privateData()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    const QString format = QString::fromLatin1(kPrivateFormat);
    if (!data || !data->hasFormat(format))
        return std::nullopt;
    const QByteArray bytes = data->data(format);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace velmora
