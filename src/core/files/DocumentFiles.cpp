#include "core/files/DocumentFiles.h"

#include "base/RegularFile.h"
#include "base/SafeFileWriter.h"
#include "base/Utf8Codec.h"
#include "core/document/CFDocument.h"
#include "core/files/AtfExport.h"
#include "core/files/TextFileDecoder.h"
#include "core/modes/CFModeData.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

constexpr std::uint8_t kCR = 0x0D;
constexpr std::uint8_t kLF = 0x0A;

static_assert(kTextFileLineLimit == static_cast<std::uint32_t>(CFModeData::kMainLineLimit),
              "a text file holds at most what the main editor holds");

// Pieces of this size are read and written at a time.
constexpr std::size_t kChunk = std::size_t{1} << 18;

// The page, with CR LF line ends on every system: UTF-8, the language and
// script of the text (Akkadian in cuneiform), its name as the title, and
// the cuneiform faces Debian and Windows ship before a generic fallback.
constexpr std::string_view kHtmlHead = "<!DOCTYPE html>\r\n"
                                       "<html lang=\"akk-Xsux\">\r\n"
                                       "<head>\r\n"
                                       "<meta charset=\"utf-8\">\r\n"
                                       "<title>";
constexpr std::string_view kHtmlStyle =
    "</title>\r\n"
    "<style>\r\n"
    "body { font-family: \"Akkadian\", \"Noto Sans Cuneiform\", \"Segoe UI Historic\", sans-serif;"
    " font-size: 3em; }\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "<body>\r\n";
constexpr std::string_view kHtmlLineBreak = "<br/>\r\n";
constexpr std::string_view kHtmlTail = "\r\n</body>\r\n</html>\r\n";
constexpr std::string_view kHtmlTransliterationStart = "<br/>\r\n<span style=\"font-size: 0.4em\">";
constexpr std::string_view kHtmlTransliterationEnd = "</span>";

// What a cell is written as: a browser turns references to NUL, surrogates,
// values beyond Unicode and most control characters into U+FFFD or, for
// 0x80-0x9F, into other characters altogether; such cells are written as
// U+FFFD themselves, so that the page shows what a browser shows.
std::uint32_t HtmlCharacter(std::uint32_t cell)
{
    const bool control =
        (cell < 0x20 && cell != 0x09 && cell != 0x0A && cell != 0x0C) || (cell >= 0x7F && cell <= 0x9F);
    const bool noncharacter = (cell >= 0xFDD0 && cell <= 0xFDEF) || (cell & 0xFFFE) == 0xFFFE;
    const bool surrogate = cell >= 0xD800 && cell <= 0xDFFF;
    return control || noncharacter || surrogate || cell > 0x10FFFF ? 0xFFFD : cell;
}

// The file's name without its suffix, as UTF-8 text for the title: bytes
// that are not UTF-8 become U+FFFD, and & < > are escaped.
std::string HtmlTitle(const std::filesystem::path& path)
{
    const std::string name = path.stem().string();
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const Utf8Decoded d =
            DecodeUtf8Sequence(reinterpret_cast<const unsigned char*>(name.data()) + i, name.size() - i);
        const std::uint32_t c = d.length == 0 ? 0xFFFD : HtmlCharacter(d.codePoint);
        i += d.length == 0 ? 1 : d.length;
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            AppendUtf8(out, c);
    }
    return out;
}

// A code point as a decimal numeric character reference.
void WriteReference(SafeFileWriter& out, std::uint32_t c)
{
    char digits[16] = {'&', '#'};
    char* end = std::to_chars(digits + 2, digits + sizeof digits - 1, c).ptr;
    *end++ = ';';
    out.write(digits, static_cast<std::size_t>(end - digits));
}

} // namespace

