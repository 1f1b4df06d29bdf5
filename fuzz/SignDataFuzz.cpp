// Feeds arbitrary bytes to the sign data reader. Whatever it accepts must
// save and load again without loss: every saved file loads, keeps the number
// of candidates, and from the second save on (number 0 is written without
// digits and reads back as 1) saving gives the same bytes.
#include "dictionary/CFWordDictionary.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Loads saved bytes, which must succeed, and saves them again.
std::string Reload(std::string_view saved, std::size_t candidates)
{
    velmora::CFWordDictionary dictionary;
    if (!dictionary.LoadFromBytes(saved) || dictionary.CandidateCount() != candidates)
        std::abort();
    auto again = dictionary.Serialize();
    if (!again)
        std::abort();
    return *again;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::CFWordDictionary first;
    if (!first.LoadFromBytes({reinterpret_cast<const char*>(data), size}))
        return 0;
    const auto saved = first.Serialize();
    if (!saved)
        return 0; // words the file notation cannot express are refused
    const std::size_t candidates = first.CandidateCount();
    const std::string second = Reload(*saved, candidates);
    if (Reload(second, candidates) != second)
        std::abort();
    return 0;
}
