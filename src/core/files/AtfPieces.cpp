#include "core/files/AtfPieces.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

constexpr std::size_t kReadBytes = std::size_t{1} << 18;

// Where a piece of text may end: just after a line end that is followed by
// a line of the kind asked for; 0 when there is none.
std::size_t CutBefore(const std::string& lines, bool textStart)
{
    for (std::size_t at = lines.size(); at > 1;) {
        const std::size_t newline = lines.rfind('\n', at - 2);
        if (newline == std::string::npos)
            return 0;
        const char next = lines[newline + 1];
        if (textStart ? next == '&' : (next != ' ' && next != '\t'))
            return newline + 1;
        at = newline + 1;
    }
    return 0;
}

} // namespace

FileLoadResult AtfPieces::open(const std::filesystem::path& path, std::uint64_t maxSize)
{
    lines_.clear();
    pendingCR_ = false;
    ended_ = false;
    started_ = false;
    nextLine_ = 1;
    return file_.open(path, maxSize);
}

bool AtfPieces::fill()
{
    if (ended_)
        return false;
    std::vector<char> buffer(kReadBytes);
    const std::size_t got = file_.read(buffer.data(), buffer.size());
    if (got == 0) {
        ended_ = true;
        if (pendingCR_)
            lines_ += '\n';
        pendingCR_ = false;
        return false;
    }
    std::size_t from = 0;
    // A byte-order mark at the start is not text.
    if (!started_ && got >= 3 && std::equal(buffer.begin(), buffer.begin() + 3, "\xEF\xBB\xBF"))
        from = 3;
    started_ = true;
    for (std::size_t i = from; i < got; ++i) {
        const char c = buffer[i];
        if (pendingCR_) {
            pendingCR_ = false;
            lines_ += '\n';
            if (c == '\n')
                continue;
        }
        if (c == '\r')
            pendingCR_ = true;
        else
            lines_ += c;
    }
    return true;
}

bool AtfPieces::next(std::string& piece, std::uint32_t& firstLine)
{
    while (lines_.size() < kPieceBytes && fill()) {}
    if (!file_.status())
        return false;
    if (lines_.empty())
        return false;
    std::size_t cut = lines_.size();
    if (!ended_) {
        cut = CutBefore(lines_, true);
        while (cut == 0 && lines_.size() < 4 * kPieceBytes && fill())
            cut = CutBefore(lines_, true);
        if (ended_) {
            cut = lines_.size(); // the rest of the file is here
        } else if (cut == 0) {
            // A text longer than a piece; a line continued for longer than
            // that is read to its end.
            cut = CutBefore(lines_, false);
            while (cut == 0 && fill())
                cut = CutBefore(lines_, false);
            if (cut == 0)
                cut = lines_.size();
        }
    }
    piece.assign(lines_, 0, cut);
    lines_.erase(0, cut);
    firstLine = nextLine_;
    nextLine_ += static_cast<std::uint32_t>(std::count(piece.begin(), piece.end(), '\n'));
    return true;
}

AtfConverter::Conversion AtfPieces::Convert(const AtfConverter& converter, std::string_view piece,
                                            std::uint32_t firstLine)
{
    AtfConverter::Conversion conversion = converter.ConvertText(piece);
    const std::uint32_t offset = firstLine - 1;
    if (conversion.invalidUtf8Line != 0)
        conversion.invalidUtf8Line += offset;
    for (auto& text : conversion.texts) {
        if (text.number != 0)
            text.number += offset;
    }
    for (auto& line : conversion.lines)
        line.number += offset;
    for (auto& unconverted : conversion.unconverted)
        unconverted.line += offset;
    for (auto& line : conversion.unlabelled)
        line += offset;
    return conversion;
}

} // namespace velmora
