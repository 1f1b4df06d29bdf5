#include "tools/SignLookup.h"

#include "tools/Utf8Text.h"

#include <cstdio>

namespace velmora {

namespace {

constexpr std::uint32_t kSubscriptZero = 0x2080;

} // namespace

std::optional<std::vector<std::uint32_t>> SignLookup::TypedText(std::string_view utf8)
{
    auto text = DecodeUtf8(utf8);
    if (!text)
        return std::nullopt;
    for (std::uint32_t& c : *text) {
        if (c >= '0' && c <= '9')
            c = kSubscriptZero + (c - '0');
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
