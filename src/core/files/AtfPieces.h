#pragma once

#include "base/FileLoadResult.h"
#include "base/RegularFile.h"
#include "core/atf/AtfConverter.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmora {

// Reads an ATF file a piece at a time, so that a large file is converted in
// bounded memory. Each piece holds whole lines, every one ended by LF: CR
// LF, LF and a lone CR all end a line, as in the editor's text files. A piece
// ends before a line that starts a text (&) where it can, else before any
// line that does not continue the one before (one not starting with a space
// or tab), so that converting the pieces one after the other converts the
// file as a whole would.
class AtfPieces {
public:
    // Pieces are cut once they reach this size (and before 4 times it).
    static constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

    // Opens a regular file of at most maxSize bytes without blocking
    // (RegularFile): a pipe, a device or a folder is refused.
    FileLoadResult open(const std::filesystem::path& path, std::uint64_t maxSize);
    // The next piece and the 1-based number of its first line in the file;
    // false at the end of the file or when reading failed (status()).
    bool next(std::string& piece, std::uint32_t& firstLine);
    const FileLoadResult& status() const { return file_.status(); }

    // Converts a piece, its line numbers counted in the file.
    static AtfConverter::Conversion Convert(const AtfConverter& converter, std::string_view piece,
                                            std::uint32_t firstLine);

private:
    // Reads more of the file into lines_; false at its end.
    bool fill();

    RegularFile file_;
    std::string lines_; // read, line ends made LF, not yet handed out
    bool pendingCR_ = false;
    bool ended_ = false;
    bool started_ = false;
    std::uint32_t nextLine_ = 1;
};

} // namespace velmora