void EncodeTextLine(const CFLine& line, std::string& out)
{
    const auto cells = line.Cells();
    const std::size_t start = out.size();
    out.resize(start + 4 * cells.size());
    char* p = out.data() + start;
    for (const std::uint32_t cell : cells) {
        const Utf8Encoded encoded = EncodeUtf8(cell);
        std::memcpy(p, encoded.bytes.data(), 4);
        p += encoded.count;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

FileWriteResult SaveTextFile(const std::filesystem::path& path, const CFDocument& document,
                             std::function<bool()> inPlaceGuard)
{
    SafeFileWriter out(path);
    out.setInPlaceGuard(std::move(inPlaceGuard));
    if (!out.isOpen())
        return out.failure();
    WriteTextFileBytes(out, document);
    return out.commit();
}

void WriteTextFileBytes(SafeFileWriter& out, const CFDocument& document)
{
    std::string bytes;
    bytes.reserve(kChunk + 4 * 1024);
    const std::uint32_t count = document.LineCount();
    for (std::uint32_t line = 0; line < count; ++line) {
        EncodeTextLine(document.Line(line), bytes);
        if (line + 1 < count) {
            bytes.push_back(static_cast<char>(kCR));
            bytes.push_back(static_cast<char>(kLF));
        }
        if (bytes.size() >= kChunk) {
            out.write(bytes);
            bytes.clear();
        }
    }
    out.write(bytes);
}

FileLoadResult LoadTextFile(const std::filesystem::path& path, CFDocument& document, std::uint32_t lineLimit)
{
    RegularFile file;
    if (FileLoadResult opened = file.open(path, MaxTextFileBytes(document.maxLineLength, lineLimit)); !opened)
        return opened;
    return ReadTextFile(file, {}, document, lineLimit);
}

FileLoadResult ReadTextFile(RegularFile& file, std::string_view start, CFDocument& document,
                            std::uint32_t lineLimit)
{
    // The file is read into a document of its own, which replaces the
    // caller's only when the whole file was read: a failure never leaves a
    // half-loaded document that a later save would write over the file.
    CFDocument loaded;
    loaded.maxLineLength = document.maxLineLength;
    TextFileDecoder decoder(loaded, document.maxLineLength, lineLimit);
    if (!decoder.feed(start))
        return decoder.result();
    std::vector<std::uint8_t> buffer(kChunk);
    while (const std::size_t got = file.read(buffer.data(), buffer.size())) {
        if (!decoder.feed(buffer.data(), got))
            return decoder.result();
    }
    if (!file.status())
        return file.status();
    FileLoadResult result = decoder.finish();
    if (result)
        document = std::move(loaded);
    return result;
}

FileWriteResult ExportHtml(const std::filesystem::path& path, const CFDocument& document,
                           bool withTransliteration)
{
    SafeFileWriter out(path);
    if (!out.isOpen())
        return out.failure();
    out.write(kHtmlHead);
    out.write(HtmlTitle(path));
    out.write(kHtmlStyle);
    const std::uint32_t count = document.LineCount();
    for (std::uint32_t line = 0; line < count; ++line) {
        for (const std::uint32_t cell : document.Line(line).Cells())
            WriteReference(out, HtmlCharacter(cell));
        if (withTransliteration && document.Line(line).HasReadings()) {
            out.write(kHtmlTransliterationStart);
            const std::string atf = AtfExport::Line(document.Line(line));
            for (std::size_t i = 0; i < atf.size();) {
                const Utf8Decoded d = DecodeUtf8Sequence(
                    reinterpret_cast<const unsigned char*>(atf.data()) + i, atf.size() - i);
                const std::uint32_t c = d.length == 0 ? 0xFFFD : d.codePoint;
                i += d.length == 0 ? 1 : d.length;
                // Plain ASCII as it stands; the rest, and what HTML reads as
                // markup, as references, so that the page needs no charset.
                if (c < 0x80 && c != '&' && c != '<' && c != '>')
                    out.put(static_cast<std::uint8_t>(c));
                else
                    WriteReference(out, c);
            }
            out.write(kHtmlTransliterationEnd);
        }
        if (line + 1 < count)
            out.write(kHtmlLineBreak);
    }
    out.write(kHtmlTail);
    return out.commit();
}

} // namespace velmora
