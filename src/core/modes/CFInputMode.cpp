#include "core/modes/CFInputMode.h"

#include "base/Utf8Codec.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/TransliterationKey.h"
#include "core/document/CFSelectedText.h"
#include "core/modes/CFEditCommands.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFSignFont.h"
#include "core/view/TextLayout.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

#include <string>

namespace velmora {

namespace {

constexpr std::uint32_t kSubscriptZero = 0x2080;
constexpr std::uint32_t kApostrophe = 0x27;

bool IsLetterOrDigitKey(std::uint32_t vk)
{
    return (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || (vk >= 'a' && vk <= 'z');
}

// A vowel and its forms with macron and circumflex, capital and small.
struct VowelForms {
    char32_t capital;
    char32_t small;
    char32_t macronCapital;
    char32_t macronSmall;
    char32_t circumflexCapital;
    char32_t circumflexSmall;
};

constexpr VowelForms kVowels[] = {
    {U'A', U'a', U'Ā', U'ā', U'Â', U'â'},
    {U'E', U'e', U'Ē', U'ē', U'Ê', U'ê'},
    {U'I', U'i', U'Ī', U'ī', U'Î', U'î'},
    {U'U', U'u', U'Ū', U'ū', U'Û', U'û'},
};

} // namespace

CFInputMode::CFInputMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data)
    : CFMode(signFont, std::move(data))
{
}

std::uint32_t CFInputMode::PendingCount() const
{
    return pending_->Length();
}

std::uint32_t CFInputMode::KeyCharacter(std::uint32_t vk, bool shift, bool capsLock)
{
    switch (vk) {
    case 'C':
        return capsLock ? U'Š' : U'š';
    case 'H':
        return capsLock ? U'Ḫ' : U'ḫ';
    case 'S':
        if (shift)
            return capsLock ? U'Ṣ' : U'ṣ';
        break;
    case 'T':
        if (shift)
            return capsLock ? U'Ṭ' : U'ṭ';
        break;
    case vk::Oem3:
        return kApostrophe;
    default:
        break;
    }
    if (vk >= '0' && vk <= '9')
        return kSubscriptZero + (vk - '0');
    if (vk >= 'A' && vk <= 'Z')
        return capsLock ? vk : vk - 'A' + 'a';
    if (vk >= 'a' && vk <= 'z')
        return vk;
    return 0;
}

std::uint32_t CFInputMode::ModifiedVowel(std::uint32_t vk, std::uint32_t vowel, bool capsLock)
{
    for (const VowelForms& v : kVowels) {
        if (vowel != v.capital && vowel != v.small)
            continue;
        if (vk == vk::OemMinus)
            return capsLock ? v.macronCapital : v.macronSmall;
        if (vk == vk::Oem7)
            return capsLock ? v.circumflexCapital : v.circumflexSmall;
        return 0;
    }
    return 0;
}

std::uint32_t CFInputMode::TextCharacter(std::uint32_t character, bool shift, bool capsLock)
{
    if ((character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z'))
        return KeyCharacter(character & ~0x20u, shift, capsLock);
    if (character >= '0' && character <= '9')
        return kSubscriptZero + (character - '0');
    if (character == '@' || character == kApostrophe)
        return kApostrophe;
    if (character < 0x80)
        return 0;
    return NormalizeKeyChar(character) != 0 ? character : 0;
}

bool CFInputMode::StartsTransliteration(std::uint32_t character)
{
    const std::uint32_t c = TextCharacter(character, false, false);
    return c != 0 && c != kApostrophe;
}

bool CFInputMode::ToCharacter(std::uint32_t vk, std::uint32_t position)
{
    const KeyModifiers& keys = data_->modifiers;
    const std::uint32_t character = KeyCharacter(vk, keys.shift, keys.capsLock);
    if (character == 0)
        return false;
    pending_->InsertCell(position, character);
    return true;
}

void CFInputMode::OnEnter(int previous)
{
    RetakeWords();
    // Back from sign selection: the text stays for further editing.
    if (previous != kNormalModeId)
        return;
    pending_->Clear();
    if (data_->firstCharacter != 0) {
        const KeyModifiers& keys = data_->modifiers;
        pending_->InsertCell(0, TextCharacter(data_->firstCharacter, keys.shift, keys.capsLock));
        data_->firstCharacter = 0;
    } else if (data_->firstKey != 0) {
        ToCharacter(static_cast<std::uint32_t>(data_->firstKey), 0);
    }
}

void CFInputMode::Append(std::uint32_t character)
{
    if (PendingCount() <= kPendingLimit)
        pending_->InsertCell(PendingCount(), character);
    else
        RefuseFull();
}

void CFInputMode::ModifyLastVowel(std::uint32_t vk)
{
    const std::uint32_t count = PendingCount();
    const std::uint32_t replacement =
        count > 0 ? ModifiedVowel(vk, pending_->CellAt(count - 1), data_->modifiers.capsLock) : 0;
    if (replacement != 0) {
        pending_->EraseCell(count - 1);
        pending_->InsertCell(count - 1, replacement);
    } else {
        // Only a, e, i and u take a macron or circumflex.
        data_->notice = Fill(Tr(texts::kNotInTransliteration), vk == vk::OemMinus ? "-" : "^");
    }
}

int CFInputMode::OnText(std::uint32_t character)
{
    if (character == '-' || character == '^') {
        ModifyLastVowel(character == '-' ? vk::OemMinus : vk::Oem7);
        return kInputModeId;
    }
    const KeyModifiers& keys = data_->modifiers;
    const std::uint32_t typed = TextCharacter(character, keys.shift, keys.capsLock);
    if (typed == 0) {
        std::string text;
        AppendUtf8(text, character);
        data_->notice = Fill(Tr(texts::kNotInTransliteration), text);
        return kInputModeId;
    }
    Append(typed);
    return kInputModeId;
}

int CFInputMode::OnKeyDown(std::uint32_t vk)
{
    const KeyModifiers& keys = data_->modifiers;
    const std::uint32_t count = PendingCount();

    if (keys.ctrl && vk == 'Z')
        vk = vk::Back;
    else if (keys.ctrl)
        return kInputModeId;
    if (IsLetterOrDigitKey(vk) || vk == vk::Oem3) {
        if (const std::uint32_t character = KeyCharacter(vk, keys.shift, keys.capsLock))
            Append(character);
        return kInputModeId;
    }
    if (vk == vk::OemMinus || vk == vk::Oem7) {
        ModifyLastVowel(vk);
        return kInputModeId;
    }
    switch (vk) {
    case vk::Back:
        if (count > 0)
            pending_->EraseCell(count - 1);
        return pending_->Empty() ? kNormalModeId : kInputModeId;
    case vk::Space:
        return Convert();
    case vk::Return:
        return Commit();
    case vk::Escape:
        pending_->Clear();
        return kNormalModeId;
    default:
        return kInputModeId;
    }
}

void CFInputMode::RefuseFull()
{
    data_->notice = Fill(Tr(texts::kPendingFull), std::to_string(kPendingLimit + 1));
}

int CFInputMode::Convert()
{
    // Only the first reading is converted (du₃ of du₃ma); the rest stays
    // pending and is converted after it.
    const auto typed = pending_->Cells();
    const auto reading = typed.first(TransliterationKey::FirstReadingLength(typed));
    const TransliterationKey derived = TransliterationKey::Derive(reading, TransliterationKey::InputMode);
    // Too long, beginning with a digit, or not in the dictionary: no sign.
    // The text stays for correction, and the status bar says so.
    const auto missed = [this, reading] {
        data_->missedLookup.assign(reading.begin(), reading.end());
        return kInputModeId;
    };
    if (!derived.Usable() || !dictionary_)
        return missed();
    keyWord_->SetCells(derived.key->Cells());
    currentWord_ = dictionary_->GetCandidate(0, keyWord_);
    if (!currentWord_ || currentWord_->Length() == 0)
        return missed();
    data_->currentWord = currentWord_;
    data_->requestedNumber = derived.number;
    data_->convertedLength = static_cast<std::uint32_t>(reading.size());
    return kSignSelectionModeId;
}

int CFInputMode::Commit()
{
    // A text that does not fit stays, with a message, for the user to
    // shorten or to commit elsewhere.
    if (!CFEditCommands(*data_).InsertAtCursor(pending_->Cells()))
        return kInputModeId;
    pending_->Clear();
    return kNormalModeId;
}

int CFInputMode::OnMouse(std::uint32_t)
{
    return Commit();
}

void CFInputMode::OnPaint(Surface& surface)
{
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    const ScrollOffsets offsets = data_->Offsets();
    const int top = static_cast<int>(offsets.top());
    const int left = offsets.left();
    // The selection the text will replace.
    DrawSelection(*document_, selection_->active(), selection_->start(), selection_->end(), surface, fonts,
                  offsets.top(), offsets.left(), window_ ? window_->clientRect().right : 0);
    DrawDocument(*document_, surface, fonts, offsets.top(), left, TextColors{kBlack});

    const CFLine& cursorLine = document_->Line(cursor_->line);
    const Size at = PrefixExtent(cursorLine, surface, fonts, cursor_->column);
    const int x = at.cx;
    const int y = at.cy * static_cast<int>(cursor_->line);
    const int h = LineHeight(surface, fonts);

    const int w = PrefixExtent(*pending_, surface, fonts, pending_->Length()).cx;
    int textX = x - left;
    // Text that would run past the right edge is pulled back into view.
    if (window_) {
        const int right = window_->clientRect().right;
        if (textX + w > right - 5)
            textX = right - w;
    }
    DrawLine(*pending_, surface, fonts, textX, y - h * top, TextColors{kBlue});
}

} // namespace velmora
