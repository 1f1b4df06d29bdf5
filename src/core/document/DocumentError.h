#pragma once

#include <cstdint>

namespace velmora {

// Error codes the document model throws, as plain uint32 values, for a
// position that does not exist.
enum DocumentError : std::uint32_t {
    kErrPosition = 1001,  // a line or column index beyond the count
    kErrCellLine = 1002,  // InsertCell / EraseCell / EraseCells on a missing line
    kErrRangeLine = 1004, // AppendCells / CopyCells / InsertCells / InsertSignWord on a missing line
};

[[noreturn]] inline void ThrowDocumentError(DocumentError code)
{
    throw static_cast<std::uint32_t>(code);
}

} // namespace velmora
