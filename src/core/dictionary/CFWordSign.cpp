#include "core/dictionary/CFWordSign.h"

#include <boost/checked_delete.hpp>

#include <algorithm>
#include <utility>

namespace velmora {

void CFWordSign::Set(const std::uint32_t* values)
{
    std::uint32_t n = 1;
    if (values) {
        while (values[n - 1] != 0)
            ++n;
    }
    boost::shared_array<std::uint32_t> copy(new std::uint32_t[n],
                                            boost::checked_array_deleter<std::uint32_t>());
    if (values)
        std::copy(values, values + n, copy.get());
    else
        copy[0] = 0;
    codes = copy;
    length = n;
}

std::uint32_t CFWordSign::At(std::uint32_t index) const
{
    if (index >= length)
        throw IndexOutOfRange;
    return codes[index];
}

void CFWordSign::SetCells(std::span<const std::uint32_t> cells)
{
    const auto end = std::find(cells.begin(), cells.end(), 0u);
    const auto n = static_cast<std::uint32_t>(end - cells.begin()) + 1;
    boost::shared_array<std::uint32_t> copy(new std::uint32_t[n],
                                            boost::checked_array_deleter<std::uint32_t>());
    std::copy(cells.begin(), end, copy.get());
    copy[n - 1] = 0;
    codes = copy;
    length = n;
}

void CFWordSign::SetShared(boost::shared_array<std::uint32_t> elements, std::uint32_t length)
{
    codes = std::move(elements);
    this->length = length;
}

std::span<const std::uint32_t> CFWordSign::Elements() const
{
    if (length == 0)
        return {};
    return {codes.get(), length};
}

std::span<const std::uint32_t> CFWordSign::Cells() const
{
    if (length == 0)
        return {};
    return {codes.get(), length - 1};
}

boost::shared_ptr<CFWordSign> CFWordSign::FromCells(std::span<const std::uint32_t> cells,
                                                    std::uint32_t number)
{
    auto word = boost::shared_ptr<CFWordSign>(new CFWordSign);
    word->SetCells(cells);
    word->number = number;
    return word;
}

} // namespace velmora
