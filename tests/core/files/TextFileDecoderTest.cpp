#include "core/files/TextFileDecoder.h"
#include "base/Utf8Codec.h"
#include "core/document/CFDocument.h"
#include "core/files/DocumentFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// The result and document of decoding bytes split into the given pieces.
struct Decoded {
    FileLoadResult result;
    CFDocument document;
};

Decoded DecodeInPieces(const std::string& bytes, std::size_t first, std::size_t second)
{
    Decoded out;
    TextFileDecoder decoder(out.document, 1000, 60000);
    decoder.feed(std::string_view(bytes).substr(0, first));
    decoder.feed(std::string_view(bytes).substr(first, second - first));
    decoder.feed(std::string_view(bytes).substr(second));
    out.result = decoder.finish();
    return out;
}

// The file is read in pieces; wherever they are cut (inside a sign, between
// CR and LF) the outcome is that of reading it whole.
TEST(TextFileDecoder, PiecesCutAnywhereDecodeLikeTheWhole)
{
    const std::string inputs[] = {
        // i-nu an-um ṣi-ru-um with LUGAL and signs between, CR LF and LF.
        "i-nu an-um \xE1\xB9\xA3i-ru-um\r\n\xF0\x92\x88\x97\xF0\x92\x80\x80\r\r\n\xF0\x92\x81\x84\n",
        "\xF0\x92\x88\x97\xF0\x92\x88", // cut off by the end
        "ok\r\n\xF0\x92\x41\x80 no",    // broken in the middle of a sign
        "\xE0\x80\xAF",                 // overlong
    };
    for (const std::string& bytes : inputs) {
        Decoded whole;
        whole.result = TextFileDecoder::Decode(bytes, whole.document, 1000, 60000);
        for (std::size_t first = 0; first <= bytes.size(); ++first) {
            for (std::size_t second = first; second <= bytes.size(); ++second) {
                const Decoded pieces = DecodeInPieces(bytes, first, second);
                ASSERT_EQ(pieces.result.reason, whole.result.reason) << first << ' ' << second;
                ASSERT_EQ(pieces.result.line, whole.result.line) << first << ' ' << second;
                if (whole.result) {
                    ASSERT_EQ(pieces.document, whole.document) << first << ' ' << second;
                }
            }
        }
    }
}

TEST(TextFileDecoder, EveryCodePointAWriterCanWriteReadsBack)
{
    std::string bytes;
    std::vector<std::vector<std::uint32_t>> expected(1);
    for (std::uint32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c == 0x0D || c == 0x0A)
            continue;
        if (expected.back().size() == 1000) {
            expected.emplace_back();
            bytes += "\r\n";
        }
        expected.back().push_back(c);
        const Utf8Encoded e = EncodeUtf8(c);
        bytes.append(reinterpret_cast<const char*>(e.bytes.data()), e.count);
    }
    CFDocument document;
    ASSERT_TRUE(TextFileDecoder::Decode(bytes, document, 1000, 60000));
    ASSERT_EQ(document.LineCount(), expected.size());
    for (std::uint32_t line = 0; line < document.LineCount(); ++line) {
        const auto cells = document.Line(line).Cells();
        ASSERT_TRUE(std::equal(cells.begin(), cells.end(), expected[line].begin(), expected[line].end()))
            << "line " << line;
    }
}

} // namespace
} // namespace velmora
