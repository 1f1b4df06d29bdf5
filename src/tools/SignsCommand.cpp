#include "tools/SignsCommand.h"

#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CFDocument.h"
#include "core/files/AtfExport.h"
#include "core/files/DocumentFiles.h"
#include "tools/AtfConvertCommand.h"
#include "tools/FileBytes.h"
#include "tools/OslAtfTable.h"
#include "tools/OslSignList.h"
#include "tools/OslSignNames.h"
#include "tools/SignLookup.h"
#include "tools/UnicodeSignNames.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

namespace velmora {

namespace {

constexpr std::string_view kProgram = "velmora-signs";

constexpr std::string_view kHelp =
    "Usage: velmora-signs COMMAND ARGUMENTS...\n"
    "\n"
    "Converts ATF transliterations to cuneiform, and builds, inspects and converts\n"
    "Velmora sign data files (.cfd).\n"
    "\n"
    "Commands:\n"
    "  convert INPUT.atf [OUTPUT]       convert ATF transliterations to cuneiform\n"
    "  to-atf DOCUMENT.txt [OUTPUT]     write a document as an ATF transliteration\n"
    "  lookup DICT.cfd TRANSLITERATION  the candidates the editor offers for a transliteration\n"
    "  from-osl SIGNLIST.asl OUT.cfd    sign data from a sign list in the Oracc Sign List format\n"
    "  from-unicode OUT.cfd             sign data from the Unicode names of the cuneiform signs\n"
    "  make-data SIGNLIST.asl DIR       the data bundled with Velmora, from the Oracc Sign List\n"
    "  resave IN.cfd OUT.cfd            load a sign data file and save it again\n"
    "\n"
    "Run 'velmora-signs COMMAND --help' for the details of a command.\n"
    "Exit status: 0 on success, 1 when lookup finds no candidate or convert keeps\n"
    "readings in Latin, 2 on errors.\n";

constexpr std::string_view kFromUnicodeHelp =
    "Usage: velmora-signs from-unicode OUT.cfd\n"
    "\n"
    "Writes a sign data file with one reading for every cuneiform sign whose Unicode\n"
    "name is \"CUNEIFORM SIGN \" followed by letters and optional digits: SH stands for\n"
    "š, H for ḫ, the digits are the sign number (none: 1). \"CUNEIFORM SIGN SHA3\"\n"
    "gives the line \"CA3 122ae\". Names with further words (A TIMES HA, GA2 GUNU) and\n"
    "the numeric and punctuation signs give no reading.\n"
    "\n"
    "These are about 300 readings, far fewer than real texts need; the bundled sign\n"
    "data comes from the Oracc Sign List. Use this for a small file that depends only\n"
    "on the Unicode standard, or to see which signs a Unicode version names.\n";

constexpr std::string_view kFromOslHelp =
    "Usage: velmora-signs from-osl SIGNLIST.asl OUT.cfd\n"
    "\n"
    "Writes a sign data file from a sign list in the Oracc Sign List format. Every\n"
    "value (@v) of a sign (@sign) or of one of its forms (@form) becomes a candidate\n"
    "holding the signs of that sign's or form's @ucun line. The value's letters give\n"
    "the key (š, ḫ and h, ṣ, ṭ, ʾ, long and circumflexed vowels; ŋ is written as G),\n"
    "its subscript index the sign number (none: 1).\n"
    "\n"
    "Values marked uncertain (?) are kept. Deprecated values (@v-) and the values of\n"
    "deprecated signs and forms (@sign-, @form-) are kept when no current value has\n"
    "the same reading and index; they follow the current ones. The determinatives\n"
    "d, m and f are added for AN, DIŠ and SAL (MUNUS) when the list lacks them.\n"
    "\n"
    "Left out, and counted in the summary printed at the end: values with the\n"
    "unknown index ₓ; compound writings (a hyphen inside the value); values with\n"
    "characters the key notation cannot express or with the index ₀; deprecated\n"
    "values whose reading a current value has; values of signs whose @ucun holds no\n"
    "encoded cuneiform sign; values repeating the key, number and signs of an\n"
    "earlier one.\n";

constexpr std::string_view kMakeDataHelp =
    "Usage: velmora-signs make-data [--date YYYY-MM-DD] SIGNLIST.asl DIR\n"
    "\n"
    "Writes the data that comes with Velmora, made from a copy of the Oracc Sign\n"
    "List, into DIR:\n"
    "  signdata.cfd    the sign data the editor starts with (as from-osl makes it)\n"
    "  SignNames.inc   the names of the signs, compiled into the editor\n"
    "  AtfSigns.inc    the values and sign names ATF conversion uses, compiled in\n"
    "Each file begins with a comment naming the sign list, the date of the copy\n"
    "(--date, else the list file's modification date) and its CC0 licence.\n"
    "scripts/update-data.sh runs this for the project's data/ folder.\n";

constexpr std::string_view kLookupHelp =
    "Usage: velmora-signs lookup DICT.cfd TRANSLITERATION\n"
    "\n"
    "Converts a transliteration as the editor's input mode does: at most 18\n"
    "characters, up to 3 index digits after the letters. The editor's ASCII keys\n"
    "and the ASCII conventions of transliterations are understood: c and sz for š,\n"
    "h for ḫ, s, for ṣ, t, for ṭ, ASCII digits for index digits (sza2 and ca2 are\n"
    "ša₂, du3 is du₃).\n"
    "\n"
    "Prints one line per candidate in the order of the sign selection: \"*\" on the\n"
    "candidate the selection starts on (else a space), a tab, the sign number, a\n"
    "tab, the code points (U+XXXXX), a tab and the signs.\n"
    "\n"
    "Exit status: 0 when there is a candidate, 1 when there is none, 2 when the\n"
    "sign data file cannot be read or is malformed.\n";

constexpr std::string_view kToAtfHelp =
    "Usage: velmora-signs to-atf DOCUMENT.txt [OUTPUT]\n"
    "\n"
    "Writes a Velmora document (a UTF-8 text file, as the editor saves it) as an ATF\n"
    "transliteration in Oracc's style: a & line naming the document (its file name\n"
    "without the suffix), the protocols for Akkadian in Unicode, then one numbered\n"
    "line (1. 2. ...) for each line of the document.\n"
    "\n"
    "A text file keeps no readings, so every cuneiform sign is written as its sign\n"
    "name from the Oracc Sign List (KAK, |A×HA|), which ATF accepts; the signs of a\n"
    "word (no space between them) are joined by \"-\". Latin text in the document is\n"
    "written as it stands. The editor's File > Export ATF writes the readings the\n"
    "signs were typed or converted from instead.\n"
    "\n"
    "Output goes to standard output when OUTPUT is - or not given. Exit status 2\n"
    "when the document cannot be read or the output cannot be written.\n";

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
    if (command == "convert")
        return AtfConvertCommand(out_, err_).Run(rest);
    if (command == "to-atf")
        return WantsHelp(rest) ? help(kToAtfHelp) : ToAtf(rest);
    if (command == "make-data")
        return WantsHelp(rest) ? help(kMakeDataHelp) : MakeData(rest);
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

// What a sign list gave and what it left out.
void PrintSummary(std::ostream& out, const std::string& outPath, const OslSignList::Summary& s,
                  const CFWordDictionary& dictionary)
{
    out << outPath << ": " << s.readings << " readings under " << dictionary.EntryCount() << " keys ("
        << s.uncertainKept << " uncertain and " << s.deprecatedKept << " deprecated values kept, "
        << s.determinativesAdded << " determinatives added)\n"
        << "Left out:\n";
    for (std::size_t i = 0; i < OslSignList::kLeftOutKinds; ++i) {
        const auto reason = static_cast<OslSignList::LeftOut>(i);
        out << "  " << OslSignList::Describe(reason) << ": " << s[reason];
        if (reason == OslSignList::LeftOut::NoEncodedSign)
            out << " (values of " << s.blocksWithoutEncodedSign << " signs and forms)";
        out << '\n';
    }
}

bool SaveDictionary(std::ostream& err, const CFWordDictionary& dictionary, const std::string& path)
{
    const FileWriteResult saved = dictionary.Save(path);
    if (saved)
        return true;
    err << kProgram << ": " << path << ": " << CannotWriteText(saved) << '\n';
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

    std::string why;
    const std::optional<std::string> text = ReadFileBytes(listPath, kMaxToolFileBytes, &why);
    if (!text) {
        err_ << kProgram << ": " << listPath << ": cannot open or read the file" << why << "\n";
        return Failure;
    }
    CFWordDictionary dictionary;
    OslSignList::Result result = OslSignList::Convert(*text, dictionary);
    if (!result.ok()) {
        err_ << kProgram << ": " << listPath << ':' << result.errorLine << ": " << result.error << '\n';
        return Failure;
    }
    OslSignList::AddDeterminatives(dictionary, result.summary);
    if (!SaveDictionary(err_, dictionary, outPath))
        return Failure;

    out_ << listPath << ": " << result.summary.signs << " signs, " << result.summary.forms << " forms, "
         << result.summary.values << " values\n";
    PrintSummary(out_, outPath, result.summary, dictionary);
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

int SignsCommand::ToAtf(std::span<const std::string> args)
{
    if (args.empty() || args.size() > 2)
        return UsageError("to-atf", "expects the document to read and, optionally, the file to write");
    const std::filesystem::path input = args[0];
    CFDocument document;
    if (const FileLoadResult read = LoadTextFile(input, document); !read) {
        err_ << kProgram << ": " << args[0];
        if (read.line > 0)
            err_ << ':' << read.line;
        err_ << ": " << (read.systemError.empty() ? read.detail : read.systemError) << '\n';
        return Failure;
    }
    const std::u8string stem = input.stem().u8string();
    const std::string atf = AtfExport::Text(document, std::string(stem.begin(), stem.end()), false);
    if (args.size() < 2 || args[1] == "-") {
        out_ << atf;
        return Success;
    }
    if (const FileWriteResult written = WriteFileBytes(args[1], atf); !written) {
        err_ << kProgram << ": " << args[1] << ": " << CannotWriteText(written) << '\n';
        return Failure;
    }
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
    out_ << args[1] << ": " << dictionary.CandidateCount() << " readings under " << dictionary.EntryCount()
         << " keys\n";
    return Success;
}

namespace {

// The modification date of a file as YYYY-MM-DD (UTC), or empty.
std::string ModificationDate(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(path, ec);
    if (ec)
        return {};
    const std::time_t time = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm utc{};
    if (gmtime_r(&time, &utc) == nullptr)
        return {};
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &utc);
    return date;
}

bool IsDate(std::string_view date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[i] < '0' || date[i] > '9')
            return false;
    }
    return true;
}

// The comment every bundled data file begins with, its lines ended by
// lineEnd.
std::string DataHeader(std::string_view what, const std::string& listName, const std::string& date,
                       std::string_view lineEnd)
{
    std::string header;
    for (const std::string& line : {
             "// " + std::string(what),
             "// Generated by \"velmora-signs make-data\" from " + listName + ", a copy of the",
             "// Oracc Sign List taken on " + date + ". The Oracc Sign List is placed in the",
             std::string(
                 "// public domain under CC0 1.0 (https://creativecommons.org/publicdomain/zero/1.0/)."),
             std::string("// Regenerate with: scripts/update-data.sh PATH/TO/osl.asl"),
         }) {
        header += line;
        header += lineEnd;
    }
    return header;
}

} // namespace

