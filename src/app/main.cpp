// Program entry: the command line, start-up, the main window with its
// editor, the three tool windows, and the event loop.
#include "app/CApplication.h"
#include "app/CProgramWindows.h"
#include "core/commands/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace velmora;
    // Help and version are answered before Qt starts, so that they work
    // without a display.
    const std::vector<std::string> raw(argv + 1, argv + argc);
    switch (CommandLine::Parse(raw).action) {
    case CommandLine::Action::Help:
        std::cout << kCommandLineHelp;
        return 0;
    case CommandLine::Action::Version:
        std::cout << CommandLine::VersionText() << '\n';
        return 0;
    case CommandLine::Action::Run:
    case CommandLine::Action::Error:
        break; // Qt's options are not known yet
    }

    CApplication app(argc, argv);
    if (const CommandLine line = app.commandLine(); line.action == CommandLine::Action::Error) {
        std::cerr << "velmora: " << line.error << "\nRun 'velmora --help' for the usage.\n";
        return 2;
    }
    // A missing or malformed sign data file has been reported; the program
    // ends without showing its window.
    if (!app.startUp())
        return 0;

    CProgramWindows windows(app);
    return app.run(windows.main());
}
