#include "core/commands/WordRegistration.h"

#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/TransliterationKey.h"
#include "core/document/CFLine.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint32_t kSignWordLimit = 20;

} // namespace

bool RegisterWord(CFWordDictionary& dictionary, const CFLine& alphabetWord, const CFLine& signWord,
                  MessageDisplay& messages, Window* owner)
{
    if (alphabetWord.Empty()) {
        messages.showMessage(owner, Tr(texts::kNoPhoneticSymbols), Tr(texts::kErrorCaption));
        return false;
    }
    const auto derived = TransliterationKey::Derive(alphabetWord.Cells(), TransliterationKey::Registration);
    // A plain c or h (typed with the "Alphabet" setting) would be saved as C
    // or H, which the sign data file reads back as Š or Ḫ: the word would
    // come back under another key. Input mode never types them.
    const auto holdsPlainCOrH = [](const CFWordSign& key) {
        const auto cells = key.Cells();
        return std::find_if(cells.begin(), cells.end(), [](std::uint32_t c) { return c == 'C' || c == 'H'; })
            != cells.end();
    };
    if (derived.status != TransliterationKey::Status::Ok || holdsPlainCOrH(*derived.key)) {
        messages.showMessage(owner, Tr(texts::kUsePhoneticSymbols), Tr(texts::kErrorCaption));
        return false;
    }
    if (signWord.Empty()) {
        messages.showMessage(owner, Tr(texts::kNoConversionCharacters), Tr(texts::kErrorCaption));
        return false;
    }
    const auto cells = signWord.Cells();
    const auto candidate =
        CFWordSign::FromCells(cells.first(std::min<std::size_t>(cells.size(), kSignWordLimit)));
    dictionary.AddWord(derived.number, derived.key, candidate);
    return true;
}

} // namespace velmora
