#pragma once

#include "platform/PlatformServices.h"
#include "qt/QtClipboard.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtFontFactory.h"
#include "qt/QtKeyboardState.h"
#include "qt/QtMessageDisplay.h"

namespace velmora {

class Settings;

// The Qt platform services of the program, one of each, created once a
// QApplication exists. The settings come from the caller.
class QtPlatform {
public:
    explicit QtPlatform(Settings& settings);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // The services as the core takes them; valid while this object lives.
    PlatformServices services();

    QtFontFactory& fonts() { return fonts_; }
    QtClipboard& clipboard() { return clipboard_; }
    QtMessageDisplay& messages() { return messages_; }
    QtKeyboardState& keyboard() { return keyboard_; }
    QtFileDialogs& fileDialogs() { return fileDialogs_; }
    Settings& settings() { return settings_; }

private:
    QtFontFactory fonts_;
    QtClipboard clipboard_;
    QtMessageDisplay messages_;
    QtKeyboardState keyboard_;
    QtFileDialogs fileDialogs_;
    Settings& settings_;
};

} // namespace velmora
