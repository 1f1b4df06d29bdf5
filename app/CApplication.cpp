#include "app/CApplication.h"
#include "platform/qt/InternalError.h"

#include "app/ApplicationIcon.h"
#include "app/CrashRecovery.h"
#include "app/MainCommands.h"
#include "app/StartUp.h"
#include "platform/qt/QtWidgetWindow.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <memory>

namespace velmora {

CApplication::CApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , settings_(std::filesystem::path(kConfigFileName))
    , platform_(settings_)
    , fontDialog_(platform_.fonts())
    , signFont_(platform_.fonts(), settings_)
{
    setApplicationName(QStringLiteral("Velmora"));
    setWindowIcon(ApplicationIcon());
    // Recovery copies go to the user's data folder, never beside the
    // user's files.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty())
        recovery_ = std::make_unique<CrashRecovery>(std::filesystem::path(data.toStdU16String()) / "recovery");
}

CApplication::~CApplication() = default;

bool CApplication::startUp()
{
    return StartUp(settings_, dictionary_, platform_.messages(), nullptr);
}

MainWindowServices CApplication::mainWindowServices()
{
    return MainWindowServices{platform_.fileDialogs(), platform_.messages(), question_, fontDialog_,
                              dictionary_, signFont_};
}

std::optional<std::filesystem::path> CApplication::argumentFile() const
{
    const QStringList args = arguments();
    if (args.size() < 2 || args.at(1).isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFileInfo(args.at(1)).absoluteFilePath().toStdU16String());
}

int CApplication::run(CMainWindow& window)
{
    // The tool windows are windows of their own; the program ends with the
    // main window, whatever they show.
    setQuitOnLastWindowClosed(false);
    connect(&window, &CMainWindow::closed, this, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    window.setCrashRecovery(recovery_.get());
    if (!window.offerRecovery()) {
        if (const auto file = argumentFile())
            window.openFile(*file);
    }
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
