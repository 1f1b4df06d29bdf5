// Feeds arbitrary bytes to the recovery copy reader, as a copy left on disk
// might be after a crash, a full disk or damage. Whatever it reads must keep
// the editor's limits, and a text it reads must survive being written as a
// snapshot and read again. The bytes also go to the edit replay on its own,
// against a small text, which must change it only within the limits.
#include "core/document/CFDocument.h"
#include "core/files/RecoveryFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

namespace recovery = velmora::recovery;
using velmora::CFDocument;

void CheckLimits(const CFDocument& document, std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    if (document.LineCount() == 0 || document.LineCount() > lineLimit)
        std::abort();
    for (std::uint32_t line = 0; line < document.LineCount(); ++line) {
        if (document.LineLength(line) > maxLineLength)
            std::abort();
    }
}

void Check(std::string_view bytes, std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    const recovery::Content content = recovery::Parse(bytes, maxLineLength, lineLimit);
    if (content.state == recovery::Content::State::Unreadable)
        return;
    CheckLimits(content.document, maxLineLength, lineLimit);
    std::string payload;
    recovery::AppendLines(payload, content.document, 0, content.document.LineCount(), true);
    std::string copy(recovery::kMagic);
    copy += recovery::NameRecord(content.originalFile);
    recovery::AppendFrame(copy, recovery::RecordType::Snapshot, payload);
    const recovery::Content again = recovery::Parse(copy, maxLineLength, lineLimit);
    if (again.state != recovery::Content::State::Complete || !(again.document == content.document)
        || again.originalFile != content.originalFile || !again.unsaved)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, 1000, 60000);
    Check(bytes, 8, 4);
    // The same bytes after the format's first line, so that the fuzzer
    // reaches the records without having to find it.
    std::string copy(recovery::kMagic);
    copy.append(bytes);
    Check(copy, 1000, 60000);
    Check(copy, 8, 4);

    CFDocument text;
    text.InsertLines(1, 2);
    const std::uint32_t cells[] = {0x12000, 0x61, 0x12217};
    text.InsertCells(3, 0, 0, cells);
    text.InsertCells(2, 2, 0, cells);
    const CFDocument before = text;
    if (!recovery::ApplyEdit(text, bytes, 8, 4) && !(text == before))
        std::abort();
    CheckLimits(text, 8, 4);
    return 0;
}
