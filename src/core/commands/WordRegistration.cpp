#include "core/commands/WordRegistration.h"

#include "base/Utf8Codec.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/TransliterationKey.h"
#include "core/document/CFLine.h"
#include "core/modes/CFMode.h"
#include "core/modes/CFModeData.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>

namespace velmora {

namespace {

// The characters of either field that count.
constexpr std::uint32_t kWordLimit = 20;

} // namespace

bool RegisterWord(CFWordDictionary& dictionary, std::span<const std::uint32_t> alphabetWord,
                  std::span<const std::uint32_t> signWord, MessageDisplay& messages, Window* owner)
{
    if (alphabetWord.empty()) {
        messages.showMessage(owner, Tr(texts::kNoPhoneticSymbols), Tr(texts::kErrorCaption));
        return false;
    }
    const auto derived = TransliterationKey::Derive(alphabetWord, TransliterationKey::Registration);
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
    if (signWord.empty()) {
        messages.showMessage(owner, Tr(texts::kNoConversionCharacters), Tr(texts::kErrorCaption));
        return false;
    }
    const auto candidate =
        CFWordSign::FromCells(signWord.first(std::min<std::size_t>(signWord.size(), kWordLimit)));
    dictionary.AddWord(derived.number, derived.key, candidate);
    return true;
}

std::string RegisteredNote(std::span<const std::uint32_t> alphabetWord,
                           std::span<const std::uint32_t> signWord)
{
    const auto taken = [](std::span<const std::uint32_t> word) {
        return Utf8Of(word.first(std::min<std::size_t>(word.size(), kWordLimit)));
    };
    return Fill(Tr(texts::kRegisteredWord), taken(alphabetWord), taken(signWord));
}

std::vector<std::uint32_t> FieldTextAsTyped(const CFModeData& field, int modeId, bool takeCandidate)
{
    const auto line = field.document.Line(0).Cells();
    std::vector<std::uint32_t> text(line.begin(), line.end());
    const CFLine* pending = nullptr;
    if (modeId == kSignSelectionModeId)
        pending = takeCandidate ? &field.candidates : &field.pending;
    else if (modeId == kInputModeId)
        pending = &field.pending;
    if (pending != nullptr && !pending->Empty()) {
        const Position cursor = field.cursor->position();
        const std::size_t at =
            cursor.line == 0 ? std::min<std::size_t>(cursor.column, text.size()) : text.size();
        const auto cells = pending->Cells();
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), cells.begin(), cells.end());
    }
    return text;
}

} // namespace velmora
