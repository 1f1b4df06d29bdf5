#include "tests/support/MemorySettings.h"

namespace velmora {

namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

MemorySettings::Key MemorySettings::keyOf(std::string_view section, std::string_view key)
{
    return {Lower(section), Lower(key)};
}

std::string MemorySettings::readString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    ++reads_;
    const auto found = values_.find(keyOf(section, key));
    return found != values_.end() ? found->second : std::string(defaultValue);
}

bool MemorySettings::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    writes_.push_back({std::string(section), std::string(key), std::string(value)});
    if (!writable_)
        return false;
    values_[keyOf(section, key)] = std::string(value);
    return true;
}

bool MemorySettings::writeSection(std::string_view section, std::span<const SettingsEntry> entries)
{
    for (const auto& [key, value] : entries)
        writes_.push_back({std::string(section), key, value});
    if (!writable_)
        return false;
    const std::string name = Lower(section);
    std::erase_if(values_, [&](const auto& value) { return value.first.first == name; });
    for (const auto& [key, value] : entries)
        values_[keyOf(section, key)] = value;
    return true;
}

void MemorySettings::set(std::string_view section, std::string_view key, std::string_view value)
{
    values_[keyOf(section, key)] = std::string(value);
}

void MemorySettings::remove(std::string_view section, std::string_view key)
{
    values_.erase(keyOf(section, key));
}

bool MemorySettings::contains(std::string_view section, std::string_view key) const
{
    return values_.count(keyOf(section, key)) != 0;
}

} // namespace velmora
