#pragma once

#include "base/FileLoadResult.h"
#include "base/FileWriteResult.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

class CFDocument;
class CFLine;
class RegularFile;
class SafeFileWriter;

// The document's files: the UTF-8 text file it is saved as and loaded from,
// and the HTML page it is exported as.
//
// Text file: no byte-order mark, no header. Each line is the UTF-8 encoding
// of its cells (EncodeUtf8); lines are separated by CR LF, with nothing
// after the last line, so a document of one empty line is an empty file.
// Reading also takes LF and a lone CR as line ends (TextFileDecoder).
//
// Saving and exporting replace the target only once the whole new file is
// safely on disk (SafeFileWriter): on failure they say why (the system's
// error: no space, no permission …) and the old file is exactly as it was.

// The most lines a text file may have: those of the main editor.
inline constexpr std::uint32_t kTextFileLineLimit = 60000;

// The largest text file that can hold a valid document of lineLimit lines
// of maxLineLength cells: four bytes a cell and CR LF between lines.
constexpr std::uint64_t MaxTextFileBytes(std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    return std::uint64_t{4} * maxLineLength * lineLimit + 2 * (lineLimit > 0 ? lineLimit - 1u : 0u);
}

// Writes the document as a text file, replacing any existing file. Cells
// above 0x10FFFF are left out. Fails when the file could not be created or
// written completely. Where the file must be overwritten in place
// (SafeFileWriter), inPlaceGuard is asked first and the file is left alone
// (Refused) when it says false.
FileWriteResult SaveTextFile(const std::filesystem::path& path, const CFDocument& document,
                             std::function<bool()> inPlaceGuard = {});

// Writes the text file's bytes of the document to out (SaveTextFile without
// opening and committing, for files that hold the text after a header).
void WriteTextFileBytes(SafeFileWriter& out, const CFDocument& document);

// Appends the UTF-8 bytes of a line's cells to out (no line end).
void EncodeTextLine(const CFLine& line, std::string& out);

// Replaces the lines of document by those of the text file at path, which
// must be a regular file of well-formed UTF-8 with at most lineLimit lines
// of at most the document's maxLineLength cells (TextFileDecoder). On any
// failure the document stays exactly as it was and the result says why:
// the file is missing, not a regular file, too large, unreadable, not
// UTF-8, or has too long a line or too many lines.
FileLoadResult LoadTextFile(const std::filesystem::path& path, CFDocument& document,
                            std::uint32_t lineLimit = kTextFileLineLimit);

// LoadTextFile on a file already open, of which start holds the bytes read
// so far and not yet used.
FileLoadResult ReadTextFile(RegularFile& file, std::string_view start, CFDocument& document,
                            std::uint32_t lineLimit = kTextFileLineLimit);

// Writes the document as an HTML page: UTF-8, lang "akk-Xsux", the file's
// name without its suffix as the title, the cuneiform fonts named with a
// fallback, and in its body every cell as a decimal numeric character
// reference (cells no page may hold as U+FFFD) with "<br/>" between lines.
// Line ends of the page are CR LF on every system. withTransliteration:
// under each line that knows readings of its signs, its transliteration
// (AtfExport::Line) in small type, written with character references as
// well. Fails when the page could not be created or written completely.
FileWriteResult ExportHtml(const std::filesystem::path& path, const CFDocument& document,
                           bool withTransliteration = false);

} // namespace velmora
