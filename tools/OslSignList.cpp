#include "tools/OslSignList.h"

#include "dictionary/TransliterationKey.h"
#include "tools/Utf8Text.h"

#include <unicode/uchar.h>

#include <algorithm>

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

std::string_view TrimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// A sign or one of its forms.
struct Block {
    bool deprecated = false;
    bool hasUcun = false;
    std::vector<std::uint32_t> ucun;
    bool countedWithoutSign = false;
};

struct PendingValue {
    std::size_t block;
    bool deprecated;
    std::vector<std::uint32_t> text;
};

// The sign being read: its own block first, then one per form.
class SignReader {
public:
    SignReader(CFWordDictionary& dictionary, OslSignList::Summary& summary)
        : dictionary_(dictionary), summary_(summary)
    {
    }

    bool open() const { return !blocks_.empty(); }

    void openSign(bool deprecated)
    {
        close();
        blocks_.emplace_back().deprecated = deprecated;
        current_ = 0;
        ++summary_.signs;
    }

    void openForm(bool deprecated)
    {
        if (!open())
            return;
        const bool signDeprecated = blocks_.front().deprecated;
        blocks_.emplace_back().deprecated = deprecated || signDeprecated;
        current_ = blocks_.size() - 1;
        ++summary_.forms;
    }

    void closeForm() { current_ = 0; }

    void addValue(bool deprecated, std::vector<std::uint32_t> text)
    {
        if (!open())
            return;
        values_.push_back(PendingValue{current_, deprecated, std::move(text)});
        ++summary_.values;
    }

    void setUcun(std::vector<std::uint32_t> ucun)
    {
        if (!open() || blocks_[current_].hasUcun)
            return;
        blocks_[current_].hasUcun = true;
        blocks_[current_].ucun = std::move(ucun);
    }

    // Adds the values of the sign and its forms in file order.
    void close()
    {
        for (const PendingValue& value : values_)
            addReading(value);
        blocks_.clear();
        values_.clear();
        current_ = 0;
    }

private:
    void leaveOut(OslSignList::LeftOut reason) { ++summary_[reason]; }

    void addReading(const PendingValue& value)
    {
        using LeftOut = OslSignList::LeftOut;
        Block& block = blocks_[value.block];
        if (block.deprecated)
            return leaveOut(LeftOut::DeprecatedSign);
        if (value.deprecated)
            return leaveOut(LeftOut::DeprecatedValue);
        const auto signs = OslSignList::EncodedSigns(block.ucun);
        if (!signs) {
            if (!block.countedWithoutSign) {
                block.countedWithoutSign = true;
                ++summary_.blocksWithoutEncodedSign;
            }
            return leaveOut(LeftOut::NoEncodedSign);
        }
        const auto read = OslSignList::ReadValue(value.text);
        if (const auto* reason = std::get_if<LeftOut>(&read))
            return leaveOut(*reason);
        const auto& reading = std::get<OslSignList::Reading>(read);

        WordPtr key = CFWordSign::FromCells(reading.key);
        if (const auto* entry = dictionary_.FindEntry(key)) {
            const bool repeated = std::any_of(
                entry->candidates->begin(), entry->candidates->end(), [&](const WordPtr& c) {
                    return c->number == reading.number && std::ranges::equal(c->Cells(), *signs);
                });
            if (repeated)
                return leaveOut(LeftOut::Repeated);
        }
        dictionary_.AddWord(reading.number, std::move(key), CFWordSign::FromCells(*signs));
        ++summary_.readings;
    }

    CFWordDictionary& dictionary_;
    OslSignList::Summary& summary_;
    std::vector<Block> blocks_;
    std::vector<PendingValue> values_;
    std::size_t current_ = 0;
};

} // namespace

std::string_view OslSignList::Describe(LeftOut reason)
{
    switch (reason) {
    case LeftOut::DeprecatedSign: return "deprecated sign or form (@sign-, @form-)";
    case LeftOut::DeprecatedValue: return "deprecated value (@v-)";
    case LeftOut::NoEncodedSign: return "no encoded sign in @ucun";
    case LeftOut::Uncertain: return "uncertain value (?)";
    case LeftOut::UnknownIndex: return "unknown index (ₓ)";
    case LeftOut::Compound: return "compound writing (hyphen)";
    case LeftOut::Unexpressible: return "outside the key notation (characters, index ₀)";
    case LeftOut::Repeated: return "repeated (same key, number and signs)";
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

    const auto holds = [value](std::uint32_t c) {
        return std::find(value.begin(), value.end(), c) != value.end();
    };
    if (holds('?'))
        return LeftOut::Uncertain;
    if (holds(kSubscriptX))
        return LeftOut::UnknownIndex;
    if (value.size() > 2 && std::find(value.begin() + 1, value.end() - 1, '-') != value.end() - 1)
        return LeftOut::Compound;

    Reading reading;
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

OslSignList::Result OslSignList::Convert(std::string_view text, CFWordDictionary& dictionary)
{
    Result result;
    SignReader sign(dictionary, result.summary);

    std::uint32_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(pos, end - pos);
        pos = newline == std::string_view::npos ? text.size() : newline + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() < 2 || line.front() != '@')
            continue;

        const std::size_t tagEnd = std::min(line.find_first_of(" \t"), line.size());
        std::string_view tag = line.substr(1, tagEnd - 1);
        const std::string_view rest = TrimBlanks(line.substr(tagEnd));
        bool deprecated = false;
        if (tag.size() > 1 && (tag.back() == '-' || tag.back() == '+')) {
            deprecated = tag.back() == '-';
            tag.remove_suffix(1);
        }

        if (tag == "sign") {
            sign.openSign(deprecated);
        } else if (tag == "form") {
            sign.openForm(deprecated);
        } else if (tag == "@") {
            sign.closeForm();
        } else if (tag == "end") {
            if (rest == "form")
                sign.closeForm();
            else
                sign.close();
        } else if (tag == "pcun" || tag == "compoundonly" || tag == "lref") {
            // Entries that are not signs: their values are not readings of
            // the sign before them.
            sign.close();
        } else if ((tag == "v" || tag == "ucun") && sign.open()) {
            auto codePoints = DecodeUtf8(rest);
            if (!codePoints) {
                result.errorLine = lineNumber;
                result.error = "not valid UTF-8";
                return result;
            }
            if (tag == "v")
                sign.addValue(deprecated, std::move(*codePoints));
            else
                sign.setUcun(std::move(*codePoints));
        }
    }
    sign.close();
    return result;
}

} // namespace velmora
