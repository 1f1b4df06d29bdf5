#pragma once

#include "base/FileWriteResult.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Whole files for the command-line tools.

// The largest file the tools read whole (sign lists).
inline constexpr std::uint64_t kMaxToolFileBytes = std::uint64_t{256} << 20;

// The content of a regular file of at most maxSize bytes, or null when it
// cannot be opened or read; why then says why (" (not a regular file)").
// Opening never blocks: a pipe without a writer, a device or a folder is
// refused.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::uint64_t maxSize = kMaxToolFileBytes,
                                         std::string* why = nullptr);

// Replaces a file with bytes without ever leaving it half written; fails
// with the reason when the file cannot be written (it is then unchanged).
FileWriteResult WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// "cannot write the file (No space left on device)": a failed write, for a
// tool's error line.
std::string CannotWriteText(const FileWriteResult& result);

} // namespace velmora
