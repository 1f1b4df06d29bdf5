#pragma once

#include "platform/InterfaceLanguage.h"
#include "qt/QtTextTranslator.h"

#include <QLocale>
#include <QTranslator>

namespace velmora {

// The interface language of the running program: the program's own
// translations (built into it) and Qt's (the buttons and texts of Qt's
// dialogs, from the translations Qt ships), installed in the application,
// and the core's texts routed through them. One object, living as long as
// the application object; switching installs the other language at once,
// and every widget gets a LanguageChange event to show it.
class QtLanguage {
public:
    // Installs the core's text translator; no language yet (texts as written).
    // The destructor removes everything it installed, the default locale
    // too.
    QtLanguage();
    ~QtLanguage();
    QtLanguage(const QtLanguage&) = delete;
    QtLanguage& operator=(const QtLanguage&) = delete;

    // Makes language the interface language. The program's translations are
    // part of it, so they are always found; Qt's own are used where they are
    // installed. False when the program's translation could not be loaded
    // (the texts are then shown as written).
    bool apply(InterfaceLanguage language);
    InterfaceLanguage current() const { return current_; }

private:
    QtTextTranslator texts_;
    QTranslator program_;
    QTranslator qt_;
    QLocale previousLocale_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
    InterfaceLanguage current_ = InterfaceLanguage::Japanese;
};

} // namespace velmora
