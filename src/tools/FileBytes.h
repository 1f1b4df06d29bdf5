#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Whole files for the command-line tools.

// The content of a file, or null when it cannot be opened or read (a
// folder opens but cannot be read).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces a file with bytes without ever leaving it half written; false
// when the file cannot be written (it is then unchanged).
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace velmora
