#include "core/commands/CommandLine.h"

namespace velmora {

CommandLine CommandLine::Parse(std::span<const std::string> args)
{
    CommandLine line;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    bool restoreNext = false;
    for (const std::string& arg : args) {
        if (restoreNext) {
            line.restore = std::filesystem::path(std::u8string(arg.begin(), arg.end()));
            restoreNext = false;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            if (arg == "--restore")
                restoreNext = true;
            else if (arg == "--")
                optionsEnded = true;
            else if (arg == "-h" || arg == "--help")
                help = true;
            else if (arg == "-V" || arg == "--version")
                version = true;
            else if (line.error.empty())
                line.error = "unknown option '" + arg + "'";
            continue;
        }
        if (line.file) {
            if (line.error.empty())
                line.error = "one file at a time: '" + arg + "' is one too many";
            continue;
        }
        line.file = std::filesystem::path(std::u8string(arg.begin(), arg.end()));
    }
    if (restoreNext && line.error.empty())
        line.error = "--restore expects a recovery copy";
    if (help)
        line.action = Action::Help;
    else if (version)
        line.action = Action::Version;
    else if (!line.error.empty())
        line.action = Action::Error;
    return line;
}

std::string CommandLine::VersionText()
{
    return "velmora " VELMORA_VERSION;
}

} // namespace velmora
