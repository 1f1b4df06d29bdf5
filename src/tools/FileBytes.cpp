#include "tools/FileBytes.h"

#include "base/SafeFileWriter.h"

#include <array>
#include <fstream>

namespace velmora {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)
        bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    SafeFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

} // namespace velmora
