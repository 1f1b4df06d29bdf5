#pragma once

#include <filesystem>

namespace velmora {

// The folders the program finds its files in, worked out by the front end
// at start-up (the platform's places for a user's settings and data, and
// where the program itself lies).
struct ProgramFolders {
    // The current folder when the program started: a config.ini there
    // makes a portable set-up.
    std::filesystem::path start;
    // The user's configuration folder for the program (~/.config/velmora),
    // home of config.ini when the start folder has none; empty when the
    // platform names none.
    std::filesystem::path userConfig;
    // The user's data folder for the program (~/.local/share/velmora).
    std::filesystem::path userData;
    // The data installed with the program (share/velmora beside its bin/).
    std::filesystem::path installedData;
    // The folder of the program itself: the build folder, with the bundled
    // data beside the program, when it runs where it was built.
    std::filesystem::path program;
};

} // namespace velmora
