// Feeds arbitrary bytes to the document text file reader. Whatever it
// accepts must save and load again to the same document, and reading the
// bytes in two pieces cut anywhere must give what reading them whole gives
// (the reader sees a large file piece by piece). Runs once with the main
// editor's limits and once with tiny ones, so that both limits are hit.
#include "core/document/CFDocument.h"
#include "core/files/DocumentFiles.h"
#include "core/files/TextFileDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using velmora::CFDocument;
using velmora::FileLoadResult;
using velmora::TextFileDecoder;

std::string Save(const CFDocument& document)
{
    std::string bytes;
    for (std::uint32_t line = 0; line < document.LineCount(); ++line) {
        if (line > 0)
            bytes += "\r\n";
        velmora::EncodeTextLine(document.Line(line), bytes);
    }
    return bytes;
}

void Check(std::string_view bytes, std::size_t cut, std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    CFDocument whole;
    const FileLoadResult first = TextFileDecoder::Decode(bytes, whole, maxLineLength, lineLimit);

    CFDocument pieces;
    TextFileDecoder decoder(pieces, maxLineLength, lineLimit);
    decoder.feed(bytes.substr(0, cut));
    decoder.feed(bytes.substr(cut));
    const FileLoadResult second = decoder.finish();
    if (second.reason != first.reason || second.line != first.line || (first && !(pieces == whole)))
        std::abort();
    if (!first)
        return;

    for (std::uint32_t line = 0; line < whole.LineCount(); ++line) {
        if (whole.LineLength(line) > maxLineLength)
            std::abort();
    }
    if (whole.LineCount() > lineLimit)
        std::abort();
    const std::string saved = Save(whole);
    CFDocument again;
    if (!TextFileDecoder::Decode(saved, again, maxLineLength, lineLimit) || !(again == whole))
        std::abort();
    if (Save(again) != saved)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    Check(bytes, cut, 1000, 60000);
    Check(bytes, cut, 8, 4);
    return 0;
}
