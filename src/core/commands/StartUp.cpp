#include "core/commands/StartUp.h"

#include "base/ConfiguredPath.h"
#include "core/commands/ProgramFolders.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/view/CFSignFont.h"
#include "platform/FailureText.h"
#include "platform/IniSettings.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace velmora {

namespace {

bool Exists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

std::filesystem::path ChooseConfigFile(const ProgramFolders& folders)
{
    const std::filesystem::path portable = folders.start / kConfigFileName;
    return Exists(portable) || folders.userConfig.empty() ? portable : folders.userConfig / kConfigFileName;
}

void EnsureConfigFile(IniSettings& config)
{
    if (config.exists())
        return;
    // A file that cannot be written leaves the defaults in force, which are
    // the same values; nothing is lost. The user hears of it at the first
    // setting the program cannot keep.
    std::error_code error;
    std::filesystem::create_directories(config.path().parent_path(), error);
    if (config.writeString(CFSignFont::kSection, CFSignFont::kNameKey, CFSignFont::kDefaultFace))
        (void)config.writeString(kWordDataSection, kWordDataKey, kInitialWordDataFile);
}

std::vector<std::filesystem::path> WordDataCandidates(const IniSettings& config,
                                                      const ProgramFolders& folders)
{
    const std::filesystem::path configured =
        ResolveConfiguredPath(config.readString(kWordDataSection, kWordDataKey, kDefaultWordDataFile));
    if (configured.is_absolute())
        return {configured};
    std::vector<std::filesystem::path> candidates;
    for (const auto& folder : {config.path().parent_path(), folders.installedData, folders.program}) {
        if (folder.empty())
            continue;
        const std::filesystem::path candidate = (folder / configured).lexically_normal();
        if (std::ranges::find(candidates, candidate) == candidates.end())
            candidates.push_back(candidate);
    }
    return candidates;
}

void ReportWordDataLoadFailure(const FileLoadResult& failure, std::span<const std::filesystem::path> tried,
                               MessageDisplay& messages, Window* owner)
{
    std::string text = Tr(failure.reason == FileLoadResult::Reason::Syntax ? texts::kWordDataSyntaxError
                                                                           : texts::kCannotOpenWordData);
    for (const auto& path : tried) {
        text += '\n';
        text += PathText(path);
    }
    text += '\n';
    text += FailureText(failure);
    messages.showMessage(owner, text, Tr(texts::kErrorCaption));
}

bool StartUp(IniSettings& config, const ProgramFolders& folders, CFWordDictionary& dictionary,
             MessageDisplay& messages, Window* owner)
{
    EnsureConfigFile(config);
    // A settings file that is there but cannot be read (a folder, a pipe,
    // unreadable) gives the defaults; the user is told so.
    if (const FileLoadResult settings = config.check(); !settings && config.exists())
        messages.showMessage(owner,
                             Tr(texts::kSettingsUnreadable) + '\n' + PathText(config.path()) + '\n'
                                 + FailureText(settings),
                             Tr(texts::kErrorCaption));
    const std::vector<std::filesystem::path> candidates = WordDataCandidates(config, folders);
    const auto found = std::ranges::find_if(candidates, Exists);
    if (found != candidates.end()) {
        if (dictionary.Load(*found))
            return true;
        // The file found is the one to blame.
        ReportWordDataLoadFailure(dictionary.lastLoadFailure(), std::span(&*found, 1), messages, owner);
        return false;
    }
    ReportWordDataLoadFailure(FileLoadResult::Failure(FileLoadResult::Reason::Missing, "no such file"),
                              candidates, messages, owner);
    return false;
}

} // namespace velmora
