#include "tools/OslReader.h"

#include "base/Utf8Codec.h"

#include <algorithm>

namespace velmora {

namespace {

std::string_view TrimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Collects the blocks of one sign at a time, so that a sign cut short by an
// unreadable line can be dropped whole.
class Collector {
public:
    explicit Collector(OslReader::Result& result) : result_(result) {}

    bool open() const { return signBlock_ != kNone; }

    void openSign(bool deprecated, OslReader::Text name)
    {
        close();
        signBlock_ = result_.blocks.size();
        firstValue_ = result_.values.size();
        OslReader::Block& block = result_.blocks.emplace_back();
        block.deprecated = deprecated;
        block.name = std::move(name);
        current_ = signBlock_;
    }

    void openForm(bool deprecated, OslReader::Text name)
    {
        if (!open())
            return;
        const bool signDeprecated = result_.blocks[signBlock_].deprecated;
        current_ = result_.blocks.size();
        OslReader::Block& block = result_.blocks.emplace_back();
        block.form = true;
        block.deprecated = deprecated || signDeprecated;
        block.name = std::move(name);
    }

    void closeForm()
    {
        if (open())
            current_ = signBlock_;
    }

    void close() { signBlock_ = kNone; }

    void addValue(bool deprecated, OslReader::Text text)
    {
        if (open())
            result_.values.push_back(OslReader::Value{current_, deprecated, std::move(text)});
    }

    void addAka(OslReader::Text name)
    {
        if (open())
            result_.blocks[current_].akas.push_back(std::move(name));
    }

    void setUcun(OslReader::Text ucun)
    {
        if (!open() || result_.blocks[current_].hasUcun)
            return;
        result_.blocks[current_].hasUcun = true;
        result_.blocks[current_].ucun = std::move(ucun);
    }

    // Drops the sign being read.
    void dropOpenSign()
    {
        if (!open())
            return;
        result_.blocks.resize(signBlock_);
        result_.values.resize(firstValue_);
        signBlock_ = kNone;
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    OslReader::Result& result_;
    std::size_t signBlock_ = kNone; // the block of the open sign
    std::size_t firstValue_ = 0;
    std::size_t current_ = 0;
};

} // namespace

std::size_t OslReader::Result::signCount() const
{
    return static_cast<std::size_t>(
        std::count_if(blocks.begin(), blocks.end(), [](const Block& b) { return !b.form; }));
}

std::size_t OslReader::Result::formCount() const
{
    return blocks.size() - signCount();
}

OslReader::Result OslReader::Read(std::string_view text)
{
    Result result;
    Collector sign(result);

    std::uint32_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(pos, end - pos);
        pos = newline == std::string_view::npos ? text.size() : newline + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() < 2 || line.front() != '@')
            continue;

        const std::size_t tagEnd = std::min(line.find_first_of(" \t"), line.size());
        std::string_view tag = line.substr(1, tagEnd - 1);
        const std::string_view rest = TrimBlanks(line.substr(tagEnd));
        bool deprecated = false;
        if (tag.size() > 1 && (tag.back() == '-' || tag.back() == '+')) {
            deprecated = tag.back() == '-';
            tag.remove_suffix(1);
        }

        if (tag == "@") {
            sign.closeForm();
            continue;
        }
        if (tag == "end") {
            if (rest == "form")
                sign.closeForm();
            else
                sign.close();
            continue;
        }
        if (tag == "pcun" || tag == "compoundonly" || tag == "lref") {
            sign.close();
            continue;
        }
        const bool opens = tag == "sign" || tag == "form";
        const bool inSign = tag == "v" || tag == "ucun" || tag == "aka";
        if (!opens && !(inSign && sign.open()))
            continue;

        auto codePoints = DecodeUtf8(rest);
        if (!codePoints) {
            sign.dropOpenSign();
            result.errorLine = lineNumber;
            result.error = "not valid UTF-8";
            return result;
        }
        if (tag == "sign")
            sign.openSign(deprecated, std::move(*codePoints));
        else if (tag == "form")
            sign.openForm(deprecated, std::move(*codePoints));
        else if (tag == "v")
            sign.addValue(deprecated, std::move(*codePoints));
        else if (tag == "aka")
            sign.addAka(std::move(*codePoints));
        else
            sign.setUcun(std::move(*codePoints));
    }
    sign.close();
    return result;
}

} // namespace velmora
