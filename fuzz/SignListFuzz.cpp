// Feeds arbitrary bytes to the importer of the Oracc Sign List. Whatever
// it adds to a dictionary must be writable as a sign data file, and that
// file must load back with the same entries and candidates.
#include "core/dictionary/CFWordDictionary.h"
#include "tools/OslSignList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::CFWordDictionary dictionary;
    const auto result =
        velmora::OslSignList::Convert({reinterpret_cast<const char*>(data), size}, dictionary);
    if (result.summary.readings != dictionary.CandidateCount())
        std::abort();
    const auto saved = dictionary.Serialize();
    if (!saved)
        std::abort();
    velmora::CFWordDictionary back;
    if (!back.LoadFromBytes(*saved) || back.CandidateCount() != dictionary.CandidateCount()
        || back.EntryCount() != dictionary.EntryCount())
        std::abort();
    return 0;
}
