#include "core/files/RecoveryFormat.h"

#include "base/Crc32.h"
#include "core/document/RangeEdit.h"

#include <exception>
#include <optional>
#include <vector>

namespace velmora::recovery {

namespace {

void PutU32(std::string& out, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

std::uint32_t GetU32(std::string_view bytes)
{
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k)
        value |= std::uint32_t(static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(k)])) << (8 * k);
    return value;
}

// Reads payload fields front to back; every read checks what is left.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    std::optional<std::uint32_t> varint()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            if (rest_.empty())
                return std::nullopt;
            const auto byte = static_cast<std::uint8_t>(rest_.front());
            rest_.remove_prefix(1);
            value |= std::uint64_t(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return value > 0xFFFFFFFFu ? std::nullopt : std::optional<std::uint32_t>(value);
        }
        return std::nullopt;
    }

    // A text of at most lineLimit lines of at most maxLineLength cells. A
    // count is checked against the bytes left before anything is made for
    // it: every line and cell takes at least one byte.
    bool text(CFDocument& out, std::uint32_t maxLineLength, std::uint32_t lineLimit)
    {
        const auto lines = varint();
        if (!lines || *lines == 0 || *lines > lineLimit || *lines > rest_.size())
            return false;
        out = CFDocument();
        out.maxLineLength = maxLineLength;
        out.InsertLines(1, *lines - 1);
        std::vector<std::uint32_t> cells;
        for (std::uint32_t line = 0; line < *lines; ++line) {
            const auto length = varint();
            if (!length || *length > maxLineLength || *length > rest_.size())
                return false;
            cells.resize(*length);
            for (auto& cell : cells) {
                const auto value = varint();
                if (!value)
                    return false;
                cell = *value;
            }
            out.InsertCells(*length, line, 0, cells.data());
        }
        return true;
    }

private:
    std::string_view rest_;
};

bool Fits(const CFDocument& document, std::uint32_t firstLine, std::uint32_t lines,
          std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    if (document.LineCount() > lineLimit)
        return false;
    for (std::uint32_t line = firstLine; line < firstLine + lines && line < document.LineCount(); ++line) {
        if (document.LineLength(line) > maxLineLength)
            return false;
    }
    return true;
}

} // namespace

