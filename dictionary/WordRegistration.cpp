#include "dictionary/WordRegistration.h"

#include "dictionary/CFWordDictionary.h"
#include "dictionary/TransliterationKey.h"
#include "document/CFLine.h"
#include "platform/MessageDisplay.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint32_t kSignWordLimit = 20;

} // namespace

bool RegisterWord(CFWordDictionary& dictionary, const CFLine& alphabetWord, const CFLine& signWord,
                  MessageDisplay& messages, Window* owner)
{
    if (alphabetWord.Empty()) {
        messages.showMessage(owner, kNoPhoneticSymbols, "エラー");
        return false;
    }
    const auto derived = TransliterationKey::Derive(alphabetWord.Cells(), TransliterationKey::Registration);
    if (derived.status != TransliterationKey::Status::Ok) {
        messages.showMessage(owner, kUsePhoneticSymbols, "エラー");
        return false;
    }
    if (signWord.Empty()) {
        messages.showMessage(owner, kNoConversionCharacters, "エラー");
        return false;
    }
    const auto cells = signWord.Cells();
    const auto candidate = CFWordSign::FromCells(cells.first(std::min<std::size_t>(cells.size(), kSignWordLimit)));
    dictionary.AddWord(derived.number, derived.key, candidate);
    return true;
}

} // namespace velmora
