#include "tools/OslSignList.h"

#include "core/dictionary/TransliterationKey.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <set>
#include <utility>

namespace velmora {

namespace {

// What one line of a sign data file can hold.
constexpr std::size_t kMaxKeySymbols = 49;
constexpr std::size_t kMaxSigns = 49;
// More digits than any index needs; keeps the number within 32 bits.
constexpr std::size_t kMaxIndexDigits = 9;

constexpr std::uint32_t kFirstSign = 0x12000;
constexpr std::uint32_t kLastSign = 0x1254F;

constexpr std::uint32_t kSubscriptZero = 0x2080;
constexpr std::uint32_t kSubscriptNine = 0x2089;
constexpr std::uint32_t kSubscriptX = 0x2093; // ₓ: index not known

bool IsSubscriptDigit(std::uint32_t c)
{
    return c >= kSubscriptZero && c <= kSubscriptNine;
}

bool IsBlank(std::uint32_t c)
{
    return c == ' ' || c == '\t';
}

// The key symbol of one letter of a value, or 0 when the key notation has
// none for it.
std::uint32_t KeySymbol(std::uint32_t c)
{
    switch (c) {
    case 'h':
    case 'H':
        return 0x1E2A; // Oracc writes ḫ as h
    case '\'':
    case 0x02BE: // ʾ
        return '\'';
    case 0x014A: // Ŋ
    case 0x014B: // ŋ
        return 'G';
    default:
        break;
    }
    const std::uint32_t symbol = NormalizeKeyChar(c);
    // A plain C has no notation in a sign data file, where C stands for Š.
    if (symbol == 'C' || IsSubscriptDigit(symbol))
        return 0;
    return symbol;
}

// Adds a candidate unless the key has it with the same number already;
// false when it was there.
bool AddCandidate(CFWordDictionary& dictionary, OslSignList::Summary& summary,
                  const std::vector<std::uint32_t>& keySymbols, std::uint32_t number,
                  const std::vector<std::uint32_t>& signs)
{
    WordPtr key = CFWordSign::FromCells(keySymbols);
    if (const auto* entry = dictionary.FindEntry(key)) {
        const bool repeated =
            std::any_of(entry->candidates->begin(), entry->candidates->end(), [&](const WordPtr& c) {
                return c->number == number && std::ranges::equal(c->Cells(), signs);
            });
        if (repeated)
            return false;
    }
    dictionary.AddWord(number, std::move(key), CFWordSign::FromCells(signs));
    ++summary.readings;
    return true;
}

// Adds the readings of a list: certain current values at once, uncertain
// ones after them, deprecated ones once every current value is known.
class ReadingCollector {
public:
    ReadingCollector(const OslReader::Result& list, CFWordDictionary& dictionary,
                     OslSignList::Summary& summary)
        : list_(list)
        , dictionary_(dictionary)
        , summary_(summary)
        , withoutSign_(list.blocks.size(), false)
    {
    }

    void run()
    {
        // Certain current values first, then uncertain ones, so that a
        // value marked "?" never comes before a certain value of the same
        // key and number; deprecated values last.
        std::vector<Deferred> uncertain;
        std::vector<Deferred> deprecated;
        for (const OslReader::Value& value : list_.values) {
            const auto read = OslSignList::ReadValue(value.text);
            if (const auto* reason = std::get_if<LeftOut>(&read)) {
                leaveOut(*reason);
                continue;
            }
            const auto& reading = std::get<OslSignList::Reading>(read);
            if (value.deprecated || list_.blocks[value.block].deprecated) {
                deprecated.push_back(Deferred{value.block, reading});
                continue;
            }
            current_.insert({reading.key, reading.number});
            if (reading.uncertain)
                uncertain.push_back(Deferred{value.block, reading});
            else
                add(value.block, reading);
        }
        for (const Deferred& value : uncertain) {
            if (add(value.block, value.reading))
                ++summary_.uncertainKept;
        }
        for (const Deferred& value : deprecated) {
            if (current_.contains({value.reading.key, value.reading.number})) {
                leaveOut(LeftOut::Superseded);
                continue;
            }
            if (add(value.block, value.reading)) {
                ++summary_.deprecatedKept;
                if (value.reading.uncertain)
                    ++summary_.uncertainKept;
            }
        }
    }

private:
    using LeftOut = OslSignList::LeftOut;
    struct Deferred {
        std::size_t block;
        OslSignList::Reading reading;
    };

    void leaveOut(LeftOut reason) { ++summary_[reason]; }

    // Adds a reading unless it repeats an earlier one; false when it gives
    // no candidate.
    bool add(std::size_t blockIndex, const OslSignList::Reading& reading)
    {
        const auto signs = OslSignList::EncodedSigns(list_.blocks[blockIndex].ucun);
        if (!signs) {
            if (!withoutSign_[blockIndex]) {
                withoutSign_[blockIndex] = true;
                ++summary_.blocksWithoutEncodedSign;
            }
            leaveOut(LeftOut::NoEncodedSign);
            return false;
        }
        if (!AddCandidate(dictionary_, summary_, reading.key, reading.number, *signs)) {
            leaveOut(LeftOut::Repeated);
            return false;
        }
        return true;
    }

