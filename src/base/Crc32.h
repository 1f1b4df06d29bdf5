#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

// CRC-32 (the polynomial of zlib, PNG and Ethernet), to tell damaged or cut
// data from what was written. Crc32Update continues a checksum over data
// that arrives in pieces: Crc32Update(Crc32Update(0, a), b) == Crc32(ab).
std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size);
inline std::uint32_t Crc32(std::string_view bytes)
{
    return Crc32Update(0, bytes.data(), bytes.size());
}

} // namespace velmora
