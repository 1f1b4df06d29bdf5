#include "app/CApplication.h"
#include "qt/InternalError.h"

#include "core/commands/MainCommands.h"
#include "core/commands/StartUp.h"
#include "core/files/CrashRecovery.h"
#include "gui/ApplicationIcon.h"
#include "qt/QtWidgetWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace velmora {

namespace {

std::filesystem::path PathOf(const QString& path)
{
    return std::filesystem::path(path.toStdU16String()).lexically_normal();
}

// The platform's places for the user's files, under a folder named after
// the program in lower case (~/.config/velmora, ~/.local/share/velmora), and
// the data installed beside the program.
ProgramFolders FindProgramFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    const auto userFolder = [](QStandardPaths::StandardLocation location) {
        const QString folder = QStandardPaths::writableLocation(location);
        return folder.isEmpty() ? std::filesystem::path() : PathOf(folder + QStringLiteral("/velmora"));
    };
    return ProgramFolders{
        .start = PathOf(QDir::currentPath()),
        .userConfig = userFolder(QStandardPaths::GenericConfigLocation),
        .userData = userFolder(QStandardPaths::GenericDataLocation),
        .installedData = PathOf(program + QStringLiteral("/" VELMORA_RELATIVE_DATA_DIR)),
        .program = PathOf(program),
    };
}

} // namespace

CApplication::CApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , folders_(FindProgramFolders())
    , settings_(ChooseConfigFile(folders_))
    , platform_(settings_)
    , fontDialog_(platform_.fonts())
    , signFont_(platform_.fonts(), settings_)
{
    setApplicationName(QStringLiteral("Velmora"));
    // Lets the desktop match the windows with the installed desktop entry
    // and its icon.
    setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    setWindowIcon(ApplicationIcon());
    // Before anything is shown: the start-up messages are in it too.
    language_.apply(ReadInterfaceLanguage(settings_));
    // Recovery copies go to the user's data folder, never beside the
    // user's files.
    if (!folders_.userData.empty())
        recovery_ = std::make_unique<CrashRecovery>(folders_.userData / "recovery");
}

CApplication::~CApplication() = default;

bool CApplication::startUp()
{
    return StartUp(settings_, folders_, dictionary_, platform_.messages(), nullptr);
}

MainWindowServices CApplication::mainWindowServices()
{
    return MainWindowServices{platform_.fileDialogs(),
                              platform_.messages(),
                              question_,
                              fontDialog_,
                              dictionary_,
                              signFont_,
                              settings_,
                              &language_};
}

CommandLine CApplication::commandLine() const
{
    std::vector<std::string> args;
    for (const QString& arg : arguments().mid(1))
        args.push_back(arg.toStdString());
    CommandLine line = CommandLine::Parse(args);
    if (line.file)
        line.file = PathOf(QFileInfo(QString::fromStdU16String(line.file->u16string())).absoluteFilePath());
    return line;
}

int CApplication::run(CMainWindow& window)
{
    // The tool windows are windows of their own; the program ends with the
    // main window, whatever they show.
    setQuitOnLastWindowClosed(false);
    connect(&window, &CMainWindow::closed, this, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    window.setCrashRecovery(recovery_.get());
    // Each further document restored opens in a program of its own.
    window.setRestoreElsewhere([](const std::filesystem::path& copy) {
        // Left for the next start should this fail.
        (void)QProcess::startDetached(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--restore"), QString::fromStdU16String(copy.u16string())});
    });
    const CommandLine line = commandLine();
    if (line.restore)
        window.restoreCopy(*line.restore);
    else if (!window.offerRecovery() && line.file)
        window.openFile(*line.file);
    return exec();
}

bool CApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportInternalError();
        return false;
    }
}

void CApplication::reportInternalError()
{
    try {
        const std::string cause = DescribeCurrentException();
        std::unique_ptr<QtWidgetWindow> owner;
        if (QWidget* active = activeWindow())
            owner = std::make_unique<QtWidgetWindow>(*active);
        ReportInternalError(platform_.messages(), owner.get(), cause);
    } catch (...) {
        // Nothing more can be told; the program goes on.
    }
}

} // namespace velmora
