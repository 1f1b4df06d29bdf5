#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Strict UTF-8 for the command-line tools: sign lists and command-line
// arguments are decoded with ICU's checks, so malformed bytes are reported
// instead of guessed at.

// The code points of text, or null when text is not well-formed UTF-8.
std::optional<std::vector<std::uint32_t>> DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a code point (nothing for a value that is not a
// Unicode scalar value).
void AppendUtf8(std::string& out, std::uint32_t codePoint);

} // namespace velmora
