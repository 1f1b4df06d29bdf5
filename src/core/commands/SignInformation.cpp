#include "core/commands/SignInformation.h"

#include "base/Utf8Codec.h"
#include "core/atf/SignReadings.h"
#include "core/dictionary/SignNames.h"
#include "core/document/CFDocument.h"
#include "core/document/ReadingTable.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

namespace velmora {

namespace {

std::vector<std::string> Utf8Texts(const std::vector<std::u32string_view>& texts)
{
    std::vector<std::string> out;
    out.reserve(texts.size());
    for (const std::u32string_view text : texts) {
        std::string& utf8 = out.emplace_back();
        for (const char32_t c : text)
            AppendUtf8(utf8, static_cast<std::uint32_t>(c));
    }
    return out;
}

} // namespace

std::optional<SignInformation> SignInformation::Of(const CFLine& line, std::uint32_t column)
{
    if (column >= line.Length() || !SignNames::IsSign(line.CellAt(column)))
        return std::nullopt;
    SignInformation info;
    info.sign = line.CellAt(column);
    info.name = SignNames::Name(info.sign);
    if (const auto span = line.ReadingAt(column))
        info.reading = ReadingTable::Text(span->reading);
    const SignReadings& list = SignReadings::Bundled();
    info.values = Utf8Texts(list.Values(info.sign));
    info.names = Utf8Texts(list.Names(info.sign));
    // The name the sign is known by comes first, whatever the list says.
    if (info.names.empty() || info.names.front() != info.name) {
        std::erase(info.names, info.name);
        info.names.insert(info.names.begin(), info.name);
    }
    return info;
}

std::optional<SignInformation> SignInformation::Before(const CFDocument& document, Position position)
{
    if (position.line >= document.LineCount() || position.column == 0)
        return std::nullopt;
    return Of(document.Line(position.line), position.column - 1);
}

std::optional<SignInformation> SignInformation::Current(const CFDocument& document, Position cursor,
                                                        Position selectionStart, Position selectionEnd)
{
    if (selectionStart.line == selectionEnd.line && selectionEnd.column == selectionStart.column + 1
        && selectionStart.line < document.LineCount())
        return Of(document.Line(selectionStart.line), selectionStart.column);
    return Before(document, cursor);
}

std::string SignInformation::Glyph() const
{
    std::string out;
    AppendUtf8(out, sign);
    return out;
}

std::string SignInformation::CodePoint() const
{
    return SignNames::CodePoint(sign);
}

std::string SignInformation::TypedText() const
{
    return reading.empty() ? std::string() : Fill(Tr(texts::kTypedAs), reading);
}

std::string SignInformation::FirstReadings(std::size_t count) const
{
    std::string out;
    for (std::size_t i = 0; i < values.size() && i < count; ++i) {
        if (i > 0)
            out += ' ';
        out += values[i];
    }
    if (values.size() > count)
        out += " …";
    return out;
}

std::string SignInformation::Joined(std::string_view separator, std::size_t readings) const
{
    std::string out = name + ' ' + CodePoint();
    for (const std::string& part : {TypedText(), FirstReadings(readings)}) {
        if (!part.empty()) {
            out += separator;
            out += part;
        }
    }
    return out;
}

std::string SignInformation::StatusText(std::size_t readings) const
{
    return Joined(" · ", readings);
}

std::string SignInformation::ToolTipText(std::size_t readings) const
{
    return Glyph() + ' ' + Joined("\n", readings);
}

} // namespace velmora
