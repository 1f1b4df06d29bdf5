#pragma once

#include <filesystem>

namespace velmora {

class CFDocument;

// The document's files: the UTF-8 text file it is saved as and loaded from,
// and the HTML page it is exported as.
//
// Text file: no byte-order mark, no header. Each line is the UTF-8 encoding
// of its cells (EncodeUtf8); lines are separated by CR LF, with nothing
// after the last line, so a document of one empty line is an empty file.
//
// Saving and exporting replace the target only once the whole new file is
// safely on disk (SafeFileWriter): on failure they return false and the old
// file is exactly as it was.

// Writes the document as a text file, replacing any existing file. Cells
// above 0x10FFFF are left out. Returns false when the file could not be
// created or written completely.
bool SaveTextFile(const std::filesystem::path& path, const CFDocument& document);

// Replaces the lines of document by those of the text file at path.
// Every decoded CR (0x0D) ends a line and the byte after it is skipped
// whatever it is; an LF on its own is an ordinary cell 0x0A; a byte-order
// mark is an ordinary cell U+FEFF; any other decoded value, control
// characters and stray bytes (which decode as 0) included, is a cell. A
// multi-byte sequence cut off by the end of the file gives one last cell,
// decoded with the missing bytes taken as 0.
// Returns false, leaving the document exactly as it was, when the file
// cannot be opened or read, or when a line holds more cells than the
// document's maxLineLength.
bool LoadTextFile(const std::filesystem::path& path, CFDocument& document);

// Writes the document as a minimal HTML page, every cell as a decimal
// numeric character reference and "<br/>" between lines. Line ends of the
// page are CR LF on every system. Returns false when the page could not be
// created or written completely.
bool ExportHtml(const std::filesystem::path& path, const CFDocument& document);

} // namespace velmora
