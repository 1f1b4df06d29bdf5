#pragma once

#include "platform/Clipboard.h"

#include <optional>
#include <string>

namespace velmora {

// An in-memory clipboard. It starts empty (no text). Setting text, as
// another program would, drops the editor's own data. setCannotFetch makes it
// claim text that cannot then be read, as a clipboard owned by a process
// that fails to deliver.
class FakeClipboard : public Clipboard {
public:
    bool hasUnicodeText() const override { return content_.has_value(); }
    std::optional<std::u16string> unicodeText() override;
    void setUnicodeText(std::u16string_view units) override;
    void setUnicodeTextWithData(std::u16string_view units, std::string_view privateData) override;
    std::optional<std::string> privateData() override { return data_; }

    // Test set-up: put text there, or empty it, without counting as a put.
    void setText(std::u16string text)
    {
        content_ = std::move(text);
        data_.reset();
    }
    void setNoText()
    {
        content_.reset();
        data_.reset();
    }
    void setCannotFetch(bool cannotFetch) { cannotFetch_ = cannotFetch; }

    // What is there now (nothing when empty).
    const std::optional<std::u16string>& content() const { return content_; }
    // Number of setUnicodeText calls.
    int putCount() const { return puts_; }
    // Number of unicodeText calls.
    int fetchCount() const { return fetches_; }

private:
    std::optional<std::u16string> content_;
    std::optional<std::string> data_;
    bool cannotFetch_ = false;
    int puts_ = 0;
    int fetches_ = 0;
};

} // namespace velmora
