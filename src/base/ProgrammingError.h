#pragma once

#include <stdexcept>

namespace velmora {

// Thrown where a caller broke a function's contract (a null word, an index
// the caller should have bounded): a fault of the program, never of the
// user's input or files, which are reported through results instead. The
// front end turns it into its internal-error message and keeps the
// document. The document model's error codes and the small enumerations of
// the mode controller and the words are thrown as they are for the same
// purpose.
class ProgrammingError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

} // namespace velmora
