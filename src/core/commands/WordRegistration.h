#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class CFModeData;
class CFWordDictionary;
class MessageDisplay;
class Window;

// Adds a word typed in the registration window to the dictionary: the key
// and sign number come from the transliteration of the "Alphabet word" field
// (at most 20 characters, up to two subscript digits), the candidate from
// the first 20 code points of the "Sign word" field, whatever they are.
// A transliteration holding a plain c or h is refused like one holding a
// character without key symbol (the sign data file has no way to write
// them). Invalid input is reported in a message box owned by owner and changes
// nothing. True when a word was added; the caller then clears the fields.
bool RegisterWord(CFWordDictionary& dictionary, std::span<const std::uint32_t> alphabetWord,
                  std::span<const std::uint32_t> signWord, MessageDisplay& messages, Window* owner);

// What the registration window says after a word was added: "registered
// du₃ 𒆕", the transliteration and the signs as they were taken.
std::string RegisteredNote(std::span<const std::uint32_t> alphabetWord,
                           std::span<const std::uint32_t> signWord);

// What a word field of the registration window holds as the user sees it:
// its first line with, at the cursor, the transliteration still being typed
// (also while its candidates are on show), or, where takeCandidate is set,
// the candidate on show instead. So a pending (blue) transliteration counts
// as typed, without Enter. modeId is the field's current mode.
std::vector<std::uint32_t> FieldTextAsTyped(const CFModeData& field, int modeId, bool takeCandidate);

} // namespace velmora
