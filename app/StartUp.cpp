#include "app/StartUp.h"

#include "dictionary/CFWordDictionary.h"
#include "platform/ConfiguredPath.h"
#include "platform/IniSettings.h"
#include "platform/MessageDisplay.h"
#include "resources/Messages.h"
#include "view/CFSignFont.h"

#include <string>

namespace velmora {

void EnsureConfigFile(IniSettings& config)
{
    if (config.exists())
        return;
    // A file that cannot be written leaves the defaults in force, which are
    // the same values; nothing is lost.
    config.writeString(CFSignFont::kSection, CFSignFont::kNameKey, CFSignFont::kDefaultFace);
    config.writeString(kWordDataSection, kWordDataKey, kInitialWordDataFile);
}

std::filesystem::path ConfiguredWordDataPath(const IniSettings& config)
{
    const std::filesystem::path configured = ResolveConfiguredPath(
        config.readString(kWordDataSection, kWordDataKey, kDefaultWordDataFile));
    return config.path().parent_path() / configured;
}

void ReportWordDataLoadFailure(const CFWordDictionary& dictionary, const std::filesystem::path& path,
                               MessageDisplay& messages, Window* owner)
{
    std::string text(dictionary.lastLoadResult() == CFWordDictionary::SyntaxError ? kWordDataSyntaxError
                                                                                  : kCannotOpenWordData);
    text += '\n';
    text += DisplayPath(path);
    text += '\n';
    text += dictionary.lastLoadFailure().Describe();
    messages.showMessage(owner, text, kErrorCaption);
}

std::string DisplayPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool StartUp(IniSettings& config, CFWordDictionary& dictionary, MessageDisplay& messages,
             Window* owner)
{
    EnsureConfigFile(config);
    // A settings file that is there but cannot be read (a folder, a pipe,
    // unreadable) gives the defaults; the user is told so.
    if (const FileLoadResult settings = config.check(); !settings && config.exists())
        messages.showMessage(owner,
                             std::string(kSettingsUnreadable) + '\n' + DisplayPath(config.path()) + '\n'
                                 + settings.Describe(),
                             kErrorCaption);
    const std::filesystem::path wordData = ConfiguredWordDataPath(config);
    if (dictionary.Load(wordData))
        return true;
    ReportWordDataLoadFailure(dictionary, wordData, messages, owner);
    return false;
}

} // namespace velmora
