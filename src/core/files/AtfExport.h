#pragma once

#include "base/FileWriteResult.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

class CFDocument;
class CFLine;

// A document written as an ATF transliteration in Oracc's style: a & line
// naming the text, the protocols for Akkadian in Unicode, then one numbered
// line ("1.", "2." …) for every line of the document.
//
// In a line, what spaces separate is a word; the spaces stand as they are.
// Each sign of a word is written as the reading it was made from (du₃,
// {d}, KU₃, |A.AN|; a reading of several signs once for all of them) or,
// without one, as its sign name (KAK, |A×HA|), which ATF accepts as well.
// The signs of a word are joined by "-", two logograms by "." (KU₃.BABBAR),
// a determinative by nothing ({d}UTU, aš-šur{ki}). Latin text in the
// document, and what is not a cuneiform sign, is written as it stands.
class AtfExport {
public:
    // The transliteration of one line, without its label. useReadings false:
    // every sign by its name, as for a text file, which has no readings.
    static std::string Line(const CFLine& line, bool useReadings = true);
    // The whole ATF text, lines ended by LF; name goes into the & line.
    static std::string Text(const CFDocument& document, std::string_view name, bool useReadings = true);
    // Writes Text to path, replacing it only once the whole file is safely
    // written; fails with the reason when it could not be created or written.
    static FileWriteResult Save(const std::filesystem::path& path, const CFDocument& document,
                                std::string_view name);
};

} // namespace velmora
