#include "tools/SignLookup.h"

#include "base/Utf8Codec.h"

#include <cstdio>

namespace velmora {

namespace {

constexpr std::uint32_t kSubscriptZero = 0x2080;
constexpr std::uint32_t kShin = 0x0160;      // Š, š follows
constexpr std::uint32_t kHetUpper = 0x1E2A;  // Ḫ, ḫ follows
constexpr std::uint32_t kSadeUpper = 0x1E62; // Ṣ, ṣ follows
constexpr std::uint32_t kTetUpper = 0x1E6C;  // Ṭ, ṭ follows
constexpr std::uint32_t kEngUpper = 0x014A;  // Ŋ, ŋ follows

} // namespace

std::optional<std::vector<std::uint32_t>> SignLookup::TypedText(std::string_view utf8)
{
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded)
        return std::nullopt;
    const std::vector<std::uint32_t>& in = *decoded;
    std::vector<std::uint32_t> text;
    text.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const std::uint32_t c = in[i];
        const std::uint32_t next = i + 1 < in.size() ? in[i + 1] : 0;
        const bool upper = c >= 'A' && c <= 'Z';
        if ((c == 's' || c == 'S') && (next == 'z' || next == 'Z')) {
            text.push_back(upper ? kShin : kShin + 1);
            ++i;
        } else if ((c == 's' || c == 'S') && next == ',') {
            text.push_back(upper ? kSadeUpper : kSadeUpper + 1);
            ++i;
        } else if ((c == 't' || c == 'T') && next == ',') {
            text.push_back(upper ? kTetUpper : kTetUpper + 1);
            ++i;
        } else if (c == 'c' || c == 'C') {
            text.push_back(upper ? kShin : kShin + 1);
        } else if (c == 'h' || c == 'H') {
            text.push_back(upper ? kHetUpper : kHetUpper + 1);
        } else if (c == kEngUpper || c == kEngUpper + 1) {
            text.push_back(c == kEngUpper ? 'G' : 'g'); // the sign data keeps ŋ as g
        } else if (c >= '0' && c <= '9') {
            text.push_back(kSubscriptZero + (c - '0'));
        } else {
            text.push_back(c);
        }
    }
    return text;
}

std::size_t SignLookup::PreselectedIndex(std::span<const std::uint32_t> numbers, std::uint32_t requested)
{
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] >= requested)
            return i;
    }
    return 0;
}

SignLookup::Result SignLookup::Lookup(const CFWordDictionary& dictionary,
                                      std::span<const std::uint32_t> typed)
{
    Result result;
    result.derived = TransliterationKey::Derive(typed, TransliterationKey::InputMode);
    if (!result.derived.Usable())
        return result;

    const WordPtr& key = result.derived.key;
    const std::uint32_t count = dictionary.CountCandidates(key);
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t i = 0; i < count; ++i) {
        WordPtr word = dictionary.GetCandidate(i, key);
        numbers.push_back(word->number);
        result.candidates.push_back(Candidate{std::move(word)});
    }
    if (!result.candidates.empty())
        result.candidates[PreselectedIndex(numbers, result.derived.number)].preselected = true;
    return result;
}

std::string SignLookup::Format(const Result& result)
{
    std::string out;
    for (const Candidate& candidate : result.candidates) {
        out += candidate.preselected ? '*' : ' ';
        out += '\t';
        out += std::to_string(candidate.word->number);
        out += '\t';
        const auto signs = candidate.word->Cells();
        for (std::size_t i = 0; i < signs.size(); ++i) {
            char code[16];
            std::snprintf(code, sizeof code, "%sU+%04X", i > 0 ? " " : "", static_cast<unsigned>(signs[i]));
            out += code;
        }
        out += '\t';
        for (const std::uint32_t sign : signs)
            AppendUtf8(out, sign);
        out += '\n';
    }
    return out;
}

} // namespace velmora
