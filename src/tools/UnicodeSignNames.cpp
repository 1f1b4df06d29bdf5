#include "tools/UnicodeSignNames.h"

#include <unicode/uchar.h>

#include <stdexcept>
#include <string>

namespace velmora {

namespace {

constexpr std::string_view kPrefix = "CUNEIFORM SIGN ";
// More digits than any sign number needs; keeps the number within 32 bits.
constexpr std::size_t kMaxNumberDigits = 9;

constexpr std::uint32_t kShin = 0x0160; // Š
constexpr std::uint32_t kHet = 0x1E2A;  // Ḫ

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Context {
    CFWordDictionary* dictionary;
    UnicodeSignNames::Summary summary;
};

UBool AddName(void* context, UChar32 code, UCharNameChoice, const char* name, int32_t length)
{
    auto& ctx = *static_cast<Context*>(context);
    ++ctx.summary.names;
    const auto reading =
        UnicodeSignNames::ReadingOfName(std::string_view(name, static_cast<std::size_t>(length)));
    if (reading) {
        const std::uint32_t sign = static_cast<std::uint32_t>(code);
        ctx.dictionary->AddWord(reading->number, CFWordSign::FromCells(reading->key),
                                CFWordSign::FromCells({&sign, 1}));
        ++ctx.summary.readings;
    }
    return true;
}

} // namespace

std::optional<UnicodeSignNames::Reading> UnicodeSignNames::ReadingOfName(std::string_view name)
{
    if (!name.starts_with(kPrefix))
        return std::nullopt;
    name.remove_prefix(kPrefix.size());

    Reading reading;
    std::size_t i = 0;
    for (; i < name.size() && IsUpper(name[i]); ++i) {
        if (name[i] == 'S' && i + 1 < name.size() && name[i + 1] == 'H') {
            reading.key.push_back(kShin);
            ++i;
        } else if (name[i] == 'H') {
            reading.key.push_back(kHet);
        } else {
            reading.key.push_back(static_cast<std::uint32_t>(name[i]));
        }
    }
    if (reading.key.empty())
        return std::nullopt;

    const std::size_t digitsAt = i;
    std::uint32_t number = 0;
    for (; i < name.size() && IsDigit(name[i]); ++i)
        number = number * 10 + static_cast<std::uint32_t>(name[i] - '0');
    const std::size_t digits = i - digitsAt;
    // Anything after the digits (a space and another word) is a modified or
    // compound sign.
    if (i != name.size() || digits > kMaxNumberDigits)
        return std::nullopt;
    // A sign data line without digits reads back as number 1, so number 0
    // could not be stored.
    if (digits > 0 && number == 0)
        return std::nullopt;
    reading.number = digits == 0 ? 1 : number;
    return reading;
}

UnicodeSignNames::Summary UnicodeSignNames::Convert(CFWordDictionary& dictionary)
{
    Context context{&dictionary, {}};
    UErrorCode status = U_ZERO_ERROR;
    u_enumCharNames(static_cast<UChar32>(kFirst), static_cast<UChar32>(kLast + 1), AddName, &context,
                    U_UNICODE_CHAR_NAME, &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU cannot enumerate character names: ") + u_errorName(status));
    return context.summary;
}

} // namespace velmora