int SignsCommand::MakeData(std::span<const std::string> args)
{
    std::string date;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--date") {
            if (i + 1 == args.size() || !IsDate(args[i + 1]))
                return UsageError("make-data", "--date expects a date written YYYY-MM-DD");
            date = args[++i];
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2)
        return UsageError("make-data", "expects two arguments, the sign list and the folder to write into");
    const std::filesystem::path listPath = paths[0];
    const std::filesystem::path folder = paths[1];

    std::string why;
    const std::optional<std::string> text = ReadFileBytes(listPath, kMaxToolFileBytes, &why);
    if (!text) {
        err_ << kProgram << ": " << paths[0] << ": cannot open or read the file" << why << "\n";
        return Failure;
    }
    const OslReader::Result list = OslReader::Read(*text);
    if (!list.ok()) {
        err_ << kProgram << ": " << paths[0] << ':' << list.errorLine << ": " << list.error << '\n';
        return Failure;
    }
    if (date.empty())
        date = ModificationDate(listPath);
    const std::string listName = listPath.filename().string();

    CFWordDictionary dictionary;
    OslSignList::Summary summary = OslSignList::Convert(list, dictionary);
    OslSignList::AddDeterminatives(dictionary, summary);
    std::string problem;
    const auto signData = dictionary.Serialize(&problem);
    if (!signData) {
        err_ << kProgram << ": the sign data cannot be written: " << problem << '\n';
        return Failure;
    }
    const auto names = OslSignNames::Names(list);
    const auto rows = OslAtfTable::Rows(list);

    const std::pair<std::string, std::string> files[] = {
        {"signdata.cfd",
         DataHeader("The sign data Velmora starts with: one line per reading.", listName, date, "\r\n")
             + *signData},
        {"SignNames.inc",
         OslSignNames::Include(
             names, DataHeader("The names of the cuneiform signs, by code point.", listName, date, "\n"))},
        {"AtfSigns.inc",
         OslAtfTable::Include(
             rows, DataHeader("The values (V) and sign names (N) of ATF conversion.", listName, date, "\n"))},
    };
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path path = folder / name;
        if (const FileWriteResult written = WriteFileBytes(path, bytes); !written) {
            err_ << kProgram << ": " << path.string() << ": " << CannotWriteText(written) << '\n';
            return Failure;
        }
    }

    const AtfSignTable table = OslAtfTable::Table(rows);
    out_ << paths[0] << ": " << summary.signs << " signs, " << summary.forms << " forms, " << summary.values
         << " values\n";
    PrintSummary(out_, (folder / "signdata.cfd").string(), summary, dictionary);
    out_ << (folder / "SignNames.inc").string() << ": " << names.size() << " sign names\n"
         << (folder / "AtfSigns.inc").string() << ": " << table.size(AtfSignTable::Kind::Value) << " values, "
         << table.size(AtfSignTable::Kind::Name) << " sign names\n";
    return Success;
}

} // namespace velmora
