// Reading and writing sign data files: one line per candidate, giving the
// key in an ASCII notation, the sign number in decimal and the candidate's
// code points in hexadecimal ("DU3 12000,1202d").

#include "base/RegularFile.h"
#include "base/SafeFileWriter.h"
#include "core/dictionary/CFWordDictionary.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace velmora {

namespace {

// Limits of one entry line: key symbols, sign fields and field width.
constexpr std::size_t kMaxKeySymbols = 49;
constexpr std::size_t kMaxSignFields = 49;
constexpr std::size_t kMaxFieldChars = 8;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Converts a sign field the way strtol with base 16 does: leading white
// space, an optional sign and an optional 0x prefix are accepted, and the
// conversion stops at the first character that is not a hexadecimal digit.
// A field without digits gives 0. Fields hold at most 8 characters, so the
// value always fits in 32 bits; a minus sign negates it modulo 2^32.
std::uint32_t ConvertSignField(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && IsCSpace(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i + 1 < field.size() && field[i] == '0' && (field[i + 1] == 'x' || field[i + 1] == 'X'))
        i += 2;
    std::uint32_t value = 0;
    for (; i < field.size(); ++i) {
        const int digit = HexDigitValue(field[i]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - value : value;
}

// The key symbol written as "#", "-" or "^" followed by a letter, or 0 when
// the letter is outside that mark's set.
std::uint32_t MarkedSymbol(char mark, char letter)
{
    switch (mark) {
    case '#':
        switch (UpperAscii(letter)) {
        case 'S':
            return 0x1E62; // Ṣ
        case 'T':
            return 0x1E6C; // Ṭ
        default:
            return 0;
        }
    case '-':
        switch (UpperAscii(letter)) {
        case 'A':
            return 0x0100; // Ā
        case 'E':
            return 0x0112; // Ē
        case 'I':
            return 0x012A; // Ī
        case 'U':
            return 0x016A; // Ū
        default:
            return 0;
        }
    default: // '^'
        switch (UpperAscii(letter)) {
        case 'A':
            return 0x00C2; // Â
        case 'E':
            return 0x00CA; // Ê
        case 'I':
            return 0x00CE; // Î
        case 'U':
            return 0x00DB; // Û
        default:
            return 0;
        }
    }
}

} // namespace

// Where the parts of one entry line went in the elements of a load: the key
// symbols and the candidate's signs, each followed by its terminator.
struct CFWordDictionary::LoadedLine {
    std::uint32_t key = 0;
    std::uint32_t keyLength = 0;
    std::uint32_t signs = 0;
    std::uint32_t signsLength = 0;
    std::uint32_t number = 1;
};

namespace {

// Parses an entry line, appending its key and its signs to codes. Returns
// null on success, otherwise why the line is malformed (codes may then hold
// part of the line).
const char* ParseEntryLine(std::string_view line, std::vector<std::uint32_t>& codes,
                           CFWordDictionary::LoadedLine& entry)
{
    std::size_t i = 0;

    // Key: symbols up to the first space or decimal digit.
    entry.key = static_cast<std::uint32_t>(codes.size());
    std::size_t symbols = 0;
    while (i < line.size() && line[i] != ' ' && !IsDecimalDigit(line[i])) {
        const char c = line[i];
        std::uint32_t symbol = 0;
        if (c == '#' || c == '-' || c == '^') {
            if (i + 1 < line.size())
                symbol = MarkedSymbol(c, line[i + 1]);
            if (symbol == 0) {
                switch (c) {
                case '#':
                    return "'#' is not followed by S or T";
                case '-':
                    return "'-' is not followed by A, E, I or U";
                default:
                    return "'^' is not followed by A, E, I or U";
                }
            }
            i += 2;
        } else if (c == '\'') {
            symbol = 0x27;
            ++i;
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            const char upper = UpperAscii(c);
            symbol = upper == 'C' ? 0x0160 : upper == 'H' ? 0x1E2A : static_cast<std::uint32_t>(upper);
            ++i;
        } else {
            return "character outside the key notation";
        }
        if (symbols == kMaxKeySymbols)
            return "key of more than 49 symbols";
        codes.push_back(symbol);
        ++symbols;
    }
    codes.push_back(0);
    entry.keyLength = static_cast<std::uint32_t>(symbols + 1);

    // Number: any decimal digits; 1 without any.
    entry.number = 1;
    if (i < line.size() && IsDecimalDigit(line[i])) {
        std::uint64_t value = 0;
        while (i < line.size() && IsDecimalDigit(line[i])) {
            value = value * 10 + static_cast<std::uint64_t>(line[i] - '0');
            if (value > 0xFFFFFFFFu)
                return "sign number does not fit in 32 bits";
            ++i;
        }
        entry.number = static_cast<std::uint32_t>(value);
    }

    if (i >= line.size() || line[i] != ' ')
        return "no space after the key and number";
    ++i;

    // Signs: comma-separated hexadecimal fields to the end of the line. A
    // comma at the very end adds no field; a field giving 0 ends the
    // candidate, but the fields after it are still checked.
    entry.signs = static_cast<std::uint32_t>(codes.size());
    std::string_view rest = line.substr(i);
    const bool hasFields = !rest.empty();
    if (hasFields && rest.back() == ',')
        rest.remove_suffix(1);
    std::size_t fields = 0;
    bool ended = false;
    for (std::size_t start = 0; hasFields;) {
        const std::size_t comma = rest.find(',', start);
        const std::string_view field =
            rest.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (++fields > kMaxSignFields)
            return "more than 49 sign fields";
        if (field.size() > kMaxFieldChars)
            return "sign field longer than 8 characters";
        const std::uint32_t value = ConvertSignField(field);
        if (value == 0)
            ended = true;
        else if (!ended)
            codes.push_back(value);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    codes.push_back(0);
    entry.signsLength = static_cast<std::uint32_t>(codes.size() - entry.signs);
    return nullptr;
}

// Writes bytes to the file at path, creating or truncating it.
FileWriteResult WriteWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    // Written beside the target and renamed over it, so a failed save never
    // leaves the old file half overwritten.
    SafeFileWriter out(path);
    out.write(bytes);
    return out.commit();
}

template <class Number>
void AppendNumber(std::string& out, Number value, int base)
{
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, base);
    out.append(digits.data(), result.ptr);
}

} // namespace

void CFWordDictionary::FailLoad(LoadResult result, std::uint32_t line, std::string reason)
{
    lastLoadResult_ = result;
    lastFailure_ = FileLoadResult::Failure(result == SyntaxError ? FileLoadResult::Reason::Syntax
                                                                 : FileLoadResult::Reason::CannotRead,
                                           std::move(reason), line);
}

void CFWordDictionary::FailLoad(const FileLoadResult& failure)
{
    lastLoadResult_ = failure.reason == FileLoadResult::Reason::Syntax ? SyntaxError : CannotOpen;
    lastFailure_ = failure;
}

FileLoadResult CFWordDictionary::Load(const std::filesystem::path& path)
{
    std::string bytes;
    if (FileLoadResult read = RegularFile::ReadAll(path, kMaxFileBytes, bytes); !read) {
        FailLoad(read);
        return read;
    }
    return LoadFromBytes(bytes);
}

FileLoadResult CFWordDictionary::LoadFromBytes(std::string_view bytes)
{
    // First every line is read into one array of elements, then the words
    // are made over that array in one go; a malformed line ends the reading,
    // and the lines before it are added all the same.
    std::vector<std::uint32_t> codes;
    codes.reserve(bytes.size() / 2 + 16);
    std::vector<LoadedLine> lines;
    lines.reserve(bytes.size() / 8 + 1);
    const char* failure = nullptr;
    std::uint32_t lineNumber = 0;

    bool checkByteOrderMark = true;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t newline = bytes.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        std::string_view line = bytes.substr(pos, end - pos);
        pos = newline == std::string_view::npos ? bytes.size() : newline + 1;
        ++lineNumber;
        if (newline != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (line.empty())
            continue;
        // The byte order mark is looked for on the first non-empty line, and
        // again on the next one as long as the lines hold nothing else.
        if (checkByteOrderMark) {
            if (line.starts_with(kByteOrderMark)) {
                line.remove_prefix(kByteOrderMark.size());
                if (line.empty())
                    continue;
            }
            checkByteOrderMark = false;
        }
        if (line.front() == '/') {
            if (line.size() >= 2 && line[1] == '/')
                continue;
            failure = "a single '/' begins the line";
            break;
        }

        const std::size_t before = codes.size();
        LoadedLine& entry = lines.emplace_back();
        if ((failure = ParseEntryLine(line, codes, entry)) != nullptr) {
            lines.pop_back();
            codes.resize(before);
            break;
        }
    }

    AddLoaded(lines, std::move(codes));
    if (failure) {
        FailLoad(SyntaxError, lineNumber, failure);
        return lastFailure_;
    }
    return FileLoadResult::Success();
}

void CFWordDictionary::AddLoaded(std::span<const LoadedLine> lines, std::vector<std::uint32_t> codes)
{
    if (lines.empty())
        return;
    // The array the elements of every word of the file were read into is
    // kept as it is, one block holds the words and one the candidate lists
    // of new keys; a word or list handed out keeps its block alive. Every
    // line makes one candidate and at most one key, so the blocks and the
    // index are made at their final size and what is in them never moves.
    const auto block = boost::make_shared<std::vector<std::uint32_t>>(std::move(codes));
    const boost::shared_array<std::uint32_t> elements(block->data(), [block](std::uint32_t*) {});
    ReserveIndex(slots_.size() + lines.size());
    const auto words = boost::make_shared<std::vector<CFWordSign>>();
    words->reserve(lines.size() * 2);
    const auto lists = boost::make_shared<std::vector<CandidateList>>();
    lists->reserve(lines.size());
    const auto wordAt = [&](std::uint32_t offset, std::uint32_t length) {
        CFWordSign& word = words->emplace_back();
        word.SetShared(boost::shared_array<std::uint32_t>(elements, elements.get() + offset), length);
        return WordPtr(words, &word);
    };
    // The number of the last candidate of each key this load added, kept
    // beside the slots so that the order is checked without visiting the
    // candidate itself.
    const std::size_t slotsBefore = slots_.size();
    std::vector<std::uint32_t> lastNumbers;
    lastNumbers.reserve(lines.size());
    // Candidates are appended in file order; a list that received one out of
    // the order of numbers is sorted once at the end, stably, which puts
    // every candidate where inserting them one by one would have.
    std::vector<CandidateList*> unsorted;
    for (const LoadedLine& line : lines) {
        const Codes key(elements.get() + line.key, line.keyLength);
        std::ptrdiff_t position = FindSlotIndex(key, HashOf(key));
        if (position < 0) {
            AddSlot(wordAt(line.key, line.keyLength), CandidateListPtr(lists, &lists->emplace_back()), false);
            position = static_cast<std::ptrdiff_t>(slots_.size() - 1);
        }
        CandidateList& list = *slots_[static_cast<std::size_t>(position)].entry.candidates;
        std::uint32_t* last = nullptr;
        if (static_cast<std::size_t>(position) >= slotsBefore) {
            const std::size_t added = static_cast<std::size_t>(position) - slotsBefore;
            if (added == lastNumbers.size())
                lastNumbers.push_back(line.number);
            last = &lastNumbers[added];
        }
        const std::uint32_t lastNumber = last ? *last : list.empty() ? 0 : list.back()->number;
        if (!list.empty() && lastNumber > line.number)
            unsorted.push_back(&list);
        if (last)
            *last = line.number;
        list.push_back(wordAt(line.signs, line.signsLength));
        list.back()->number = line.number;
        ++candidateCount_;
    }
    std::sort(unsorted.begin(), unsorted.end());
    unsorted.erase(std::unique(unsorted.begin(), unsorted.end()), unsorted.end());
    const auto byNumber = [](const WordPtr& a, const WordPtr& b) { return a->number < b->number; };
    for (CandidateList* list : unsorted) {
        // Lists are short: sorted in place, without the buffer of a merge.
        if (list->size() > 32) {
            std::stable_sort(list->begin(), list->end(), byNumber);
            continue;
        }
        for (auto it = list->begin() + 1; it != list->end(); ++it)
            std::rotate(std::upper_bound(list->begin(), it, *it, byNumber), it, it + 1);
    }
}

std::optional<std::string> CFWordDictionary::KeyText(const CFWordSign& key)
{
    std::string text;
    for (const std::uint32_t symbol : key.Cells()) {
        // C and H stand for Š and Ḫ: a plain C or H cannot be written.
        if (((symbol >= 'A' && symbol <= 'Z') && symbol != 'C' && symbol != 'H') || symbol == '\'') {
            text.push_back(static_cast<char>(symbol));
            continue;
        }
        const char* notation = nullptr;
        switch (symbol) {
        case 0x0160:
            notation = "C";
            break;
        case 0x1E2A:
            notation = "H";
            break;
        case 0x1E62:
            notation = "#S";
            break;
        case 0x1E6C:
            notation = "#T";
            break;
        case 0x0100:
        case 0x0101:
            notation = "-A";
            break;
        case 0x0112:
        case 0x0113:
            notation = "-E";
            break;
        case 0x012A:
        case 0x012B:
            notation = "-I";
            break;
        case 0x016A:
        case 0x016B:
            notation = "-U";
            break;
        case 0x00C2:
        case 0x00E2:
            notation = "^A";
            break;
        case 0x00CA:
        case 0x00EA:
            notation = "^E";
            break;
        case 0x00CE:
        case 0x00EE:
            notation = "^I";
            break;
        case 0x00DB:
        case 0x00FB:
            notation = "^U";
            break;
        default:
            return std::nullopt;
        }
        text += notation;
    }
    return text;
}

std::optional<std::string> CFWordDictionary::Serialize(std::string* problem) const
{
    const auto fail = [problem](std::string reason) -> std::optional<std::string> {
        if (problem)
            *problem = std::move(reason);
        return std::nullopt;
    };

    std::string out;
    out.reserve(candidateCount_ * 24);
    for (const Slot* slot : SortedSlots()) {
        const CFWordSign& key = *slot->entry.key;
        const std::optional<std::string> keyText = KeyText(key);
        if (!keyText)
            return fail("a key holds a character that the notation cannot write "
                        "(a plain C or H, or no key symbol at all)");
        if (key.Cells().size() > kMaxKeySymbols)
            return fail("a key has more than 49 symbols");
        for (const WordPtr& candidate : *slot->entry.candidates) {
            if (candidate->Length() == 0)
                continue;
            const auto signs = candidate->Cells();
            if (signs.size() > kMaxSignFields)
                return fail("a candidate has more than 49 code points");
            out += *keyText;
            // Always written, 0 too: a line without digits reads back as 1.
            AppendNumber(out, candidate->number, 10);
            out += ' ';
            for (std::size_t i = 0; i < signs.size(); ++i) {
                if (i > 0)
                    out += ',';
                AppendNumber(out, signs[i], 16);
            }
            out += "\r\n";
        }
    }
    return out;
}

FileWriteResult CFWordDictionary::Save(const std::filesystem::path& path) const
{
    const std::optional<std::string> bytes = Serialize();
    if (!bytes)
        return FileWriteResult::Failure(FileWriteResult::Reason::CannotEncode);
    return WriteWholeFile(path, *bytes);
}

} // namespace velmora
