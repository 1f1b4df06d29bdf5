#include "platform/FileLoadResult.h"

#include "platform/UserTexts.h"

namespace velmora {

namespace {

// The text with %1 and %2 replaced by the values.
std::string Fill(std::string_view text, const std::string& first, const std::string& second = {})
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::string FileLoadResult::Describe() const
{
    const std::string lineText = std::to_string(line);
    const std::string limitText = std::to_string(limit);
    switch (reason) {
    case Reason::Ok: return {};
    case Reason::Missing: return std::string(texts::kFileMissing);
    case Reason::NotRegular: return std::string(texts::kFileNotRegular);
    case Reason::TooLarge: return Fill(texts::kFileTooLarge, limitText);
    case Reason::CannotRead: return Fill(texts::kFileCannotRead, systemError.empty() ? detail : systemError);
    case Reason::NotUtf8: return Fill(texts::kFileNotUtf8, lineText);
    case Reason::LineTooLong: return Fill(texts::kFileLineTooLong, lineText, limitText);
    case Reason::TooManyLines: return Fill(texts::kFileTooManyLines, limitText);
    case Reason::Syntax: return Fill(texts::kFileSyntax, lineText);
    }
    return {};
}

} // namespace velmora
