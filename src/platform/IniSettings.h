#pragma once

#include "base/FileLoadResult.h"
#include "platform/Settings.h"

#include <cstdint>
#include <filesystem>

namespace velmora {

// A settings file of the classic profile format:
//
//   [Section]
//   Key=Value
//
// Sections and keys compare without regard to ASCII case; the first of
// duplicates counts. Keys and values are trimmed of surrounding blanks, and a
// value wrapped in a pair of double or single quotes loses them. Lines
// starting with ';' or '#', blank lines, lines outside any section and lines
// without '=' are no settings but are kept when writing. The file is UTF-8
// (a byte-order mark is tolerated and kept) with CR LF, LF or CR line ends.
//
// The file is read afresh at every call, so changes made meanwhile apply.
// Only a regular file of at most kMaxFileBytes is read (never a pipe or a
// device, which could hang the program). Writing rewrites the file safely
// (SafeFileWriter), keeping every other line byte for byte, creating the
// file, section or key as needed; new lines get the line end of the file's
// first line (CR LF for a new file).
class IniSettings : public Settings {
public:
    // Settings files are a few lines long; anything larger is no settings.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 20;

    explicit IniSettings(std::filesystem::path file);

    // Whether the file can be read, and if not why (Missing when absent).
    FileLoadResult check() const;

    // The value, or defaultValue when the file cannot be read or the
    // section or key is absent. A key present with nothing after '=' reads
    // as the empty string.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    // False when the file cannot be read or written, or when the section,
    // key or value could not be read back as written (an empty section or
    // key, a line break anywhere, ']' in the section, '=' in the key, a key
    // starting with '[', ';' or '#'). A value with blanks around it or in a
    // pair of quotes is written in double quotes, so that it reads back as
    // it was.
    bool writeString(std::string_view section, std::string_view key, std::string_view value) override;
    // Entry lines of the section are replaced by the entries, placed right
    // under its header; its comments and blank lines stay. False, writing
    // nothing, for the same reasons as writeString.
    bool writeSection(std::string_view section, std::span<const SettingsEntry> entries) override;

    // Whether the file exists.
    bool exists() const;
    const std::filesystem::path& path() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace velmora
