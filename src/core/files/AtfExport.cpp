#include "core/files/AtfExport.h"

#include "base/SafeFileWriter.h"
#include "base/Utf8Codec.h"
#include "core/atf/AtfSpelling.h"
#include "core/dictionary/SignNames.h"
#include "core/document/CFDocument.h"
#include "core/document/ReadingTable.h"

#include <optional>
#include <vector>

namespace velmora {

namespace {

bool IsBlank(std::uint32_t c)
{
    return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000;
}

bool IsSeparator(char c)
{
    return c == '-' || c == '.' || c == '+' || c == ':';
}

// A reading whose first letter is a capital: a logogram (KU₃, ŠA₃) or a
// sign name (|A.AN|).
bool IsLogogram(std::string_view utf8)
{
    std::u32string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Decoded d =
            DecodeUtf8Sequence(reinterpret_cast<const unsigned char*>(utf8.data()) + i, utf8.size() - i);
        if (d.length == 0)
            return false;
        text += static_cast<char32_t>(d.codePoint);
        i += d.length;
    }
    return AtfSpelling::StartsUpper(text);
}

// The name a sign is written with when its reading is not known; a name
// ATF cannot take as one word (the one Unicode name with spaces) is given
// by its code point.
std::string NameOf(std::uint32_t sign)
{
    std::string name = SignNames::Name(sign);
    return name.find(' ') == std::string::npos ? name : SignNames::CodePoint(sign);
}

// One piece of a word: a reading, a sign written by its name, or Latin.
struct Piece {
    enum class Kind { Reading, Name, Latin } kind;
    std::string text;

    bool determinative() const
    {
        return kind == Kind::Reading && text.size() >= 2 && text.front() == '{' && text.back() == '}';
    }
};

// What goes between two pieces of a word.
std::string_view Joint(const Piece& a, const Piece& b)
{
    if (a.determinative() || b.determinative())
        return {};
    if (a.kind == Piece::Kind::Latin && (IsSeparator(a.text.back()) || a.text.back() == '}'))
        return {};
    if (b.kind == Piece::Kind::Latin && (IsSeparator(b.text.front()) || b.text.front() == '{'))
        return {};
    if (a.kind == Piece::Kind::Reading && b.kind == Piece::Kind::Reading && IsLogogram(a.text)
        && IsLogogram(b.text))
        return ".";
    return "-";
}

void AppendWord(std::string& out, const CFLine& line, std::uint32_t from, std::uint32_t to, bool useReadings)
{
    const auto cells = line.Cells();
    std::vector<Piece> pieces;
    for (std::uint32_t k = from; k < to;) {
        const std::optional<ReadingSpan> span = useReadings ? line.ReadingAt(k) : std::nullopt;
        if (span && span->begin == k && span->end <= to) {
            pieces.push_back({Piece::Kind::Reading, ReadingTable::Text(span->reading)});
            k = span->end;
        } else if (SignNames::IsSign(cells[k])) {
            pieces.push_back({Piece::Kind::Name, NameOf(cells[k])});
            ++k;
        } else {
            std::string latin;
            do {
                AppendUtf8(latin, cells[k]);
                ++k;
            } while (k < to && !SignNames::IsSign(cells[k]) && !(useReadings && line.ReadingAt(k)));
            pieces.push_back({Piece::Kind::Latin, std::move(latin)});
        }
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += Joint(pieces[i - 1], pieces[i]);
        out += pieces[i].text;
    }
}

} // namespace

std::string AtfExport::Line(const CFLine& line, bool useReadings)
{
    std::string out;
    const auto cells = line.Cells();
    const auto n = line.Length();
    for (std::uint32_t k = 0; k < n;) {
        if (IsBlank(cells[k])) {
            AppendUtf8(out, cells[k]);
            ++k;
            continue;
        }
        std::uint32_t end = k;
        while (end < n && !IsBlank(cells[end]))
            ++end;
        AppendWord(out, line, k, end, useReadings);
        k = end;
    }
    return out;
}

std::string AtfExport::Text(const CFDocument& document, std::string_view name, bool useReadings)
{
    std::string out = "&X000001 = ";
    // The name stays on the & line.
    for (const char c : name)
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    out += "\n#atf: lang akk\n#atf: use unicode\n";
    for (std::uint32_t l = 0; l < document.LineCount(); ++l) {
        out += std::to_string(l + 1);
        out += '.';
        const std::string text = Line(document.Line(l), useReadings);
        if (!text.empty()) {
            out += ' ';
            out += text;
        }
        out += '\n';
    }
    return out;
}

FileWriteResult AtfExport::Save(const std::filesystem::path& path, const CFDocument& document,
                                std::string_view name)
{
    SafeFileWriter out(path);
    if (!out.isOpen())
        return out.failure();
    out.write(Text(document, name));
    return out.commit();
}

} // namespace velmora
