#pragma once

#include "core/document/CFDocument.h"
#include "core/document/Position.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// The bytes of a recovery copy: a first line naming the format, then frames,
// each a record of one kind:
//
//     type (1 byte) | payload length (4 bytes, little-endian)
//     | checksum (4 bytes) | payload
//
// The checksum is the CRC-32 of the payload followed by the type and length
// bytes, so that a payload can be written piece by piece before its header.
//
// A copy starts with the name of the document's file and a snapshot of the
// whole text; each edit made after it appends an edit record (a range and
// the text that replaced it), each save a "clean" record. Reading replays
// the records in order. Numbers in payloads are unsigned LEB128 varints; a
// text is its line count, then per line its length and its cells.
//
// Extending the format: a new kind of record gets a new type. Types below
// 0x80 may be skipped by a reader that does not know them (their content is
// a refinement, such as the readings of the signs of an edit); types from
// 0x80 on must be understood, and a reader that does not know one reports
// the copy as written by a newer version and keeps it. Existing payloads
// never change meaning; a payload may grow at its end, and readers ignore
// bytes after the fields they know.
namespace recovery {

inline constexpr std::string_view kMagic = "VELMORA RECOVERY 2\n";
inline constexpr std::size_t kFrameHeaderSize = 9;

enum class RecordType : std::uint8_t {
    Name = 0x01,     // the document's file (its path's bytes), empty for none
    Clean = 0x02,    // the text equals its file here (saved or just opened)
    Snapshot = 0x81, // the whole text, replacing everything before it
    Edit = 0x82,     // start, end, text: [start, end) was replaced by text
};

// Appends one frame.
void AppendFrame(std::string& out, RecordType type, std::string_view payload);
// The frame header of a payload of that length whose own CRC-32 is
// payloadCrc (for a payload written piece by piece).
std::string FrameHeader(RecordType type, std::uint32_t length, std::uint32_t payloadCrc);

void AppendVarint(std::string& out, std::uint64_t value);
// Appends the line count of text and then lines [from, to) of it; call
// with from 0 first, later pieces without the count (withCount false).
void AppendLines(std::string& out, const CFDocument& text, std::uint32_t from, std::uint32_t to,
                 bool withCount);
// The frame of an edit: [start, end) replaced by text.
std::string EditRecord(Position start, Position end, const CFDocument& text);
std::string NameRecord(const std::filesystem::path& file);
std::string CleanRecord();

// What a copy holds, as far as it could be read.
struct Content {
    enum class State {
        Complete,        // every record read
        LastChangesLost, // the text up to a damaged or cut record
        Unreadable,      // no text: not a copy, damaged before its snapshot,
                         // or of a newer version
    };
    State state = State::Unreadable;
    CFDocument document;
    std::filesystem::path originalFile;
    // Changes after the last clean record: something to recover.
    bool unsaved = false;
    // What was wrong (English, for logs and messages); empty when Complete.
    std::string problem;
};

// Reads a copy. Never throws for any bytes and never builds a document of
// more than lineLimit lines or a line of more than maxLineLength cells.
Content Parse(std::string_view bytes, std::uint32_t maxLineLength, std::uint32_t lineLimit);

// Applies the payload of an edit record to document; false (document
// unchanged) when it does not fit the document or the limits.
bool ApplyEdit(CFDocument& document, std::string_view payload, std::uint32_t maxLineLength,
               std::uint32_t lineLimit);

} // namespace recovery
} // namespace velmora
