#pragma once

#include "base/FileLoadResult.h"
#include "core/atf/AtfConverter.h"
#include "core/document/CFDocument.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// An ATF transliteration made into a new document: one document line per
// text line of the ATF, its words converted to cuneiform, without the line
// labels, each converted sign remembering the reading it was made from.
// Structure and apparatus lines (&, @, $, #) give no line. A reading
// that has no sign stays in Latin, so nothing typed on the tablet's lines is
// lost; how many did, and how many lines had no label and were left out, is
// told to the user afterwards.
class AtfImport {
public:
    // The largest file imported (bytes).
    static constexpr std::uint64_t kMaxFileSize = std::uint64_t{64} << 20;

    // Converts a whole ATF text (UTF-8) for an editor of lineLimit lines of
    // at most maxLineLength cells.
    static AtfImport Convert(std::string_view utf8, std::uint32_t lineLimit, std::uint32_t maxLineLength,
                             const AtfConverter& converter = AtfConverter());
    // Reads and converts an ATF file a piece at a time (AtfPieces): only a
    // regular file of at most kMaxFileSize bytes is read, and reading stops
    // at the first text line that the editor could not hold, so that a file
    // over its limits is refused without being read whole.
    static AtfImport Import(const std::filesystem::path& path, std::uint32_t lineLimit,
                            std::uint32_t maxLineLength, const AtfConverter& converter = AtfConverter());

    // The name a document imported from path is first saved under: the ATF
    // file's name with ".txt" (".cuneiform.txt" for a .txt), beside it, so
    // that saving never offers the ATF file itself.
    static std::filesystem::path SaveName(const std::filesystem::path& path);

    bool ok() const { return load.ok() && !noTextLines; }
    // Adds the text lines of a converted piece; false (load says why) once
    // they no longer fit.
    bool Add(const AtfConverter::Conversion& conversion, std::uint32_t lineLimit,
             std::uint32_t maxLineLength);
    // Why the import failed, for the user (Japanese, UTF-8).
    std::string Problem() const;
    // What the user is told after an import: how many readings stayed in
    // Latin, the first ten of them with their lines in the document, and
    // how many lines without a label were left out; empty when everything
    // was converted.
    std::string Report() const;

    // Not UTF-8 (line), more text lines than the editor holds (limit) or a
    // text line longer than a line holds (line in the ATF file, limit).
    FileLoadResult load;
    // The file has no line with a label: nothing to convert.
    bool noTextLines = false;
    CFDocument document;
    // Readings kept in Latin, and the first of them (as many as a message
    // lists), each with the document line (from 1) it stands on.
    std::size_t keptLatin = 0;
    std::vector<AtfConverter::Unconverted> keptLatinReadings;
    // Lines without a label (left out).
    std::size_t unlabelled = 0;
    // Text lines so far.
    std::size_t lines = 0;
};

} // namespace velmora
