#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kCommandLineHelp =
    "Usage: velmora [OPTION]... [FILE]\n"
    "\n"
    "An editor for Akkadian texts in cuneiform. Type a transliteration (lugal,\n"
    "ša₂, du₃) and the editor puts in the Unicode cuneiform signs of the reading\n"
    "chosen. FILE, a UTF-8 text file, is opened at start; an ATF transliteration\n"
    "(a name ending in .atf) is imported, converted to cuneiform, as a new\n"
    "document.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "  --restore COPY restore a recovery copy left by an earlier run (the editor\n"
    "                 starts one this way for each further copy restored)\n"
    "  --             take every argument after it as the file name\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are understood too.\n"
    "\n"
    "The settings are config.ini in the folder the editor starts in when there\n"
    "is one, else config.ini in the user's configuration folder\n"
    "(~/.config/velmora), created there with the defaults. The sign data file\n"
    "it names (signdata.cfd) is looked for beside config.ini, then in the\n"
    "installed data folder (share/velmora).\n";

// What the editor's command line asks for. Arguments starting with "-" are
// options; the one argument that is not names the file to open.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    // The file to open, as given.
    std::optional<std::filesystem::path> file;
    // A recovery copy to restore instead (--restore).
    std::optional<std::filesystem::path> restore;
    // For Error: what is wrong, for a line on the error output.
    std::string error;

    // args are the arguments after the program's name, UTF-8. Help and
    // Version win over anything else on the line, so that they work before
    // the toolkit has taken its own options away.
    static CommandLine Parse(std::span<const std::string> args);

    // "velmora 1.5", the answer to --version.
    static std::string VersionText();
};

} // namespace velmora
