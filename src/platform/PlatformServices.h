#pragma once

namespace velmora {

class Clipboard;
class FontFactory;
class KeyboardState;
class MessageDisplay;
class Settings;

// The process-wide platform services an editor's logic calls. One instance
// for the program (the Qt implementations), or test doubles in tests.
struct PlatformServices {
    FontFactory& fonts;
    Clipboard& clipboard;
    MessageDisplay& messages;
    KeyboardState& keyboard;
    Settings& settings;
};

} // namespace velmora
