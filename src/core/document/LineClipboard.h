#pragma once

#include "core/document/CFDocument.h"

#include <string>
#include <string_view>

namespace velmora {

// The clipboard text of a text (a document whose lines are joined by line
// breaks): UTF-16 units, a surrogate pair for cells from U+10000, CR LF
// between lines and none after the last. The whole text is written, however
// long.
std::u16string EncodeClipboardText(const CFDocument& text);

// The text of clipboard units: everything up to the first NUL unit. CR LF,
// a lone CR and a lone LF each end a line; a high surrogate followed by a
// low one is one cell; any other unit, a lone surrogate included, is a cell
// of its own. Nothing is dropped and no line is cut: the limits of the
// document the text goes into are the caller's to check.
CFDocument DecodeClipboardText(std::u16string_view units);

// The readings of a text's signs as the editor's own clipboard data, which
// goes beside its clipboard text so that a paste in the editor gives the
// signs their readings again; empty when the text has none. The data names
// the text it belongs to (by a hash of its cells), so that it is never put
// on another text.
std::string EncodeClipboardReadings(const CFDocument& text);
// Puts the readings of clipboard data on the text that was pasted. Nothing
// happens, and false is returned, when the data is not the editor's, is
// malformed, or belongs to another text; the text is then left without
// readings.
bool DecodeClipboardReadings(std::string_view data, CFDocument& text);

} // namespace velmora
