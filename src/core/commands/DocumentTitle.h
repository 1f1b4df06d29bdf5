#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// The name the title shows for a document that has no file yet.
inline constexpr std::u16string_view kNewFileName = u"new file";
// What follows the name of an ATF file a document was imported from.
inline constexpr std::u16string_view kImportedSuffix = u" (imported)";
// What follows the document's name in the title.
inline constexpr std::u16string_view kTitleSuffix = u" - Velmora";
// The longest title in UTF-16 units.
inline constexpr std::size_t kMaxTitleUnits = 99;

// The main window's title for a document name: "NAME - Velmora". A name
// too long for kMaxTitleUnits is cut (never inside a surrogate pair) so
// that the suffix always shows.
std::u16string ComposeDocumentTitle(std::u16string_view name);

// The name of a file without its folder, as UTF-16. Bytes of the name that
// are not UTF-8 show as U+FFFD.
std::u16string FileTitleOf(const std::filesystem::path& path);

} // namespace velmora
