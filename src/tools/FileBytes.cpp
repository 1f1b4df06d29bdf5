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

FileWriteResult WriteFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    SafeFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

std::string CannotWriteText(const FileWriteResult& result)
{
    using Reason = FileWriteResult::Reason;
    std::string text = "cannot write the file";
    switch (result.reason) {
    case Reason::Ok:
    case Reason::Refused:
        break;
    case Reason::BadName:
        text += " (not a valid file name)";
        break;
    case Reason::NotRegular:
        text += " (not a regular file)";
        break;
    case Reason::CannotWrite:
        if (result.error != 0)
            text += " (" + result.systemError() + ")";
        break;
    case Reason::CannotEncode:
        text += " (a reading the file's notation cannot express)";
        break;
    }
    return text;
}

} // namespace velmora
