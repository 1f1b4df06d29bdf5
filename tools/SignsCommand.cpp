#include "tools/SignsCommand.h"

#include "dictionary/CFWordDictionary.h"
#include "tools/OslSignList.h"
#include "tools/SignLookup.h"
#include "tools/UnicodeSignNames.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace velmora {

namespace {

constexpr std::string_view kProgram = "velmora-signs";

constexpr std::string_view kHelp =
    "Usage: velmora-signs COMMAND ARGUMENTS...\n"
    "\n"
    "Builds, converts and inspects Velmora sign data files (.cfd).\n"
    "\n"
    "Commands:\n"
    "  from-unicode OUT.cfd             sign data from the Unicode names of the cuneiform signs\n"
    "  from-osl SIGNLIST.asl OUT.cfd    sign data from a sign list in the Oracc Sign List format\n"
    "  lookup DICT.cfd TRANSLITERATION  the candidates the editor offers for a transliteration\n"
    "  resave IN.cfd OUT.cfd            load a sign data file and save it again\n"
    "\n"
    "Run 'velmora-signs COMMAND --help' for the details of a command.\n"
    "Exit status: 0 on success, 1 when lookup finds no candidate, 2 on errors.\n";

constexpr std::string_view kFromUnicodeHelp =
    "Usage: velmora-signs from-unicode OUT.cfd\n"
    "\n"
    "Writes a sign data file with one reading for every cuneiform sign whose Unicode\n"
    "name is \"CUNEIFORM SIGN \" followed by letters and optional digits: SH stands for\n"
    "š, H for ḫ, the digits are the sign number (none: 1). \"CUNEIFORM SIGN SHA3\"\n"
    "gives the line \"CA3 122ae\". Names with further words (A TIMES HA, GA2 GUNU) and\n"
    "the numeric and punctuation signs give no reading.\n";

constexpr std::string_view kFromOslHelp =
    "Usage: velmora-signs from-osl SIGNLIST.asl OUT.cfd\n"
    "\n"
    "Writes a sign data file from a sign list in the Oracc Sign List format. Every\n"
    "value (@v) of a sign (@sign) or of one of its forms (@form) becomes a candidate\n"
    "holding the signs of that sign's or form's @ucun line. The value's letters give\n"
    "the key (š, ḫ and h, ṣ, ṭ, ʾ, long and circumflexed vowels; ŋ is written as G),\n"
    "its subscript index the sign number (none: 1).\n"
    "\n"
    "Left out, and counted in the summary printed at the end: deprecated signs,\n"
    "forms and values (@sign-, @form-, @v-); values of signs whose @ucun holds no\n"
    "encoded cuneiform sign; uncertain values (?); values with the unknown index ₓ;\n"
    "compound writings (a hyphen inside the value); values with characters the key\n"
    "notation cannot express or with the index ₀; values repeating the key, number\n"
    "and signs of an earlier one.\n";

constexpr std::string_view kLookupHelp =
    "Usage: velmora-signs lookup DICT.cfd TRANSLITERATION\n"
    "\n"
    "Converts a transliteration as the editor's input mode does: at most 18\n"
    "characters, up to 3 index digits after the letters. ASCII digits count as\n"
    "subscript index digits, so du3 is du₃. Prints one line per candidate in the\n"
    "order of the sign selection: \"*\" on the candidate the selection starts on\n"
    "(else a space), a tab, the sign number, a tab, the code points (U+XXXXX), a\n"
    "tab and the signs.\n"
    "\n"
    "Exit status: 0 when there is a candidate, 1 when there is none, 2 when the\n"
    "sign data file cannot be read or is malformed.\n";

constexpr std::string_view kResaveHelp =
    "Usage: velmora-signs resave IN.cfd OUT.cfd\n"
    "\n"
    "Loads a sign data file and saves it again in the form the editor writes: one\n"
    "line per candidate, the keys in order, every number written out. Exit status 2\n"
    "when IN.cfd cannot be read or is malformed, or OUT.cfd cannot be written.\n";

bool WantsHelp(std::span<const std::string> args)
{
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// The whole content of a file, or null when it cannot be opened or read
// (a folder opens but cannot be read).
std::optional<std::string> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)
        bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace

int SignsCommand::Run(std::span<const std::string> args)
{
    if (args.empty()) {
        err_ << kHelp;
        return Failure;
    }
    const std::string& command = args.front();
    const auto rest = args.subspan(1);
    if (command == "--help" || command == "-h" || command == "help") {
        out_ << kHelp;
        return Success;
    }
    const auto help = [this](std::string_view text) {
        out_ << text;
        return Success;
    };
    if (command == "from-unicode")
        return WantsHelp(rest) ? help(kFromUnicodeHelp) : FromUnicode(rest);
    if (command == "from-osl")
        return WantsHelp(rest) ? help(kFromOslHelp) : FromOsl(rest);
    if (command == "lookup")
        return WantsHelp(rest) ? help(kLookupHelp) : Lookup(rest);
    if (command == "resave")
        return WantsHelp(rest) ? help(kResaveHelp) : Resave(rest);
    err_ << kProgram << ": unknown command '" << command << "'\n"
         << "Run 'velmora-signs --help' for the list of commands.\n";
    return Failure;
}

int SignsCommand::UsageError(const std::string& command, const std::string& message)
{
    err_ << kProgram << ' ' << command << ": " << message << '\n'
         << "Run 'velmora-signs " << command << " --help' for its usage.\n";
    return Failure;
}

namespace {

// Reports why Load failed: the file, and for a malformed line its number.
void ReportLoadFailure(std::ostream& err, const std::string& path, const CFWordDictionary& dictionary)
{
    err << kProgram << ": " << path;
    if (dictionary.lastLoadResult() == CFWordDictionary::SyntaxError)
        err << ':' << dictionary.lastErrorLine() << ": malformed sign data: ";
    else
        err << ": ";
    err << dictionary.lastErrorReason() << '\n';
}

bool SaveDictionary(std::ostream& err, const CFWordDictionary& dictionary, const std::string& path)
{
    if (dictionary.Save(path))
        return true;
    err << kProgram << ": " << path << ": cannot write the file\n";
    return false;
}

} // namespace

int SignsCommand::FromUnicode(std::span<const std::string> args)
{
    if (args.size() != 1)
        return UsageError("from-unicode", "expects one argument, the file to write");
    CFWordDictionary dictionary;
    const UnicodeSignNames::Summary summary = UnicodeSignNames::Convert(dictionary);
    if (!SaveDictionary(err_, dictionary, args[0]))
        return Failure;
    out_ << args[0] << ": " << summary.readings << " readings under " << dictionary.EntryCount()
         << " keys, from " << summary.names << " names of cuneiform signs\n";
    return Success;
}

int SignsCommand::FromOsl(std::span<const std::string> args)
{
    if (args.size() != 2)
        return UsageError("from-osl", "expects two arguments, the sign list and the file to write");
    const std::string& listPath = args[0];
    const std::string& outPath = args[1];

    const std::optional<std::string> text = ReadFile(listPath);
    if (!text) {
        err_ << kProgram << ": " << listPath << ": cannot open or read the file\n";
        return Failure;
    }
    CFWordDictionary dictionary;
    const OslSignList::Result result = OslSignList::Convert(*text, dictionary);
    if (!result.ok()) {
        err_ << kProgram << ": " << listPath << ':' << result.errorLine << ": " << result.error << '\n';
        return Failure;
    }
    if (!SaveDictionary(err_, dictionary, outPath))
        return Failure;

    const OslSignList::Summary& s = result.summary;
    out_ << listPath << ": " << s.signs << " signs, " << s.forms << " forms, " << s.values
         << " values\n"
         << outPath << ": " << s.readings << " readings under " << dictionary.EntryCount() << " keys\n"
         << "Left out:\n";
    for (std::size_t i = 0; i < OslSignList::kLeftOutKinds; ++i) {
        const auto reason = static_cast<OslSignList::LeftOut>(i);
        out_ << "  " << OslSignList::Describe(reason) << ": " << s[reason];
        if (reason == OslSignList::LeftOut::NoEncodedSign)
            out_ << " (values of " << s.blocksWithoutEncodedSign << " signs and forms)";
        out_ << '\n';
    }
    return Success;
}

int SignsCommand::Lookup(std::span<const std::string> args)
{
    if (args.size() != 2)
        return UsageError("lookup", "expects two arguments, the sign data file and the transliteration");
    const std::string& dictionaryPath = args[0];
    const std::string& transliteration = args[1];

    CFWordDictionary dictionary;
    if (!dictionary.Load(dictionaryPath)) {
        ReportLoadFailure(err_, dictionaryPath, dictionary);
        return Failure;
    }
    const auto typed = SignLookup::TypedText(transliteration);
    if (!typed) {
        err_ << kProgram << ": the transliteration is not valid UTF-8\n";
        return Failure;
    }

    const SignLookup::Result result = SignLookup::Lookup(dictionary, *typed);
    switch (result.derived.status) {
    case TransliterationKey::Status::Empty:
        err_ << kProgram << ": the transliteration is empty\n";
        return NoCandidate;
    case TransliterationKey::Status::OverLimit:
        err_ << kProgram << ": '" << transliteration
             << "' has more than 18 characters; the input mode does not convert it\n";
        return NoCandidate;
    case TransliterationKey::Status::NoLookup:
        err_ << kProgram << ": '" << transliteration
             << "' begins with an index digit; the input mode does not convert it\n";
        return NoCandidate;
    default:
        break;
    }
    if (result.candidates.empty()) {
        err_ << kProgram << ": no candidate for '" << transliteration << "' in " << dictionaryPath << '\n';
        return NoCandidate;
    }
    out_ << SignLookup::Format(result);
    return Success;
}

int SignsCommand::Resave(std::span<const std::string> args)
{
    if (args.size() != 2)
        return UsageError("resave", "expects two arguments, the file to read and the file to write");
    CFWordDictionary dictionary;
    if (!dictionary.Load(args[0])) {
        ReportLoadFailure(err_, args[0], dictionary);
        return Failure;
    }
    if (!SaveDictionary(err_, dictionary, args[1]))
        return Failure;
    out_ << args[1] << ": " << dictionary.CandidateCount() << " readings under "
         << dictionary.EntryCount() << " keys\n";
    return Success;
}

} // namespace velmora