    const OslReader::Result& list_;
    CFWordDictionary& dictionary_;
    OslSignList::Summary& summary_;
    std::vector<bool> withoutSign_;
    std::set<std::pair<std::vector<std::uint32_t>, std::uint32_t>> current_;
};

} // namespace

std::string_view OslSignList::Describe(LeftOut reason)
{
    switch (reason) {
    case LeftOut::UnknownIndex:
        return "unknown index (ₓ)";
    case LeftOut::Compound:
        return "compound writing (hyphen)";
    case LeftOut::Unexpressible:
        return "outside the key notation (characters, index ₀)";
    case LeftOut::Superseded:
        return "deprecated, a current value has the same reading";
    case LeftOut::NoEncodedSign:
        return "no encoded sign in @ucun";
    case LeftOut::Repeated:
        return "repeated (same key, number and signs)";
    }
    return "unknown";
}

std::variant<OslSignList::Reading, OslSignList::LeftOut>
OslSignList::ReadValue(std::span<const std::uint32_t> value)
{
    // A language tag ("%akk", "%akk/n") names the language of the value that
    // follows it.
    if (!value.empty() && value.front() == '%') {
        auto blank = std::find_if(value.begin(), value.end(), IsBlank);
        blank = std::find_if_not(blank, value.end(), IsBlank);
        value = value.subspan(static_cast<std::size_t>(blank - value.begin()));
    }

    // An uncertain value ends in "?".
    Reading reading;
    while (!value.empty() && value.back() == '?') {
        reading.uncertain = true;
        value = value.first(value.size() - 1);
    }
    const auto holds = [value](std::uint32_t c) {
        return std::find(value.begin(), value.end(), c) != value.end();
    };
    if (holds(kSubscriptX))
        return LeftOut::UnknownIndex;
    if (value.size() > 2 && std::find(value.begin() + 1, value.end() - 1, '-') != value.end() - 1)
        return LeftOut::Compound;

    std::size_t i = 0;
    for (; i < value.size() && !IsSubscriptDigit(value[i]); ++i) {
        const std::uint32_t symbol = KeySymbol(value[i]);
        if (symbol == 0)
            return LeftOut::Unexpressible;
        reading.key.push_back(symbol);
    }
    if (reading.key.empty() || reading.key.size() > kMaxKeySymbols)
        return LeftOut::Unexpressible;

    const std::size_t digitsAt = i;
    std::uint32_t number = 0;
    for (; i < value.size() && IsSubscriptDigit(value[i]); ++i)
        number = number * 10 + (value[i] - kSubscriptZero);
    const std::size_t digits = i - digitsAt;
    // Letters after the index, or more digits than a number holds.
    if (i != value.size() || digits > kMaxIndexDigits)
        return LeftOut::Unexpressible;
    // A sign data line without digits reads back as number 1, so index ₀
    // could not be stored.
    if (digits > 0 && number == 0)
        return LeftOut::Unexpressible;
    reading.number = digits == 0 ? 1 : number;
    return reading;
}

std::optional<std::vector<std::uint32_t>> OslSignList::EncodedSigns(std::span<const std::uint32_t> ucun)
{
    if (ucun.empty() || ucun.size() > kMaxSigns)
        return std::nullopt;
    for (const std::uint32_t c : ucun) {
        if (c < kFirstSign || c > kLastSign || !u_isdefined(static_cast<UChar32>(c)))
            return std::nullopt;
    }
    return std::vector<std::uint32_t>(ucun.begin(), ucun.end());
}

OslSignList::Summary OslSignList::Convert(const OslReader::Result& list, CFWordDictionary& dictionary)
{
    Summary summary;
    summary.signs = list.signCount();
    summary.forms = list.formCount();
    summary.values = list.values.size();
    ReadingCollector(list, dictionary, summary).run();
    return summary;
}

void OslSignList::AddDeterminatives(CFWordDictionary& dictionary, Summary& summary)
{
    static constexpr std::pair<std::uint32_t, std::uint32_t> kDeterminatives[] = {
        {'D', 0x1202D}, // AN
        {'M', 0x12079}, // DIŠ
        {'F', 0x122A9}, // SAL (MUNUS)
    };
    for (const auto& [letter, sign] : kDeterminatives) {
        if (AddCandidate(dictionary, summary, {letter}, 1, {sign}))
            ++summary.determinativesAdded;
    }
}

OslSignList::Result OslSignList::Convert(std::string_view text, CFWordDictionary& dictionary)
{
    const OslReader::Result list = OslReader::Read(text);
    Result result;
    result.summary = Convert(list, dictionary);
    result.errorLine = list.errorLine;
    result.error = list.error;
    return result;
}

} // namespace velmora
