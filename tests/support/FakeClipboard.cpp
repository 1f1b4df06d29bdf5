#include "tests/support/FakeClipboard.h"

namespace velmora {

std::optional<std::u16string> FakeClipboard::unicodeText()
{
    ++fetches_;
    if (cannotFetch_ || !content_)
        return std::nullopt;
    return content_;
}

void FakeClipboard::setUnicodeText(std::u16string_view units)
{
    ++puts_;
    content_ = std::u16string(units);
    data_.reset();
}

void FakeClipboard::setUnicodeTextWithData(std::u16string_view units, std::string_view privateData)
{
    ++puts_;
    content_ = std::u16string(units);
    data_ = std::string(privateData);
}

} // namespace velmora
