#include "base/ConfiguredPath.h"

#include <string>

namespace velmora {

std::filesystem::path ResolveConfiguredPath(std::string_view configured)
{
    std::u8string text;
    text.reserve(configured.size());
    for (const char c : configured)
        text.push_back(c == '\\' ? u8'/' : static_cast<char8_t>(c));
    return std::filesystem::path(text).lexically_normal();
}

std::string PathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace velmora
