#include "core/atf/AtfWord.h"

namespace velmora {

namespace {

bool IsMark(char32_t c)
{
    switch (c) {
    case U'[':
    case U']':
    case U'⸢':
    case U'⸣':
    case U'⌈':
    case U'⌉':
    case U'#':
    case U'?':
    case U'*':
    case U'<':
    case U'>':
    case U'_':
        return true;
    default:
        return false;
    }
}

bool IsSeparator(char32_t c)
{
    return c == U'-' || c == U'.' || c == U'+' || c == U':' || c == U'—';
}

bool IsFormCodeChar(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
}

// Splits text into pieces; inside braces (determinative) no further braces
// are looked for.
class Splitter {
public:
    explicit Splitter(std::vector<AtfWord::Piece>& pieces) : pieces_(pieces) {}

    void split(std::u32string_view text, bool determinative)
    {
        determinative_ = determinative;
        const std::size_t n = text.size();
        for (std::size_t i = 0; i < n; ++i) {
            const char32_t c = text[i];
            if (c == U'{' && !determinative) {
                flush();
                const bool gloss = i + 1 < n && text[i + 1] == U'{';
                const std::u32string_view close = gloss ? U"}}" : U"}";
                const std::size_t start = i + (gloss ? 2 : 1);
                std::size_t end = text.find(close, start);
                if (end == std::u32string_view::npos)
                    end = n;
                std::u32string_view inside = text.substr(start, end - start);
                // {+ga}: a phonetic complement.
                const bool complement = !inside.empty() && inside.front() == U'+';
                if (complement)
                    inside.remove_prefix(1);
                Splitter(pieces_).splitInside(inside, separator_, complement);
                separator_ = 0;
                i = end == n ? n : end + close.size() - 1;
            } else if (c == U'|') {
                flush();
                std::size_t end = text.find(U'|', i + 1);
                end = end == std::u32string_view::npos ? n : end + 1;
                current_.append(text.substr(i, end - i));
                i = end - 1;
            } else if (c == U'(') {
                if (current_.empty()) {
                    ++editorial_; // parentheses around readings
                    continue;
                }
                // A number's unit or a qualifying sign: 3(diš), ša₂!(KA).
                std::size_t end = i;
                for (int depth = 0; end < n; ++end) {
                    if (text[end] == U'(')
                        ++depth;
                    else if (text[end] == U')' && --depth == 0)
                        break;
                }
                end = end == n ? n : end + 1;
                current_.append(text.substr(i, end - i));
                i = end - 1;
            } else if (c == U')') {
                if (editorial_ > 0)
                    --editorial_;
            } else if (c == U'}') {
                // A brace without its opening one carries nothing.
            } else if (c == U'.' && text.substr(i).starts_with(U"...")) {
                flush();
                while (i + 1 < n && text[i + 1] == U'.')
                    ++i;
                push(U"...");
            } else if (c == U'…') {
                flush();
                push(U"…");
            } else if (IsSeparator(c)) {
                flush();
                separator_ = c;
            } else {
                current_ += c;
            }
        }
        flush();
    }

private:
    void splitInside(std::u32string_view text, char32_t separator, bool complement)
    {
        separator_ = separator;
        complement_ = complement;
        split(text, true);
    }

    void push(std::u32string text)
    {
        pieces_.push_back(AtfWord::Piece{std::move(text), determinative_, complement_, separator_});
        separator_ = 0;
    }

    void flush()
    {
        if (!current_.empty())
            push(std::move(current_));
        current_.clear();
    }

    std::vector<AtfWord::Piece>& pieces_;
    std::u32string current_;
    char32_t separator_ = 0;
    bool determinative_ = false;
    bool complement_ = false;
    int editorial_ = 0;
};

} // namespace

std::u32string AtfWord::WithoutMarks(std::u32string_view word)
{
    std::u32string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char32_t c = word[i];
        if (IsMark(c))
            continue;
        // "!" corrects a reading; it stays only before the sign it names.
        if (c == U'!' && !(i + 1 < word.size() && word[i + 1] == U'('))
            continue;
        if (c == U'\\') {
            while (i + 1 < word.size() && IsFormCodeChar(word[i + 1]))
                ++i;
            continue;
        }
        out += c;
    }
    return out;
}

std::vector<AtfWord::Piece> AtfWord::Split(std::u32string_view word)
{
    std::vector<Piece> pieces;
    Splitter(pieces).split(WithoutMarks(word), false);
    return pieces;
}

} // namespace velmora
