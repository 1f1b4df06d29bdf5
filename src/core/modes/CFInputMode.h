#pragma once

#include "core/modes/CFMode.h"

#include <cstdint>

namespace velmora {

// Mode 1: collects a Latin transliteration (š ḫ ṣ ṭ, long and circumflexed
// vowels, subscript index digits) in the editing state's pending text and
// shows it in blue at the cursor. Space looks its first reading (du₃ of
// du₃ma) up in the dictionary and,
// on a hit, hands over to sign selection (a miss is kept in the editing
// state's missedLookup for the status bar); Enter or a mouse press puts the
// Latin text itself into the document (or, when the line has no room for
// it, says so and keeps it); Escape drops it. Shift and Caps Lock are read
// from the modifiers of the key being handled.
class CFInputMode : public CFMode {
public:
    // A character is taken while the pending text holds at most this many.
    static constexpr std::uint32_t kPendingLimit = 100;

    CFInputMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);

    void OnEnter(int previous) override;
    int OnKeyDown(std::uint32_t vk) override;
    // A character of the transliteration (the same as its key would give:
    // c š, h ḫ, Shift+s ṣ, Shift+t ṭ, digits the subscript digit, @ and '
    // the apostrophe; š ṣ ṭ ḫ, vowels with macron or circumflex and
    // subscript digits as typed), - and ^ on the last vowel; anything else
    // is refused and the status bar says so.
    int OnText(std::uint32_t character) override;
    int OnMouse(std::uint32_t flags) override;
    void OnPaint(Surface& surface) override;

    // Inserts the character a key types into the pending text at position;
    // false (nothing inserted) for a key that types none.
    bool ToCharacter(std::uint32_t vk, std::uint32_t position);

    // The character a key types in a transliteration, or 0: c š, h ḫ,
    // Shift+s ṣ, Shift+t ṭ, other letters themselves, digits the subscript
    // digit, 0xC0 the apostrophe. Caps Lock alone decides the case of the
    // key codes 0x41-0x5A; the codes 0x61-0x7A always give small letters.
    static std::uint32_t KeyCharacter(std::uint32_t vk, bool shift, bool capsLock);
    // The vowel with macron (0xBD) or circumflex (0xDE) that replaces the
    // last pending character, or 0 when that character is no a e i u.
    static std::uint32_t ModifiedVowel(std::uint32_t vk, std::uint32_t vowel, bool capsLock);

    // The character typed text gives in a transliteration, or 0 for one
    // that has no place in it. shift and capsLock as for KeyCharacter.
    static std::uint32_t TextCharacter(std::uint32_t character, bool shift, bool capsLock);
    // Whether a typed character begins a transliteration (a letter or a
    // digit of one, not an apostrophe).
    static bool StartsTransliteration(std::uint32_t character);

    // Characters in the pending text.
    std::uint32_t PendingCount() const;

private:
    // Space: looks the first reading of the transliteration up; the id of
    // the mode to follow.
    int Convert();
    // A character refused because the pending text is full: the status bar
    // says so.
    void RefuseFull();
    // The macron (0xBD) or circumflex (0xDE) key on the last character.
    void ModifyLastVowel(std::uint32_t vk);
    // Appends a transliteration character, unless the text is full.
    void Append(std::uint32_t character);
    // Puts the pending text into the document at the cursor as one undo
    // step, moves the cursor behind it and empties the pending text; the id
    // of the mode to follow. Refused with a message, the text kept, when
    // the line would grow too long.
    int Commit();
};

} // namespace velmora
