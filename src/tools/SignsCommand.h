#pragma once

#include <ostream>
#include <span>
#include <string>

namespace velmora {

// The velmora-signs command line: builds sign data files from the Unicode
// character names or from an Oracc sign list, makes the data bundled with
// the program, re-saves sign data files, looks a transliteration up the way
// the editor's input mode does, converts ATF files, and writes documents as
// ATF. Results go to out,
// errors to err, each naming the file concerned.
class SignsCommand {
public:
    enum ExitStatus : int {
        Success = 0,
        NoCandidate = 1, // lookup: the transliteration has no candidate;
                         // convert: readings were kept in Latin
        Failure = 2,     // bad arguments, unreadable or malformed input,
                         // output that cannot be written
    };

    SignsCommand(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Runs the command given by args (the program name not included) and
    // returns the exit status.
    int Run(std::span<const std::string> args);

private:
    int FromUnicode(std::span<const std::string> args);
    int FromOsl(std::span<const std::string> args);
    int MakeData(std::span<const std::string> args);
    int Lookup(std::span<const std::string> args);
    int Resave(std::span<const std::string> args);
    int ToAtf(std::span<const std::string> args);
    int UsageError(const std::string& command, const std::string& message);

    std::ostream& out_;
    std::ostream& err_;
};

} // namespace velmora
