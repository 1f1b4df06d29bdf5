#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace velmora {

class Settings;

// The documents opened or saved last, newest first, kept in the settings
// file's section "RecentFiles" as File1 (the newest) to File8. Paths are
// stored as they were given (absolute ones, by the main window), so the
// list means the same from any start folder.
class RecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 8;
    static constexpr std::string_view kSection = "RecentFiles";

    explicit RecentFiles(Settings& settings);

    // The stored list, newest first, at most kMaxFiles and without repeats.
    std::vector<std::filesystem::path> Files() const;
    // Those of the list that exist now: what the menu offers.
    std::vector<std::filesystem::path> ExistingFiles() const;
    // Puts path at the front, moving it there when it is already listed and
    // dropping the oldest beyond kMaxFiles. False when the settings file
    // could not be written.
    [[nodiscard]] bool Add(const std::filesystem::path& path);
    // Empties the list.
    [[nodiscard]] bool Clear();

private:
    [[nodiscard]] bool Store(const std::vector<std::filesystem::path>& files);

    Settings& settings_;
};

} // namespace velmora
