#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// A file path as the settings file writes it (".\signdata.cfd",
// "data\signs.cfd", UTF-8), with '\' and '/' both taken as separators, as a
// path of this system in its lexically normal form. A relative path stays
// relative (to the current directory).
std::filesystem::path ResolveConfiguredPath(std::string_view configured);

// A path as UTF-8 text, as messages show it and the settings file keeps it.
std::string PathText(const std::filesystem::path& path);

} // namespace velmora
