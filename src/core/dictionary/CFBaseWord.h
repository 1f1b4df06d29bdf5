#pragma once

#include <cstdint>

namespace velmora {

// A zero-terminated sequence of code points. Words are always owned through
// a shared pointer of their concrete type, so the base needs no virtual
// destructor; it is protected to keep anyone from deleting through the base.
class CFBaseWord {
public:
    // The exception type of every word: thrown by At for an index that is
    // not below Length.
    enum { IndexOutOfRange = 0 };
    using Error = decltype(IndexOutOfRange);

    // Replaces the contents by the elements of values up to and including
    // the first 0.
    virtual void Set(const std::uint32_t* values) = 0;
    // Number of stored elements, the terminating 0 included; 0 for a word
    // that was never set.
    virtual std::uint32_t Length() const = 0;
    virtual std::uint32_t At(std::uint32_t index) const = 0;

protected:
    CFBaseWord() = default;
    CFBaseWord(const CFBaseWord&) = default;
    CFBaseWord& operator=(const CFBaseWord&) = default;
    ~CFBaseWord() = default;
};

} // namespace velmora
