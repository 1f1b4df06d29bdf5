#pragma once

#include "resources/Messages.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

class CFWordDictionary;
class IniSettings;
class MessageDisplay;
class Window;

// The settings file, in the current folder.
inline constexpr std::string_view kConfigFileName = "config.ini";
// Where the settings name the sign data file, and the file read when they
// do not.
inline constexpr std::string_view kWordDataSection = "Worddata";
inline constexpr std::string_view kWordDataKey = "Filename";
inline constexpr std::string_view kDefaultWordDataFile = "signdata.cfd";
// The value a new settings file gets.
inline constexpr std::string_view kInitialWordDataFile = ".\\signdata.cfd";

// Creates the settings file with the sign font's face ("SignFont"/"Name" =
// "Akkadian") and the sign data file (".\signdata.cfd") when it does not
// exist. An existing file is left exactly as it is, missing keys included.
void EnsureConfigFile(IniSettings& config);

// The sign data file the settings name. "\" separates folders; a relative
// name is taken from the settings file's folder (the current folder, where
// the program keeps it).
std::filesystem::path ConfiguredWordDataPath(const IniSettings& config);

// Tells the user why the dictionary's last Load of the file at path failed:
// the file could not be opened or read (and why), or which line is malformed.
void ReportWordDataLoadFailure(const CFWordDictionary& dictionary, const std::filesystem::path& path,
                               MessageDisplay& messages, Window* owner);

// A path as the messages show it (UTF-8).
std::string DisplayPath(const std::filesystem::path& path);

// Everything before the main window shows: makes sure the settings file
// exists and loads the sign data file it names into the (empty)
// dictionary. A settings file that cannot be read is reported and its
// defaults used. When the sign data cannot be loaded the user is told why
// and the result is false: the program must end without showing its window.
bool StartUp(IniSettings& config, CFWordDictionary& dictionary, MessageDisplay& messages,
             Window* owner);

} // namespace velmora
