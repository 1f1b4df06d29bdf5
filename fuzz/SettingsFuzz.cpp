// Feeds arbitrary bytes as a settings file. The input is the file, then a
// NUL byte and the value to write (without a NUL: a fixed value). Reading
// must never fail; a write that is refused must leave the file byte for
// byte; a write that is taken must read back exactly, leave another setting
// as it was, and writing the same value again must change nothing. The same
// holds for a whole section written at once.
#include "platform/IniSettings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path Folder()
{
    static const fs::path folder = [] {
        const fs::path shm("/dev/shm");
        fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        base /= "velmora-settings-fuzz-" + std::to_string(::getpid());
        fs::create_directories(base);
        return base;
    }();
    return folder;
}

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto nul = input.find('\0');
    const std::string_view content = input.substr(0, nul);
    const std::string value(nul == std::string_view::npos ? std::string_view("Noto Sans")
                                                          : input.substr(nul + 1));

    const fs::path file = Folder() / "config.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
    velmora::IniSettings settings(file);
    if (!settings.check())
        std::abort();
    const std::string other = settings.readString("Worddata", "Filename", "\x01none");
    (void)settings.readString("SignFont", "Name", "Akkadian");

    if (!settings.writeString("SignFont", "Name", value)) {
        if (Bytes(file) != content)
            std::abort();
        return 0;
    }
    if (settings.readString("SignFont", "Name", "\x01none") != value)
        std::abort();
    if (settings.readString("Worddata", "Filename", "\x01none") != other)
        std::abort();
    const std::string written = Bytes(file);
    if (!settings.writeString("SignFont", "Name", value) || Bytes(file) != written)
        std::abort();

    const velmora::SettingsEntry entries[] = {{"File1", value}, {"File2", "x" + value}};
    if (!settings.writeSection("RecentFiles", entries)) {
        if (Bytes(file) != written)
            std::abort();
        return 0;
    }
    if (settings.readString("RecentFiles", "File1", "\x01none") != value
        || settings.readString("RecentFiles", "File2", "\x01none") != "x" + value
        || settings.readString("SignFont", "Name", "\x01none") != value
        || settings.readString("Worddata", "Filename", "\x01none") != other)
        std::abort();
    return 0;
}
