#include "app/DocumentFiles.h"

#include "platform/SafeFileWriter.h"
#include "app/Utf8Codec.h"
#include "document/CFDocument.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

constexpr std::uint8_t kCR = 0x0D;
constexpr std::uint8_t kLF = 0x0A;

// Reads a file byte by byte through a large buffer.
class ByteReader {
public:
    explicit ByteReader(const std::filesystem::path& path)
        : in_(path, std::ios::in | std::ios::binary)
        , buffer_(std::size_t{1} << 20)
    {
    }

    bool isOpen() const { return in_.is_open(); }
    // True when reading stopped on an error rather than at the end.
    bool failed() const { return in_.bad(); }

    // The next byte, or false at the end of the file (or on an error).
    bool next(std::uint8_t& byte)
    {
        if (pos_ == end_ && !refill())
            return false;
        byte = static_cast<std::uint8_t>(buffer_[pos_++]);
        return true;
    }

private:
    bool refill()
    {
        if (!in_.good())
            return false;
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        pos_ = 0;
        end_ = static_cast<std::size_t>(in_.gcount());
        return end_ != 0;
    }

    std::ifstream in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

// Writes line ends as CR LF on every system.
constexpr std::string_view kHtmlHead =
    "<html>\r\n<head>"
    "<style type=\"text/css\">\r\n"
    "body {\r\nfont-size: 3em;}"
    "</style>\r\n</head>\r\n";
constexpr std::string_view kHtmlLineBreak = "<br/>\r\n";
constexpr std::string_view kHtmlTail = "</html>";

} // namespace

bool SaveTextFile(const std::filesystem::path& path, const CFDocument& document)
{
    SafeFileWriter out(path);
    if (!out.isOpen())
        return false;
    const std::uint32_t count = document.LineCount();
    for (std::uint32_t line = 0; line < count; ++line) {
        for (const std::uint32_t cell : document.Line(line).Cells()) {
            const Utf8Encoded encoded = EncodeUtf8(cell);
            out.write(encoded.bytes.data(), encoded.count);
        }
        if (line + 1 < count) {
            out.put(kCR);
            out.put(kLF);
        }
    }
    return out.commit();
}

bool LoadTextFile(const std::filesystem::path& path, CFDocument& document)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    ByteReader in(path);
    if (!in.isOpen())
        return false;

    // The file is read into a document of its own, which replaces the
    // caller's only when the whole file was read: a failure never leaves a
    // half-loaded document that a later save would write over the file.
    CFDocument loaded;
    loaded.maxLineLength = document.maxLineLength;
    const std::size_t limit = document.maxLineLength;
    std::vector<std::uint32_t> cells;
    std::uint32_t row = 0;
    const auto endLine = [&] {
        loaded.InsertCells(static_cast<std::uint32_t>(cells.size()), row, 0, cells.data());
        cells.clear();
    };

    std::uint8_t lead = 0;
    while (in.next(lead)) {
        std::uint8_t tail[3] = {0, 0, 0};
        const std::uint32_t length = Utf8SequenceLength(lead);
        for (std::uint32_t i = 0; i + 1 < length; ++i) {
            if (!in.next(tail[i]))
                break; // cut off by the end: the missing bytes stay 0
        }
        const Utf8Decoded decoded = DecodeUtf8(lead, tail[0], tail[1], tail[2]);
        if (decoded.codePoint == kCR) {
            std::uint8_t skipped = 0;
            in.next(skipped); // the LF of the separator, whatever it is
            endLine();
            loaded.InsertLine(++row);
        } else {
            cells.push_back(decoded.codePoint);
            if (cells.size() > limit)
                return false;
        }
    }
    if (in.failed())
        return false;
    endLine();
    document = std::move(loaded);
    return true;
}

bool ExportHtml(const std::filesystem::path& path, const CFDocument& document)
{
    SafeFileWriter out(path);
    if (!out.isOpen())
        return false;
    out.write(kHtmlHead);
    const std::uint32_t count = document.LineCount();
    for (std::uint32_t line = 0; line < count; ++line) {
        for (const std::uint32_t cell : document.Line(line).Cells()) {
            char digits[16] = {'&', '#'};
            char* end = std::to_chars(digits + 2, digits + sizeof digits - 1, cell).ptr;
            *end++ = ';';
            out.write(digits, static_cast<std::size_t>(end - digits));
        }
        if (line + 1 < count)
            out.write(kHtmlLineBreak);
    }
    out.write(kHtmlTail);
    return out.commit();
}

} // namespace velmora
