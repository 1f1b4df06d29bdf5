// Program entry: the command line, start-up, the main window with its
// editor, the three tool windows, and the event loop.
#include "app/CApplication.h"
#include "app/CProgramWindows.h"
#include "core/commands/CommandLine.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

QtMessageHandler previousHandler = nullptr;

// While Qt starts: a display that cannot be reached is a fatal message of
// the platform plugin, after which Qt would abort (and dump core). The
// program says so in one line and ends with status 1 instead; the plugin's
// own warnings before it say the same at length and are left out.
void StartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "velmora: cannot open a window: no display could be reached (DISPLAY=%s)\n",
                     display != nullptr && *display != '\0' ? display : "not set");
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category != nullptr && std::string_view(context.category).starts_with("qt.qpa"))
        return;
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

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

    previousHandler = qInstallMessageHandler(StartUpMessages);
    CApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
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
