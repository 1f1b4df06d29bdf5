#include "core/atf/AtfConverter.h"

#include "core/atf/AtfReader.h"
#include "core/atf/AtfSpelling.h"
#include "core/atf/AtfWord.h"
#include "core/dictionary/SignNames.h"

#include <algorithm>

namespace velmora {

namespace {

using Kind = AtfSignTable::Kind;

bool IsWordBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00A0' || c == U'\u3000';
}

bool IsAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsAllDigits(std::u32string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// The count of a number: 3, 1/2, n (not known).
bool IsNumberCount(std::u32string_view text)
{
    if (text == U"n" || IsAllDigits(text))
        return true;
    const std::size_t slash = text.find(U'/');
    if (slash == std::u32string_view::npos)
        return false;
    const std::u32string_view numerator = text.substr(0, slash);
    return (numerator == U"n" || IsAllDigits(numerator)) && IsAllDigits(text.substr(slash + 1));
}

// Pieces that stand for no known sign and are written as they are.
bool IsWrittenAsIs(std::u32string_view text)
{
    return text == U"x" || text == U"X" || text == U"o" || text == U"O" || text == U"..." || text == U"…";
}

// The position of the "(" that opens the parenthesis closing the text, or
// npos.
std::size_t OpeningOfLastParenthesis(std::u32string_view text)
{
    if (text.empty() || text.back() != U')')
        return std::u32string_view::npos;
    int depth = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == U')')
            ++depth;
        else if (text[i] == U'(' && --depth == 0)
            return i;
    }
    return std::u32string_view::npos;
}

