#include "app/StartUp.h"

#include "dictionary/CFWordDictionary.h"
#include "platform/ConfiguredPath.h"
#include "platform/IniSettings.h"
#include "platform/MessageDisplay.h"
#include "view/CFSignFont.h"

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

void ReportWordDataLoadFailure(const CFWordDictionary& dictionary, MessageDisplay& messages,
                               Window* owner)
{
    messages.showMessage(owner,
                         dictionary.lastLoadResult() == CFWordDictionary::SyntaxError
                             ? kWordDataSyntaxError
                             : kCannotOpenWordData,
                         kErrorCaption);
}

bool StartUp(IniSettings& config, CFWordDictionary& dictionary, MessageDisplay& messages,
             Window* owner)
{
    EnsureConfigFile(config);
    if (dictionary.Load(ConfiguredWordDataPath(config)))
        return true;
    ReportWordDataLoadFailure(dictionary, messages, owner);
    return false;
}

} // namespace velmora
