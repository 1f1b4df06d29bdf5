#pragma once

#include "dictionary/CFWordDictionary.h"

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

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

inline constexpr std::string_view kErrorCaption = "エラー";
inline constexpr std::string_view kCannotOpenWordData = "文字変換ファイルが開けません。";
inline constexpr std::string_view kWordDataSyntaxError =
    "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。";

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

// Tells the user why a sign data file did not load (it could not be opened,
// or it is malformed), with the file or files tried on the lines after the
// reason.
void ReportWordDataLoadFailure(CFWordDictionary::LoadResult reason,
                               std::span<const std::filesystem::path> tried,
                               MessageDisplay& messages, Window* owner);

// Everything before the main window shows: makes sure the settings file
// exists and loads into the (empty) dictionary the first of the sign data
// file's candidates that exists. When none exists or it does not load, the
// user is told why and the result is false: the program must end without
// showing its window.
bool StartUp(IniSettings& config, const ProgramFolders& folders, CFWordDictionary& dictionary,
             MessageDisplay& messages, Window* owner);

} // namespace velmora