// The text with every occurrence of one letter replaced, or empty when it
// holds none.
std::u32string Replaced(const std::u32string& text, char32_t from, char32_t to)
{
    if (text.find(from) == std::u32string::npos)
        return {};
    std::u32string out = text;
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

// Removes inline state and comments: ($ blank space $), (# note #).
std::u32string WithoutInlineNotes(std::u32string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'(' && i + 1 < text.size() && (text[i + 1] == U'$' || text[i + 1] == U'#')) {
            const char32_t close[] = {text[i + 1], U')', 0};
            const std::size_t end = text.find(close, i + 2);
            if (end != std::u32string_view::npos) {
                // A note may go on over a continuation line: its line breaks
                // stay, so that later readings keep their line numbers.
                out += U' ';
                out.append(static_cast<std::size_t>(std::count(text.begin() + i, text.begin() + end, U'\n')),
                           U'\n');
                i = end + 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// One piece of a word as it goes into the cells.
struct Part {
    bool latin = false;
    std::u32string text;
    char32_t separator = 0;
    // The reading of converted signs; empty for Latin and for cuneiform
    // that was there already.
    std::u32string reading;
};

// How a converted piece is remembered: the Oracc spelling, a determinative
// or phonetic complement in its braces.
std::u32string ReadingOf(const AtfWord::Piece& piece)
{
    std::u32string reading = AtfSpelling::Oracc(piece.text);
    if (piece.determinative)
        reading = (piece.complement ? U"{+" : U"{") + reading + U"}";
    return reading;
}

} // namespace

std::optional<std::u32string> AtfConverter::lookUp(std::u32string_view text, bool nameFirst) const
{
    const std::u32string canonical = AtfSpelling::Canonical(text);
    const Kind first = nameFirst ? Kind::Name : Kind::Value;
    const Kind second = nameFirst ? Kind::Value : Kind::Name;
    const auto find = [&](const std::u32string& spelling) -> const std::u32string* {
        if (spelling.empty())
            return nullptr;
        if (const auto* signs = table_.find(first, spelling))
            return signs;
        return table_.find(second, spelling);
    };
    if (const auto* signs = find(canonical))
        return *signs;
    // Sign lists write ŋ where many editions write g, and the other way.
    if (const auto* signs = find(Replaced(canonical, U'g', U'ŋ')))
        return *signs;
    if (const auto* signs = find(Replaced(canonical, U'ŋ', U'g')))
        return *signs;
    // A variant form (KA~a) is written with the sign of its kind.
    if (const std::size_t tilde = canonical.find(U'~'); tilde != std::u32string::npos && tilde > 0) {
        std::size_t end = tilde + 1;
        while (end < canonical.size() && AtfSpelling::IsLetter(canonical[end]))
            ++end;
        std::u32string plain = canonical.substr(0, tilde) + canonical.substr(end);
        if (const auto* signs = find(plain))
            return *signs;
    }
    if (!text.empty() && text.front() == U'|')
        return compound(text);
    return std::nullopt;
}

std::optional<std::u32string> AtfConverter::compound(std::u32string_view text) const
{
    // Only a compound that ends with its bar splits; a modifier after it
    // (|A.AN|@t) changes the whole.
    if (text.size() < 3 || text.back() != U'|')
        return std::nullopt;
    const std::u32string_view inside = text.substr(1, text.size() - 2);
    std::vector<std::u32string_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= inside.size(); ++i) {
        const char32_t c = i < inside.size() ? inside[i] : U'.';
        if (c == U'(')
            ++depth;
        else if (c == U')')
            --depth;
        else if (depth == 0 && (c == U'.' || c == U'+')) {
            parts.push_back(inside.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() < 2)
        return std::nullopt;
    std::u32string signs;
    for (std::u32string_view part : parts) {
        if (part.size() > 2 && part.front() == U'(' && part.back() == U')')
            part = part.substr(1, part.size() - 2);
        if (part.empty())
            return std::nullopt;
        std::optional<std::u32string> partSigns = lookUp(U"|" + std::u32string(part) + U"|", true);
        if (!partSigns)
            partSigns = lookUp(part, true);
        if (!partSigns)
            return std::nullopt;
        signs += *partSigns;
    }
    return signs;
}

std::optional<std::u32string> AtfConverter::SignsOf(std::u32string_view piece) const
{
    const std::size_t open = OpeningOfLastParenthesis(piece);
    if (open != std::u32string_view::npos && open > 0 && piece.front() != U'|') {
        std::u32string_view before = piece.substr(0, open);
        const bool corrected = before.back() == U'!';
        if (corrected)
            before.remove_suffix(1);
        if (!corrected && IsNumberCount(before))
            return lookUp(piece, false); // 3(diš), 1/2(diš)
        // A qualified reading gives the sign named in the parentheses.
        if (!before.empty())
            return lookUp(piece.substr(open + 1, piece.size() - open - 2), true);
    }
    return lookUp(piece, false);
}

void AtfConverter::convertWords(std::u32string_view words, std::span<const std::uint32_t> lines,
                                Cells& out) const
{
    const std::u32string text = WithoutInlineNotes(words);
    std::size_t lineIndex = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && IsWordBlank(text[pos])) {
            if (text[pos] == U'\n' && lineIndex + 1 < lines.size())
                ++lineIndex;
            ++pos;
        }
        const std::uint32_t line = lines.empty() ? 0 : lines[lineIndex];
        std::size_t end = pos;
        while (end < text.size() && !IsWordBlank(text[end]))
            ++end;
        const std::u32string_view token = std::u32string_view(text).substr(pos, end - pos);
        pos = end;
        // A change of language (%akk, %sux) is not written on the tablet.
        if (token.empty() || token.front() == U'%')
            continue;

        std::vector<AtfWord::Piece> pieces;
        const std::u32string bare = AtfWord::WithoutMarks(token);
        // Punctuation written alone (: /) is a sign of its own.
        if (!bare.empty()
            && std::none_of(bare.begin(), bare.end(),
                            [](char32_t c) { return AtfSpelling::IsLetter(c) || IsAsciiDigit(c); })
            && table_.find(Kind::Value, bare))
            pieces.push_back(AtfWord::Piece{bare, false, false, 0});
        else
            pieces = AtfWord::Split(token);

        std::vector<Part> parts;
        for (const AtfWord::Piece& piece : pieces) {
            Part part;
            part.separator = piece.separator;
            const std::u32string& reading = piece.text;
            if (std::all_of(reading.begin(), reading.end(),
                            [](char32_t c) { return SignNames::IsSign(c); })) {
                part.text = reading;
            } else if (IsWrittenAsIs(reading)) {
                part.latin = true;
                part.text = reading;
            } else if (IsNumberCount(reading) && !piece.determinative) {
                part.latin = true;
                part.text = reading;
                ++out.counts.bareNumbers;
            } else {
                ++out.counts.readings;
                // {1}: the number one as the determinative of a man's name.
                const auto signs = piece.determinative && IsAllDigits(reading)
                    ? lookUp(reading + U"(diš)", false)
                    : SignsOf(reading);
                if (signs) {
                    part.text = *signs;
                    part.reading = ReadingOf(piece);
                } else {
                    part.latin = true;
                    part.text = reading;
                    ++out.counts.keptLatin;
                    out.unconverted.push_back(
                        Unconverted{line, piece.determinative ? U"{" + reading + U"}" : reading});
                }
            }
            if (part.latin && piece.determinative)
                part.text = U"{" + part.text + U"}";
            parts.push_back(std::move(part));
        }

        std::u32string word;
        std::vector<Reading> readings;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0 && parts[i].latin && parts[i - 1].latin && parts[i].separator != 0)
                word += parts[i].separator;
            if (!parts[i].reading.empty())
                readings.push_back(
                    {word.size(), word.size() + parts[i].text.size(), std::move(parts[i].reading)});
            word += parts[i].text;
        }
        if (word.empty())
            continue;
        if (!out.cells.empty())
            out.cells.push_back(U' ');
        for (Reading& reading : readings) {
            reading.begin += out.cells.size();
            reading.end += out.cells.size();
            out.readings.push_back(std::move(reading));
        }
        out.cells.insert(out.cells.end(), word.begin(), word.end());
    }
}

