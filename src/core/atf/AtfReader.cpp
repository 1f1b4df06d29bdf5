#include "core/atf/AtfReader.h"

#include "base/Utf8Codec.h"

namespace velmora {

namespace {

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t';
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool IsAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsPrime(char32_t c)
{
    return c == U'\'' || c == U'′' || c == U'″';
}

std::u32string_view TrimBlanks(std::u32string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The token that ends a line label: a line number with primes, letters and
// ranges (1. 12'. 1''. 3a. a+1.), ending in a full stop.
bool IsLineNumber(std::u32string_view token)
{
    if (token.size() < 2 || token.back() != U'.')
        return false;
    bool digit = false;
    for (const char32_t c : token) {
        if (IsAsciiDigit(c))
            digit = true;
        else if (!IsAsciiLetter(c) && !IsPrime(c) && c != U'+' && c != U'-' && c != U'.')
            return false;
    }
    return digit;
}

// A surface or column before the line number (o, r, obv., l.e., i, ii').
bool IsLabelPrefix(std::u32string_view token)
{
    if (token.empty() || token.size() > 8)
        return false;
    for (const char32_t c : token) {
        if (!IsAsciiLetter(c) && !IsPrime(c) && c != U'.')
            return false;
    }
    return true;
}

} // namespace

bool AtfReader::DecodeUtf8(std::string_view utf8, std::u32string& out)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    out.reserve(out.size() + n);
    for (std::size_t i = 0; i < n;) {
        const unsigned char b0 = bytes[i];
        if (b0 < 0x80) {
            // A NUL is no part of a transliteration, and in the editor it would
            // end every copy of its line: it separates words like a blank.
            out += b0 == 0 ? U' ' : static_cast<char32_t>(b0);
            ++i;
            continue;
        }
        const Utf8Decoded d = DecodeUtf8Sequence(bytes + i, n - i);
        if (d.length == 0)
            return false;
        out += static_cast<char32_t>(d.codePoint);
        i += d.length;
    }
    return true;
}

AtfReader::Line AtfReader::Classify(std::u32string_view text, std::uint32_t number)
{
    Line line;
    line.number = number;
    const std::u32string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return line;
    line.content = std::u32string(text);

    const auto startsWith = [&](std::u32string_view prefix) { return text.starts_with(prefix); };
    if (IsBlank(text.front())) {
        line.kind = Kind::Continuation;
        line.content = std::u32string(trimmed);
    } else if (text.front() == U'&') {
        line.kind = Kind::TextHeader;
    } else if (text.front() == U'@') {
        line.kind = Kind::Structure;
    } else if (text.front() == U'$') {
        line.kind = Kind::State;
    } else if (startsWith(U"#atf:") || startsWith(U"#atf ")) {
        line.kind = Kind::Protocol;
    } else if (text.front() == U'#') {
        line.kind = Kind::Comment;
    } else if (startsWith(U"==") || startsWith(U">>") || startsWith(U"<<") || startsWith(U"||")) {
        line.kind = Kind::Apparatus;
    } else {
        line.kind = Kind::Unlabelled;
        // The label is at most two prefix tokens and a line number.
        std::size_t pos = 0;
        for (int token = 0; token < 3 && pos < text.size(); ++token) {
            std::size_t end = pos;
            while (end < text.size() && !IsBlank(text[end]))
                ++end;
            const std::u32string_view word = text.substr(pos, end - pos);
            if (IsLineNumber(word)) {
                line.kind = Kind::Text;
                line.label = std::u32string(text.substr(0, end));
                line.content = std::u32string(TrimBlanks(text.substr(end)));
                break;
            }
            if (!IsLabelPrefix(word))
                break;
            pos = end;
            while (pos < text.size() && IsBlank(text[pos]))
                ++pos;
        }
    }
    return line;
}

AtfReader::Result AtfReader::Read(std::string_view utf8)
{
    Result result;
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    std::u32string decoded;
    std::uint32_t number = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t newline = utf8.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? utf8.size() : newline;
        std::string_view bytes = utf8.substr(pos, end - pos);
        pos = newline == std::string_view::npos ? utf8.size() : newline + 1;
        ++number;
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.remove_suffix(1);
        decoded.clear();
        if (!DecodeUtf8(bytes, decoded)) {
            result.errorLine = number;
            return result;
        }
        result.lines.push_back(Classify(decoded, number));
    }
    return result;
}

} // namespace velmora
