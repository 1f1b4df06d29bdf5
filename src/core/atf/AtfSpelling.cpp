#include "core/atf/AtfSpelling.h"

namespace velmora {

namespace {

constexpr char32_t kSubscriptZero = U'₀';
constexpr char32_t kSubscriptNine = U'₉';
constexpr char32_t kSubscriptX = U'ₓ';

bool IsAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsSubscriptDigit(char32_t c)
{
    return c >= kSubscriptZero && c <= kSubscriptNine;
}

// The plain vowel and implied index of a vowel with acute (2) or grave (3)
// accent, the old way of writing the index (šá, ù).
struct Accented {
    char32_t vowel = 0;
    int index = 0;
};

Accented AccentedVowel(char32_t c)
{
    switch (c) {
    case U'á':
    case U'Á':
        return {U'a', 2};
    case U'é':
    case U'É':
        return {U'e', 2};
    case U'í':
    case U'Í':
        return {U'i', 2};
    case U'ú':
    case U'Ú':
        return {U'u', 2};
    case U'à':
    case U'À':
        return {U'a', 3};
    case U'è':
    case U'È':
        return {U'e', 3};
    case U'ì':
    case U'Ì':
        return {U'i', 3};
    case U'ù':
    case U'Ù':
        return {U'u', 3};
    default:
        return {};
    }
}

} // namespace

char32_t AtfSpelling::Lower(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c - U'A' + U'a';
    switch (c) {
    case U'Š':
        return U'š';
    case U'Ṣ':
        return U'ṣ';
    case U'Ṭ':
        return U'ṭ';
    case U'Ś':
        return U'ś';
    case U'Ŋ':
        return U'ŋ';
    case U'Ḫ':
    case U'ḫ':
        return U'h';
    case U'Ĝ':
    case U'ĝ':
        return U'ŋ';
    case U'Ā':
        return U'ā';
    case U'Ē':
        return U'ē';
    case U'Ī':
        return U'ī';
    case U'Ū':
        return U'ū';
    case U'Â':
        return U'â';
    case U'Ê':
        return U'ê';
    case U'Î':
        return U'î';
    case U'Û':
        return U'û';
    default:
        return c;
    }
}

bool AtfSpelling::IsLetter(char32_t c)
{
    const char32_t lower = Lower(c);
    if (lower >= U'a' && lower <= U'z')
        return true;
    switch (lower) {
    case U'š':
    case U'ṣ':
    case U'ṭ':
    case U'ś':
    case U'ŋ':
    case U'ʾ':
    case U'ā':
    case U'ē':
    case U'ī':
    case U'ū':
    case U'â':
    case U'ê':
    case U'î':
    case U'û':
        return true;
    default:
        return AccentedVowel(c).vowel != 0;
    }
}

bool AtfSpelling::StartsUpper(std::u32string_view text)
{
    for (const char32_t c : text) {
        if (IsLetter(c))
            return Lower(c) != c || (c >= U'A' && c <= U'Z');
    }
    return false;
}

std::u32string AtfSpelling::Canonical(std::u32string_view text)
{
    return Spell(text, false);
}

std::u32string AtfSpelling::Oracc(std::u32string_view text)
{
    return Spell(text, true);
}

std::u32string AtfSpelling::Spell(std::u32string_view text, bool keepCase)
{
    // The letter, in the case of the letter it was written with when the
    // case is kept.
    const auto cased = [keepCase](char32_t small, char32_t capital, char32_t writtenWith) {
        return keepCase && writtenWith >= U'A' && writtenWith <= U'Z' ? capital : small;
    };
    std::u32string out;
    out.reserve(text.size());
    bool inPipe = false;
    // The index an accented vowel of the current run of letters implies;
    // written out when the run ends without index digits.
    int accentIndex = 0;
    const auto endOfRun = [&] {
        if (accentIndex != 0)
            out += static_cast<char32_t>(kSubscriptZero + accentIndex);
        accentIndex = 0;
    };
    const auto afterLetter = [&] { return !out.empty() && IsLetter(out.back()); };
    const auto afterSign = [&] {
        if (out.empty())
            return false;
        const char32_t last = out.back();
        return IsLetter(last) || IsAsciiDigit(last) || IsSubscriptDigit(last) || last == kSubscriptX
            || last == U')';
    };

    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t c = text[i];
        const char32_t next = i + 1 < n ? text[i + 1] : 0;
        if ((c == U's' || c == U'S') && (next == U'z' || next == U'Z' || next == U',' || next == U'\'')) {
            out += next == U',' ? cased(U'ṣ', U'Ṣ', c)
                : next == U'\'' ? cased(U'ś', U'Ś', c)
                                : cased(U'š', U'Š', c);
            ++i;
            continue;
        }
        if ((c == U't' || c == U'T') && next == U',') {
            out += cased(U'ṭ', U'Ṭ', c);
            ++i;
            continue;
        }
        if (c == U'j' || c == U'J') {
            out += cased(U'ŋ', U'Ŋ', c);
            continue;
        }
        if (c == U'\'') {
            out += U'ʾ';
            continue;
        }
        if (const Accented accented = AccentedVowel(c); accented.vowel != 0) {
            const bool capital =
                keepCase && std::u32string_view(U"ÁÉÍÚÀÈÌÙ").find(c) != std::u32string_view::npos;
            out += capital ? accented.vowel - U'a' + U'A' : accented.vowel;
            accentIndex = accented.index;
            continue;
        }
        if (c == U'x' || c == U'X') {
            if (inPipe && afterSign() && (IsLetter(next) || IsAsciiDigit(next) || next == U'('))
                out += U'×'; // C-ATF's "times" inside a compound: |GA2xAN|
            else if (!inPipe && afterLetter()) {
                out += kSubscriptX; // C-ATF's index x: gux(KA)
                accentIndex = 0;
            } else
                out += U'x';
            continue;
        }
        if (IsLetter(c)) {
            out += keepCase ? c : Lower(c);
            continue;
        }
        if (IsAsciiDigit(c) && afterLetter()) {
            // Index digits end the reading; digits followed by more letters
            // are part of a name (BAU161b). Inside a compound an x after
            // them is the "times" sign, not a letter.
            std::size_t end = i;
            while (end < n && IsAsciiDigit(text[end]))
                ++end;
            const bool timesFollows = inPipe && end < n && (text[end] == U'x' || text[end] == U'X');
            const bool index = end == n || !IsLetter(text[end]) || timesFollows;
            for (std::size_t k = i; k < end; ++k)
                out += index ? static_cast<char32_t>(kSubscriptZero + (text[k] - U'0')) : text[k];
            if (index)
                accentIndex = 0;
            i = end - 1;
            continue;
        }
        if (IsSubscriptDigit(c) || c == kSubscriptX) {
            accentIndex = 0;
            out += c;
            continue;
        }
        if (IsAsciiDigit(c)) {
            out += c;
            continue;
        }
        endOfRun();
        if (c == U'|')
            inPipe = !inPipe;
        out += c;
    }
    endOfRun();
    return out;
}

} // namespace velmora