AtfConverter::Cells AtfConverter::ConvertTransliteration(std::span<const std::uint32_t> text) const
{
    Cells out;
    convertWords(std::u32string(text.begin(), text.end()), {}, out);
    return out;
}

AtfConverter::Conversion AtfConverter::ConvertText(std::string_view utf8) const
{
    Conversion conversion;
    const AtfReader::Result read = AtfReader::Read(utf8);
    if (!read.ok()) {
        conversion.invalidUtf8Line = read.errorLine;
        return conversion;
    }

    // The text line being read: its words, continuation lines included,
    // and the numbers of the lines they stand on.
    std::u32string words;
    std::vector<std::uint32_t> wordLines;
    Cells current;
    bool inTextLine = false;
    const auto finishLine = [&] {
        if (!inTextLine)
            return;
        convertWords(words, wordLines, current);
        conversion.lines.back().cells = std::move(current.cells);
        conversion.lines.back().readings = std::move(current.readings);
        conversion.unconverted.insert(conversion.unconverted.end(), current.unconverted.begin(),
                                      current.unconverted.end());
        conversion.counts.readings += current.counts.readings;
        conversion.counts.keptLatin += current.counts.keptLatin;
        conversion.counts.bareNumbers += current.counts.bareNumbers;
        current = Cells{};
        inTextLine = false;
    };

    for (const AtfReader::Line& line : read.lines) {
        using LineKind = AtfReader::Kind;
        switch (line.kind) {
        case LineKind::Blank:
            continue; // a continuation goes on the line before the blank
        case LineKind::Continuation:
            if (inTextLine) {
                conversion.lines.back().transliteration += U' ';
                conversion.lines.back().transliteration += line.content;
                words += U'\n';
                words += line.content;
                wordLines.push_back(line.number);
            }
            continue; // it continues whatever came before
        case LineKind::TextHeader:
            finishLine();
            conversion.texts.push_back(Text{line.number, line.content});
            break;
        case LineKind::Text: {
            finishLine();
            if (conversion.texts.empty())
                conversion.texts.push_back(Text{});
            TextLine& textLine = conversion.lines.emplace_back();
            textLine.number = line.number;
            textLine.label = line.label;
            textLine.transliteration = line.content;
            textLine.text = conversion.texts.size() - 1;
            inTextLine = true;
            words = line.content;
            wordLines.assign(1, line.number);
            break;
        }
        case LineKind::Unlabelled:
            finishLine();
            conversion.unlabelled.push_back(line.number);
            break;
        default:
            finishLine();
            break;
        }
    }
    finishLine();
    return conversion;
}

} // namespace velmora
