#include "core/dictionary/TransliterationKey.h"

#include <array>
#include <vector>

namespace velmora {

namespace {

struct CasePair {
    std::uint16_t capital;
    std::uint16_t small;
};

// Letters with circumflex, macron and caron in U+0000-U+017F.
constexpr CasePair kLatinPairs[] = {
    {0x00C2, 0x00E2}, {0x00CA, 0x00EA}, {0x00CE, 0x00EE}, {0x00DB, 0x00FB}, // Â Ê Î Û
    {0x0100, 0x0101}, {0x0112, 0x0113}, {0x012A, 0x012B}, {0x016A, 0x016B}, // Ā Ē Ī Ū
    {0x0160, 0x0161},                                                       // Š
};
// Letters with dot or breve below in U+1E00-U+1EFF.
constexpr CasePair kExtendedPairs[] = {
    {0x1E2A, 0x1E2B}, {0x1E62, 0x1E63}, {0x1E6C, 0x1E6D}, // Ḫ Ṣ Ṭ
};

constexpr std::array<std::uint16_t, 384> MakeLatinTable()
{
    std::array<std::uint16_t, 384> table{};
    table[0x27] = 0x27;
    for (std::uint16_t c = 'A'; c <= 'Z'; ++c) {
        table[c] = c;
        table[c + 0x20] = c;
    }
    for (const CasePair p : kLatinPairs) {
        table[p.capital] = p.capital;
        table[p.small] = p.capital;
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> MakeExtendedTable()
{
    std::array<std::uint16_t, 256> table{};
    for (const CasePair p : kExtendedPairs) {
        table[p.capital - 0x1E00] = p.capital;
        table[p.small - 0x1E00] = p.capital;
    }
    return table;
}

constexpr std::array<std::uint16_t, 384> kLatinTable = MakeLatinTable();
constexpr std::array<std::uint16_t, 256> kExtendedTable = MakeExtendedTable();

constexpr std::uint32_t kSubscriptZero = 0x2080;
constexpr std::uint32_t kSubscriptNine = 0x2089;

bool IsSubscriptDigit(std::uint32_t c)
{
    return c >= kSubscriptZero && c <= kSubscriptNine;
}

} // namespace

std::uint32_t NormalizeKeyChar(std::uint32_t codePoint)
{
    if (codePoint < kLatinTable.size())
        return kLatinTable[codePoint];
    if (codePoint >= 0x1E00 && codePoint <= 0x1EFF)
        return kExtendedTable[codePoint - 0x1E00];
    if (IsSubscriptDigit(codePoint))
        return codePoint;
    return 0;
}

TransliterationKey TransliterationKey::Derive(std::span<const std::uint32_t> text, const Rules& rules)
{
    TransliterationKey result;
    if (text.empty()) {
        result.status = Status::Empty;
        return result;
    }
    if (text.size() > rules.characterLimit) {
        if (rules.longText == LongText::Refuse) {
            result.status = Status::OverLimit;
            return result;
        }
        text = text.first(rules.characterLimit);
    }

    // Key symbols up to the first subscript digit. After a character without
    // key symbol the key has ended, but the digits are still looked for.
    std::vector<std::uint32_t> symbols;
    bool keyEnded = false;
    std::size_t digitsAt = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t symbol = NormalizeKeyChar(text[i]);
        if (IsSubscriptDigit(symbol)) {
            digitsAt = i;
            break;
        }
        if (symbol == 0) {
            if (rules.noKeySymbol == NoKeySymbolChar::Refuses) {
                result.status = Status::NoKeySymbol;
                return result;
            }
            keyEnded = true;
        } else if (!keyEnded) {
            symbols.push_back(symbol);
        }
    }

    std::uint32_t number = 0;
    for (std::size_t i = digitsAt, taken = 0;
         i < text.size() && taken < rules.digitLimit && IsSubscriptDigit(text[i]); ++i, ++taken)
        number = number * 10 + (text[i] - kSubscriptZero);

    result.key = CFWordSign::FromCells(symbols);
    result.number = number;
    result.startsWithDigit = digitsAt == 0;
    result.status = result.startsWithDigit && rules.leadingDigit == LeadingDigit::NoLookup ? Status::NoLookup
                                                                                           : Status::Ok;
    return result;
}

std::size_t TransliterationKey::FirstReadingLength(std::span<const std::uint32_t> text)
{
    std::size_t i = 0;
    while (i < text.size() && !IsSubscriptDigit(text[i]))
        ++i;
    while (i < text.size() && IsSubscriptDigit(text[i]))
        ++i;
    return i;
}

} // namespace velmora
