#pragma once

#include "platform/Settings.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// Settings held in memory, with sections and keys compared without regard to
// ASCII case. It records every write and can be made to refuse writes.
class MemorySettings : public Settings {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
        friend bool operator==(const Write&, const Write&) = default;
    };

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    bool writeString(std::string_view section, std::string_view key, std::string_view value) override;
    // Recorded as one write per entry.
    bool writeSection(std::string_view section, std::span<const SettingsEntry> entries) override;

    // Test set-up: stores a value without recording a write.
    void set(std::string_view section, std::string_view key, std::string_view value);
    void remove(std::string_view section, std::string_view key);
    bool contains(std::string_view section, std::string_view key) const;

    void setWritable(bool writable) { writable_ = writable; }
    // Every writeString call, refused ones included.
    const std::vector<Write>& writes() const { return writes_; }
    // Number of readString calls.
    int readCount() const { return reads_; }

private:
    using Key = std::pair<std::string, std::string>;
    static Key keyOf(std::string_view section, std::string_view key);

    std::map<Key, std::string> values_;
    std::vector<Write> writes_;
    bool writable_ = true;
    mutable int reads_ = 0;
};

} // namespace velmora
