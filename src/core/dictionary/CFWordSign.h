#pragma once

#include "core/dictionary/CFBaseWord.h"

#include <boost/shared_array.hpp>
#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <span>

namespace velmora {

// The one concrete word: a dictionary key (key symbols) or a candidate
// (sign code points with a sign number). Words are shared, never copied by
// value, and never changed once they are in the dictionary.
class CFWordSign final : public CFBaseWord {
public:
    CFWordSign() = default;

    // Copies values up to and including the first 0. A null pointer sets a
    // word holding only the terminator.
    void Set(const std::uint32_t* values) override;
    std::uint32_t Length() const override { return length; }
    std::uint32_t At(std::uint32_t index) const override;

    // Sets the word from cells that carry no terminator; the word ends at
    // the first 0 among them, as Set would end it.
    void SetCells(std::span<const std::uint32_t> cells);
    // Makes the word the length elements at the start of elements, which
    // end with their only 0, without copying them: the word shares them (a
    // loaded dictionary keeps the elements of all its words in one array).
    void SetShared(boost::shared_array<std::uint32_t> elements, std::uint32_t length);
    // The elements (terminator included); empty for a word never set.
    std::span<const std::uint32_t> Elements() const;
    // The elements before the terminator.
    std::span<const std::uint32_t> Cells() const;

    // Builds a new shared word from cells without terminator.
    static boost::shared_ptr<CFWordSign> FromCells(std::span<const std::uint32_t> cells,
                                                   std::uint32_t number = 1);

    // The sign number of a candidate (1 until set).
    std::uint32_t number = 1;

private:
    boost::shared_array<std::uint32_t> codes;
    std::uint32_t length = 0;
};

using WordPtr = boost::shared_ptr<CFWordSign>;

} // namespace velmora
