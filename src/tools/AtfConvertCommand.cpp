#include "tools/AtfConvertCommand.h"

#include "base/SafeFileWriter.h"
#include "base/Utf8Codec.h"
#include "core/files/AtfImport.h"
#include "core/files/AtfPieces.h"
#include "tools/FileBytes.h"
#include "tools/OslAtfTable.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view kProgram = "velmora-signs";

constexpr std::string_view kHelp =
    "Usage: velmora-signs convert [OPTIONS] INPUT.atf [OUTPUT]\n"
    "       velmora-signs convert [OPTIONS] --output-dir DIR INPUT.atf...\n"
    "\n"
    "Converts ATF transliterations (Oracc's style and CDLI's C-ATF) to cuneiform\n"
    "with the values and sign names of the Oracc Sign List.\n"
    "\n"
    "Text lines are the lines that begin with a line label (1. 12'. o 3.); a line\n"
    "beginning with a space continues the line before. & lines start a text; @, $\n"
    "and # lines (structure, state, comments, translations, #atf: protocols) give\n"
    "no output. Readings are separated by - . + : within a word, words by spaces;\n"
    "determinatives {d} {1} {+ga}, numbers 3(diš) 1/2(diš), compounds |A.AN| and\n"
    "qualified readings ša₂!(KA) are converted; the marks # ? ! * [ ] ⸢ ⸣ < > ( )\n"
    "are dropped. x, o and gaps (... …) stay as written, as do bare numbers (80),\n"
    "whose number signs the text does not give. A reading without a sign stays in\n"
    "Latin and is reported.\n"
    "\n"
    "Lines may end in CR LF, LF or CR. Inputs larger than the editor imports (64 MB)\n"
    "are refused; others are read and converted a piece at a time.\n"
    "\n"
    "Output (standard output when OUTPUT is - or not given): for every text line\n"
    "its label, a tab, then the words, each word's signs together, words separated\n"
    "by one space. Lines end with CR LF, as Velmora's documents do.\n"
    "\n"
    "Options:\n"
    "  --no-labels             leave out the labels and the tab\n"
    "  --html                  write an HTML page: per text a heading with its & line,\n"
    "                          per line its label and the signs in a cuneiform font\n"
    "  --with-transliteration  with --html: the transliteration under each line\n"
    "  --output-dir DIR        write each input's output into DIR as NAME.txt or\n"
    "                          NAME.html (NAME: the input's name without extension)\n"
    "  --sign-list OSL.asl     convert with this copy of the Oracc Sign List instead\n"
    "                          of the one built in\n"
    "\n"
    "Standard error: FILE:LINE: no sign for READING for every reading kept in\n"
    "Latin, FILE:LINE: no line label for a line that is neither a text line nor\n"
    "structure, and one summary line per file: FILE: N readings, M kept in Latin.\n"
    "\n"
    "Exit status: 0 when everything was converted, 1 when readings stayed in Latin\n"
    "or lines had no label, 2 when an input, the sign list or an output cannot be\n"
    "read or written, or an input has no text line at all.\n";

// The cuneiform fonts Debian ships (fonts-ancient-scripts, fonts-noto-core),
// then those of other systems.
constexpr std::string_view kFontStack =
    "\"Akkadian\", \"Noto Sans Cuneiform\", \"Assyrian\", \"Segoe UI Historic\", serif";

void AppendText(std::string& out, std::u32string_view text)
{
    for (const char32_t c : text)
        AppendUtf8(out, static_cast<std::uint32_t>(c));
}

void AppendCells(std::string& out, const std::vector<std::uint32_t>& cells)
{
    for (const std::uint32_t c : cells)
        AppendUtf8(out, c);
}

void AppendEscaped(std::string& out, std::u32string_view text)
{
    for (const char32_t c : text) {
        switch (c) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U'"':
            out += "&quot;";
            break;
        default:
            AppendUtf8(out, static_cast<std::uint32_t>(c));
        }
    }
}

std::u32string Wide(std::string_view utf8)
{
    std::u32string out;
    if (const auto decoded = DecodeUtf8(utf8))
        out.assign(decoded->begin(), decoded->end());
    else
        out.assign(utf8.begin(), utf8.end()); // a name of raw bytes: Latin-1 is near enough for a title
    return out;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

} // namespace

std::string AtfConvertCommand::PlainText(const AtfConverter::Conversion& conversion, const Options& options)
{
    std::string out;
    for (const AtfConverter::TextLine& line : conversion.lines) {
        if (options.labels) {
            AppendText(out, line.label);
            out += '\t';
        }
        AppendCells(out, line.cells);
        out += "\r\n";
    }
    return out;
}

