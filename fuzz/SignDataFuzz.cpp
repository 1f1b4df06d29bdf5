// Feeds arbitrary bytes to the sign data reader. Whatever it accepts must
// save and load again without loss: every saved file loads, keeps the number
// of candidates, and saving what was loaded from a saved file gives the same
// bytes.
#include "core/dictionary/CFWordDictionary.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::CFWordDictionary first;
    if (!first.LoadFromBytes({reinterpret_cast<const char*>(data), size}))
        return 0;
    const auto saved = first.Serialize();
    if (!saved)
        return 0; // words the file notation cannot express are refused
    velmora::CFWordDictionary second;
    if (!second.LoadFromBytes(*saved) || second.CandidateCount() != first.CandidateCount()
        || second.EntryCount() != first.EntryCount())
        std::abort();
    const auto again = second.Serialize();
    if (!again || *again != *saved)
        std::abort();
    return 0;
}
