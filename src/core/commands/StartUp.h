#pragma once

#include "base/FileLoadResult.h"

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class CFWordDictionary;
class IniSettings;
class MessageDisplay;
class Window;
struct ProgramFolders;

// The settings file's name.
inline constexpr std::string_view kConfigFileName = "config.ini";
// Where the settings name the sign data file, and the file read when they
// do not.
inline constexpr std::string_view kWordDataSection = "Worddata";
inline constexpr std::string_view kWordDataKey = "Filename";
inline constexpr std::string_view kDefaultWordDataFile = "signdata.cfd";
// The value a new settings file gets.
inline constexpr std::string_view kInitialWordDataFile = ".\\signdata.cfd";

// The settings file to use: config.ini in the start folder when there is
// one (a portable set-up), else config.ini in the user's configuration
// folder (the start folder's after all when the platform names none).
std::filesystem::path ChooseConfigFile(const ProgramFolders& folders);

// Creates the settings file, and its folder, with the sign font's face
// ("SignFont"/"Name" = "Akkadian") and the sign data file (".\signdata.cfd")
// when it does not exist. An existing file is left exactly as it is,
// missing keys included.
void EnsureConfigFile(IniSettings& config);

// Where the sign data file the settings name may lie, in the order to try
// them. "\" separates folders. An absolute name is its own only place; a
// relative one is looked for beside the settings file, then in the
// installed data folder, then in the program's own folder (the build
// folder), each place once.
std::vector<std::filesystem::path> WordDataCandidates(const IniSettings& config,
                                                      const ProgramFolders& folders);

// Tells the user why a sign data file did not load: the message for a file
// that could not be used or for a malformed one, the file or files tried on
// the lines after it, and then what happened (the file does not exist, is
// not a regular file, which line is malformed, ...).
void ReportWordDataLoadFailure(const FileLoadResult& failure, std::span<const std::filesystem::path> tried,
                               MessageDisplay& messages, Window* owner);

// Everything before the main window shows: makes sure the settings file
// exists and loads into the (empty) dictionary the first of the sign data
// file's candidates that exists. A settings file that is there but cannot be
// read is reported and its defaults used. When no candidate exists or the
// one found does not load, the user is told why and the result is false:
// the program must end without showing its window.
bool StartUp(IniSettings& config, const ProgramFolders& folders, CFWordDictionary& dictionary,
             MessageDisplay& messages, Window* owner);

} // namespace velmora