std::string AtfConvertCommand::HtmlHead(const std::string& title)
{
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    AppendEscaped(out, Wide(title));
    out += "</title>\n<style>\n"
           "body { font-family: sans-serif; }\n"
           "td { vertical-align: top; padding: 0.2em 0.5em; }\n"
           ".label { color: #555; white-space: nowrap; }\n"
           ".cuneiform { font-family: ";
    out += kFontStack;
    out += "; font-size: 1.8em; }\n"
           ".transliteration { color: #333; }\n"
           "</style>\n</head>\n<body>\n";
    return out;
}

std::string AtfConvertCommand::HtmlBody(const AtfConverter::Conversion& conversion, const Options& options,
                                        bool& tableOpen)
{
    std::string out;
    std::size_t text = static_cast<std::size_t>(-1);
    for (const AtfConverter::TextLine& line : conversion.lines) {
        if (line.text != text) {
            // A piece that starts inside a text goes on with its table.
            const bool goesOn =
                text == static_cast<std::size_t>(-1) && tableOpen && conversion.texts[line.text].number == 0;
            text = line.text;
            if (!goesOn) {
                if (tableOpen)
                    out += "</table>\n";
                const std::u32string& header = conversion.texts[text].header;
                if (!header.empty()) {
                    out += "<h2>";
                    AppendEscaped(out, header);
                    out += "</h2>\n";
                }
                out += "<table>\n";
                tableOpen = true;
            }
        }
        out += "<tr><td class=\"label\">";
        AppendEscaped(out, line.label);
        out += "</td><td><div class=\"cuneiform\">";
        std::u32string cells(line.cells.begin(), line.cells.end());
        AppendEscaped(out, cells);
        out += "</div>";
        if (options.withTransliteration) {
            out += "<div class=\"transliteration\">";
            AppendEscaped(out, line.transliteration);
            out += "</div>";
        }
        out += "</td></tr>\n";
    }
    return out;
}

std::string AtfConvertCommand::HtmlTail(bool tableOpen)
{
    return std::string(tableOpen ? "</table>\n" : "") + "</body>\n</html>\n";
}

std::string AtfConvertCommand::Html(const AtfConverter::Conversion& conversion, const Options& options,
                                    const std::string& title)
{
    bool tableOpen = false;
    std::string out = HtmlHead(title);
    out += HtmlBody(conversion, options, tableOpen);
    return out + HtmlTail(tableOpen);
}

int AtfConvertCommand::usageError(const std::string& message)
{
    err_ << kProgram << " convert: " << message << '\n'
         << "Run 'velmora-signs convert --help' for its usage.\n";
    return 2;
}

int AtfConvertCommand::convertFile(const AtfConverter& converter, const std::string& input,
                                   const std::filesystem::path& output, const Options& options)
{
    // Read and converted a piece at a time, so that memory stays bounded
    // whatever the size of the file.
    AtfPieces pieces;
    if (const FileLoadResult opened = pieces.open(input, AtfImport::kMaxFileSize); !opened) {
        err_ << kProgram << ": " << input << ": cannot open or read the file (" << opened.detail;
        if (opened.reason == FileLoadResult::Reason::TooLarge)
            err_ << ", the most the editor imports";
        err_ << ")\n";
        return 2;
    }
    std::unique_ptr<SafeFileWriter> file;
    if (!output.empty()) {
        file = std::make_unique<SafeFileWriter>(output);
        if (!file->isOpen()) {
            err_ << kProgram << ": " << output.string() << ": " << CannotWriteText(file->failure()) << '\n';
            return 2;
        }
    }
    const auto emit = [&](std::string_view text) {
        if (file)
            file->write(text);
        else
            out_ << text;
    };
    if (options.html)
        emit(HtmlHead(std::filesystem::path(input).filename().string()));
    bool tableOpen = false;
    AtfConverter::Counts counts;
    std::size_t unlabelled = 0;
    std::size_t lines = 0;
    std::string piece;
    std::uint32_t firstLine = 0;
    while (pieces.next(piece, firstLine)) {
        const AtfConverter::Conversion conversion = AtfPieces::Convert(converter, piece, firstLine);
        if (!conversion.ok()) {
            err_ << kProgram << ": " << input << ':' << conversion.invalidUtf8Line
                 << ": not valid UTF-8; the file is not converted\n";
            return 2;
        }
        // The reports in line order.
        std::vector<std::pair<std::uint32_t, std::string>> reports;
        for (const AtfConverter::Unconverted& u : conversion.unconverted) {
            std::string reading;
            AppendText(reading, u.reading);
            reports.emplace_back(u.line, "no sign for " + reading);
        }
        for (const std::uint32_t line : conversion.unlabelled)
            reports.emplace_back(line, "no line label; the line is not converted");
        std::stable_sort(reports.begin(), reports.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [line, message] : reports)
            err_ << input << ':' << line << ": " << message << '\n';
        counts.readings += conversion.counts.readings;
        counts.keptLatin += conversion.counts.keptLatin;
        counts.bareNumbers += conversion.counts.bareNumbers;
        unlabelled += conversion.unlabelled.size();
        lines += conversion.lines.size();
        emit(options.html ? HtmlBody(conversion, options, tableOpen) : PlainText(conversion, options));
    }
    if (const FileLoadResult& read = pieces.status(); !read) {
        err_ << kProgram << ": " << input << ": cannot read the file (" << read.detail << ")\n";
        return 2;
    }

    err_ << input << ": " << counts.readings << " readings, " << counts.keptLatin << " kept in Latin";
    if (counts.bareNumbers > 0)
        err_ << ", " << counts.bareNumbers << " bare numbers left in digits";
    if (unlabelled > 0)
        err_ << ", " << unlabelled << " lines without a label";
    err_ << '\n';
    // Nothing converted is no success: the file holds no text line.
    if (lines == 0) {
        err_ << kProgram << ": " << input << ": no text lines (lines with a label); nothing converted\n";
        return 2;
    }
    if (options.html)
        emit(HtmlTail(tableOpen));
    if (file) {
        if (const FileWriteResult written = file->commit(); !written) {
            err_ << kProgram << ": " << output.string() << ": " << CannotWriteText(written) << '\n';
            return 2;
        }
    }
    out_.flush();
    return counts.keptLatin == 0 && unlabelled == 0 ? 0 : 1;
}