void AppendVarint(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

std::string FrameHeader(RecordType type, std::uint32_t length, std::uint32_t payloadCrc)
{
    std::string header;
    header.push_back(static_cast<char>(type));
    PutU32(header, length);
    PutU32(header, Crc32Update(payloadCrc, header.data(), 5));
    return header;
}

void AppendFrame(std::string& out, RecordType type, std::string_view payload)
{
    out += FrameHeader(type, static_cast<std::uint32_t>(payload.size()), Crc32(payload));
    out.append(payload);
}

void AppendLines(std::string& out, const CFDocument& text, std::uint32_t from, std::uint32_t to,
                 bool withCount)
{
    if (withCount)
        AppendVarint(out, text.LineCount());
    for (std::uint32_t line = from; line < to; ++line) {
        const auto cells = text.Line(line).Cells();
        AppendVarint(out, cells.size());
        for (const std::uint32_t cell : cells)
            AppendVarint(out, cell);
    }
}

std::string EditRecord(Position start, Position end, const CFDocument& text)
{
    std::string payload;
    AppendVarint(payload, start.line);
    AppendVarint(payload, start.column);
    AppendVarint(payload, end.line);
    AppendVarint(payload, end.column);
    AppendLines(payload, text, 0, text.LineCount(), true);
    std::string frame;
    AppendFrame(frame, RecordType::Edit, payload);
    return frame;
}

std::string NameRecord(const std::filesystem::path& file)
{
    std::string frame;
    AppendFrame(frame, RecordType::Name, file.native());
    return frame;
}

std::string CleanRecord()
{
    std::string frame;
    AppendFrame(frame, RecordType::Clean, {});
    return frame;
}

bool ApplyEdit(CFDocument& document, std::string_view payload, std::uint32_t maxLineLength,
               std::uint32_t lineLimit)
{
    Reader in(payload);
    const auto startLine = in.varint();
    const auto startColumn = in.varint();
    const auto endLine = in.varint();
    const auto endColumn = in.varint();
    CFDocument text;
    if (!startLine || !startColumn || !endLine || !endColumn || !in.text(text, maxLineLength, lineLimit))
        return false;
    const Position start{*startLine, *startColumn};
    const Position end{*endLine, *endColumn};
    // The edit is checked against the document and the limits before it is
    // made, so that a record that does not fit changes nothing.
    try {
        CheckRange(document, start, end);
    } catch (...) {
        return false;
    }
    const std::uint64_t linesAfter =
        std::uint64_t{document.LineCount()} - (end.line - start.line) + (text.LineCount() - 1);
    const std::uint64_t firstLength = std::uint64_t{start.column} + text.LineLength(0)
        + (text.LineCount() == 1 ? document.LineLength(end.line) - end.column : 0);
    const std::uint64_t lastLength = text.LineCount() == 1
        ? firstLength
        : std::uint64_t{text.LineLength(text.LineCount() - 1)} + document.LineLength(end.line) - end.column;
    if (linesAfter > lineLimit || firstLength > maxLineLength || lastLength > maxLineLength)
        return false;
    EraseRange(document, start, end);
    InsertText(document, start, text);
    return Fits(document, start.line, text.LineCount(), maxLineLength, lineLimit);
}

Content Parse(std::string_view bytes, std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    Content content;
    content.document.maxLineLength = maxLineLength;
    if (!bytes.starts_with(kMagic)) {
        content.problem =
            bytes.starts_with("VELMORA RECOVERY") ? "a copy of another version" : "not a recovery copy";
        return content;
    }
    bytes.remove_prefix(kMagic.size());
    bool haveText = false;
    const auto stop = [&](std::string problem) {
        content.problem = std::move(problem);
        content.state = haveText ? Content::State::LastChangesLost : Content::State::Unreadable;
        if (!haveText)
            content.document = CFDocument();
        return content;
    };
    while (!bytes.empty()) {
        if (bytes.size() < kFrameHeaderSize)
            return stop("the copy ends inside a record");
        const auto type = static_cast<std::uint8_t>(bytes[0]);
        const std::uint32_t length = GetU32(bytes.substr(1, 4));
        const std::uint32_t crc = GetU32(bytes.substr(5, 4));
        // Compared as sizes, never added: a length near 2^32 cannot wrap.
        if (length > bytes.size() - kFrameHeaderSize)
            return stop("the copy ends inside a record");
        const std::string_view payload = bytes.substr(kFrameHeaderSize, length);
        if (Crc32Update(Crc32(payload), bytes.data(), 5) != crc)
            return stop("a damaged record");
        bytes.remove_prefix(kFrameHeaderSize + length);
        switch (static_cast<RecordType>(type)) {
        case RecordType::Name:
            content.originalFile = std::filesystem::path(std::string(payload));
            break;
        case RecordType::Clean:
            content.unsaved = false;
            break;
        case RecordType::Snapshot: {
            CFDocument text;
            if (!Reader(payload).text(text, maxLineLength, lineLimit))
                return stop("a damaged snapshot");
            content.document = std::move(text);
            haveText = true;
            content.unsaved = true;
            break;
        }
        case RecordType::Edit:
            if (!haveText || !ApplyEdit(content.document, payload, maxLineLength, lineLimit))
                return stop("an edit that does not fit the text");
            content.unsaved = true;
            break;
        default:
            if ((type & 0x80) != 0)
                return stop("a record of a newer version");
            break; // a refinement this version does not know
        }
    }
    if (!haveText) {
        content.problem = "no text in the copy";
        return content;
    }
    content.state = Content::State::Complete;
    return content;
}

} // namespace velmora::recovery
