#include "core/commands/WindowGeometry.h"

#include "platform/Settings.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace velmora {

namespace {

// Far beyond any screen, small enough that sums of them cannot overflow.
constexpr int kLimit = 1'000'000;

std::optional<int> ReadInt(const Settings& settings, std::string_view key, int min, int max)
{
    const std::string text = settings.readString(WindowGeometry::kSection, key, {});
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<WindowGeometry> WindowGeometry::Read(const Settings& settings)
{
    const auto x = ReadInt(settings, "X", -kLimit, kLimit);
    const auto y = ReadInt(settings, "Y", -kLimit, kLimit);
    const auto width = ReadInt(settings, "Width", 1, kLimit);
    const auto height = ReadInt(settings, "Height", 1, kLimit);
    const auto maximized = ReadInt(settings, "Maximized", 0, 1);
    if (!x || !y || !width || !height)
        return std::nullopt;
    return WindowGeometry{*x, *y, std::max(*width, kMinWidth), std::max(*height, kMinHeight),
                          maximized.value_or(0) == 1};
}

bool WindowGeometry::Write(Settings& settings) const
{
    const std::vector<SettingsEntry> entries{
        {"X", std::to_string(x)},
        {"Y", std::to_string(y)},
        {"Width", std::to_string(width)},
        {"Height", std::to_string(height)},
        {"Maximized", maximized ? "1" : "0"},
    };
    return settings.writeSection(kSection, entries);
}

} // namespace velmora