int AtfConvertCommand::Run(std::span<const std::string> args)
{
    Options options;
    std::string outputDir;
    std::string signList;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& into) {
            if (i + 1 == args.size())
                return false;
            into = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            out_ << kHelp;
            return 0;
        } else if (arg == "--no-labels") {
            options.labels = false;
        } else if (arg == "--html") {
            options.html = true;
        } else if (arg == "--with-transliteration") {
            options.withTransliteration = true;
        } else if (arg == "--output-dir") {
            if (!value(outputDir))
                return usageError("--output-dir expects a folder");
        } else if (arg == "--sign-list") {
            if (!value(signList))
                return usageError("--sign-list expects a sign list file");
        } else if (arg.size() > 1 && arg.front() == '-') {
            return usageError("unknown option '" + arg + "'");
        } else {
            paths.push_back(arg);
        }
    }
    if (options.withTransliteration && !options.html)
        return usageError("--with-transliteration needs --html");
    if (paths.empty())
        return usageError("expects an ATF file to convert");
    if (outputDir.empty() && paths.size() > 2)
        return usageError("several inputs need --output-dir");

    std::optional<AtfSignTable> ownTable;
    if (!signList.empty()) {
        std::string why;
        const std::optional<std::string> list = ReadFileBytes(signList, kMaxToolFileBytes, &why);
        if (!list) {
            err_ << kProgram << ": " << signList << ": cannot open or read the sign list" << why << "\n";
            return 2;
        }
        const OslReader::Result read = OslReader::Read(*list);
        if (!read.ok()) {
            err_ << kProgram << ": " << signList << ':' << read.errorLine << ": " << read.error << '\n';
            return 2;
        }
        ownTable = OslAtfTable::Table(OslAtfTable::Rows(read));
        if (ownTable->size(AtfSignTable::Kind::Value) == 0) {
            err_ << kProgram << ": " << signList << ": no values with encoded signs; not a sign list?\n";
            return 2;
        }
    }
    const AtfConverter converter(ownTable ? *ownTable : AtfSignTable::Bundled());

    if (outputDir.empty()) {
        // "-" names standard output, as for most command-line tools.
        const std::filesystem::path output =
            paths.size() == 2 && paths[1] != "-" ? std::filesystem::path(paths[1]) : std::filesystem::path();
        if (!output.empty() && SameFile(paths[0], output)) {
            err_ << kProgram << ": " << paths[1] << ": the output would replace the input\n";
            return 2;
        }
        return convertFile(converter, paths[0], output, options);
    }

    if (!std::filesystem::is_directory(outputDir)) {
        err_ << kProgram << ": " << outputDir << ": no such folder\n";
        return 2;
    }
    int status = 0;
    std::set<std::filesystem::path> written;
    for (const std::string& input : paths) {
        std::filesystem::path output = std::filesystem::path(outputDir) / std::filesystem::path(input).stem();
        output += options.html ? ".html" : ".txt";
        int fileStatus = 0;
        if (SameFile(input, output)) {
            err_ << kProgram << ": " << input << ": its output " << output.string() << " would replace it\n";
            fileStatus = 2;
        } else if (!written.insert(std::filesystem::weakly_canonical(output)).second) {
            err_ << kProgram << ": " << input << ": its output " << output.string()
                 << " is the output of an earlier input\n";
            fileStatus = 2;
        } else {
            fileStatus = convertFile(converter, input, output, options);
        }
        status = std::max(status, fileStatus);
    }
    return status;
}

} // namespace velmora
