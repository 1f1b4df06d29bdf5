#include "tools/FileBytes.h"

#include "base/RegularFile.h"
#include "base/SafeFileWriter.h"

namespace velmora {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxSize,
                                         std::string* why)
{
    std::string bytes;
    const FileLoadResult read = RegularFile::ReadAll(path, maxSize, bytes);
    if (!read) {
        if (why != nullptr)
            *why = " (" + read.detail + ")";
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    SafeFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

} // namespace velmora
