#include "qt/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>

namespace velmora {

namespace {

QLocale LocaleOf(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                  : QLocale(QLocale::Japanese, QLocale::Japan);
}

} // namespace

QtLanguage::QtLanguage() : previousLocale_(QLocale())
{
    SetTextTranslator(&texts_);
}

QtLanguage::~QtLanguage()
{
    if (programInstalled_)
        QCoreApplication::removeTranslator(&program_);
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qt_);
    SetTextTranslator(nullptr);
    QLocale::setDefault(previousLocale_);
}

bool QtLanguage::apply(InterfaceLanguage language)
{
    if (programInstalled_)
        QCoreApplication::removeTranslator(&program_);
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qt_);
    programInstalled_ = qtInstalled_ = false;
    current_ = language;
    const QLocale locale = LocaleOf(language);
    // Dates and sizes in Qt's dialogs follow the interface, not the system.
    QLocale::setDefault(locale);
    const QString code = locale.name().left(2);
    // Qt's texts are English as written; only other languages need a file.
    if (language != InterfaceLanguage::English
        && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    if (program_.load(QStringLiteral(":/velmora/translations/velmora_") + code))
        programInstalled_ = QCoreApplication::installTranslator(&program_);
    return programInstalled_;
}

} // namespace velmora
