#pragma once

#include <optional>
#include <string_view>

namespace velmora {

class Settings;

// Where the main window was and how large, kept in the settings file's
// section "Window" when the window closes and restored at the next start:
//
//   [Window]
//   X=120
//   Y=80
//   Width=1000
//   Height=700
//   Maximized=0
//
// The rectangle is the window's inside (without the frame the window system
// adds) on the desktop, and its normal one when it closed maximized.
struct WindowGeometry {
    static constexpr std::string_view kSection = "Window";
    // Smaller sizes are raised to these on reading, so that a hand-edited
    // file never gives a window too small to see.
    static constexpr int kMinWidth = 200;
    static constexpr int kMinHeight = 150;

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;

    // The stored geometry; nothing when the section is missing or a value
    // is not a whole number in range, a size not above 0 (the window then
    // gets its default place and size). Maximized is optional.
    static std::optional<WindowGeometry> Read(const Settings& settings);
    // Replaces the section with this geometry; false when the file could not
    // be written.
    [[nodiscard]] bool Write(Settings& settings) const;

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

} // namespace velmora
