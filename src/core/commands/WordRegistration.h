#pragma once

namespace velmora {

class CFLine;
class CFWordDictionary;
class MessageDisplay;
class Window;

// Adds a word typed in the registration window to the dictionary: the key
// and sign number come from the transliteration in the "Alphabet word" field
// (at most 20 characters, up to two subscript digits), the candidate from
// the first 20 code points of the "Sign word" field, whatever they are.
// A transliteration holding a plain c or h is refused like one holding a
// character without key symbol (the sign data file has no way to write
// them). Invalid input is reported in a message box owned by owner and changes
// nothing. True when a word was added; the caller then clears the fields.
bool RegisterWord(CFWordDictionary& dictionary, const CFLine& alphabetWord, const CFLine& signWord,
                  MessageDisplay& messages, Window* owner);

} // namespace velmora
