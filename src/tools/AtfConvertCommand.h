#pragma once

#include "core/atf/AtfConverter.h"

#include <filesystem>
#include <ostream>
#include <span>
#include <string>

namespace velmora {

// velmora-signs convert: ATF files to cuneiform, as plain text (one line
// per text line: label, tab, the words) or as an HTML page. Readings that
// stay in Latin are reported on err as FILE:LINE: no sign for READING,
// followed by a summary line per file.
class AtfConvertCommand {
public:
    AtfConvertCommand(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Runs the command on its arguments (after "convert"); returns the exit
    // status: 0 everything converted, 1 something stayed in Latin, 2 an
    // input, the sign list or an output could not be read or written.
    int Run(std::span<const std::string> args);

    struct Options {
        bool labels = true;
        bool html = false;
        bool withTransliteration = false;
    };
    // The output for one converted file.
    static std::string PlainText(const AtfConverter::Conversion& conversion, const Options& options);
    static std::string Html(const AtfConverter::Conversion& conversion, const Options& options,
                            const std::string& title);
    // The page in three parts, for a file converted a piece at a time: the
    // head, the lines of each piece (tableOpen carries over from one piece
    // to the next), and the end.
    static std::string HtmlHead(const std::string& title);
    static std::string HtmlBody(const AtfConverter::Conversion& conversion, const Options& options,
                                bool& tableOpen);
    static std::string HtmlTail(bool tableOpen);

private:
    // Converts one input; returns its exit status. output empty: standard
    // output.
    int convertFile(const AtfConverter& converter, const std::string& input,
                    const std::filesystem::path& output, const Options& options);
    int usageError(const std::string& message);

    std::ostream& out_;
    std::ostream& err_;
};

} // namespace velmora
