#include "platform/FailureText.h"

#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

namespace velmora {

std::string FailureText(const FileLoadResult& result)
{
    using Reason = FileLoadResult::Reason;
    const auto& [reason, line, limit, systemError, detail] = result;
    const std::string lineText = std::to_string(line);
    const std::string limitText = std::to_string(limit);
    switch (reason) {
    case Reason::Ok:
        return {};
    case Reason::Missing:
        return Tr(texts::kFileMissing);
    case Reason::NotRegular:
        return Tr(texts::kFileNotRegular);
    case Reason::TooLarge:
        return Fill(Tr(texts::kFileTooLarge), limitText);
    case Reason::CannotRead:
        return Fill(Tr(texts::kFileCannotRead), systemError.empty() ? detail : systemError);
    case Reason::NotUtf8:
        return Fill(Tr(texts::kFileNotUtf8), lineText);
    case Reason::LineTooLong:
        return Fill(Tr(texts::kFileLineTooLong), lineText, limitText);
    case Reason::TooManyLines:
        return Fill(Tr(texts::kFileTooManyLines), limitText);
    case Reason::Syntax:
        return Fill(Tr(texts::kFileSyntax), lineText);
    }
    return {};
}

std::string FailureText(const FileWriteResult& result)
{
    using Reason = FileWriteResult::Reason;
    switch (result.reason) {
    case Reason::Ok:
        return {};
    case Reason::BadName:
        return Tr(texts::kFileBadName);
    case Reason::NotRegular:
        return Tr(texts::kFileNotRegular);
    case Reason::CannotWrite:
        return Fill(Tr(texts::kFileCannotWrite), result.systemError());
    case Reason::Refused:
        return Tr(texts::kInPlaceSaveUnprotected);
    case Reason::CannotEncode:
        return Tr(texts::kWordDataNotExpressible);
    }
    return {};
}

} // namespace velmora
