#include "core/commands/RecentFiles.h"

#include "base/ConfiguredPath.h"
#include "platform/Settings.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace velmora {

namespace {

std::string KeyOf(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(Settings& settings) : settings_(settings)
{
}

std::vector<std::filesystem::path> RecentFiles::Files() const
{
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; i < kMaxFiles; ++i) {
        const std::string text = settings_.readString(kSection, KeyOf(i), {});
        if (text.empty())
            continue;
        // Stored as UTF-8, exactly as the path was: a backslash in a
        // name stays part of it.
        std::filesystem::path path(std::u8string(text.begin(), text.end()));
        if (std::ranges::find(files, path) == files.end())
            files.push_back(std::move(path));
    }
    return files;
}

std::vector<std::filesystem::path> RecentFiles::ExistingFiles() const
{
    std::vector<std::filesystem::path> files = Files();
    std::erase_if(files, [](const std::filesystem::path& path) {
        std::error_code error;
        return !std::filesystem::exists(path, error);
    });
    return files;
}

bool RecentFiles::Add(const std::filesystem::path& path)
{
    // A name with a line break cannot be kept in the settings file.
    if (PathText(path).find_first_of("\r\n") != std::string::npos)
        return false;
    std::vector<std::filesystem::path> files = Files();
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > kMaxFiles)
        files.resize(kMaxFiles);
    return Store(files);
}

bool RecentFiles::Clear()
{
    return Store({});
}

bool RecentFiles::Store(const std::vector<std::filesystem::path>& files)
{
    std::vector<SettingsEntry> entries;
    for (std::size_t i = 0; i < files.size(); ++i)
        entries.emplace_back(KeyOf(i), PathText(files[i]));
    return settings_.writeSection(kSection, entries);
}

} // namespace velmora
