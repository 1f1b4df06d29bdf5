#include "app/CMainWindow.h"
#include "platform/qt/InternalError.h"

#include "app/CAboutDialog.h"
#include "app/CrashRecovery.h"
#include "app/MainEditor.h"
#include "app/StartUp.h"
#include "app/StatusBarTexts.h"
#include "platform/MessageDisplay.h"
#include "view/CFSignFont.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QString>
#include <QTimer>

#include <string>

namespace velmora {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

template <class F>
void CMainWindow::guarded(F&& handler)
{
    RunGuarded(services_.messages, &platformWindow_, std::forward<F>(handler));
}

CMainWindow::CMainWindow(const MainWindowServices& services, QWidget* editorWidget, MainEditor& editor,
                         QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , editor_(editor)
    , editorWidget_(editorWidget)
    , platformWindow_(*this)
{
    // As the central widget the editor fills the area between the menu and
    // the status bar at every size.
    setCentralWidget(editorWidget_);
    setFocusProxy(editorWidget_);
    buildMenu();
    buildStatusBar();
    setToolWindowCommands({});
    services_.signFont.setOwner(&platformWindow_);
    commands_ = std::make_unique<MainCommands>(MainCommands::Services{
        editor_, services_.dialogs, services_.messages, services_.question, services_.fontDialog,
        services_.dictionary, services_.signFont, &platformWindow_, [this](std::u16string_view title) {
            setWindowTitle(QString::fromUtf16(title.data(), qsizetype(title.size())));
        }});
    resize(800, 600);
    editorWidget_->setFocus(Qt::OtherFocusReason);
}

CMainWindow::~CMainWindow()
{
    if (services_.signFont.owner() == &platformWindow_)
        services_.signFont.setOwner(nullptr);
    // The editor goes first, while everything it might call back is intact.
    delete takeCentralWidget();
}

void CMainWindow::buildMenu()
{
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(FromUtf8(popup.title));
        for (const MenuItem& item : popup.items) {
            if (item.id == CommandId::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(FromUtf8(item.text));
            action->setData(static_cast<int>(item.id));
            // The items stay where the menu puts them on every platform
            // (no moving of "About" or "Exit" into an application menu).
            action->setMenuRole(QAction::NoRole);
            const CommandId id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { run(id); });
            actions_[id] = action;
        }
    }
    std::map<CommandId, QList<QKeySequence>> keys;
    for (const Accelerator& accelerator : MainAccelerators())
        keys[accelerator.id].append(QKeySequence(FromUtf8(accelerator.keys), QKeySequence::PortableText));
    for (const auto& [id, sequences] : keys) {
        QAction* action = actions_.at(id);
        action->setShortcuts(sequences);
        // Only while this window (or its editor) is active; a tool window is
        // a window of its own, so its keys never start these commands.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void CMainWindow::buildStatusBar()
{
    const auto part = [this](const char* name, const std::string& text) {
        auto* label = new QLabel(FromUtf8(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    const StatusBarTexts initial = StatusBarTexts::Initial();
    modeLabel_ = part("statusMode", initial.mode);
    lineLabel_ = part("statusLine", initial.line);
    columnLabel_ = part("statusColumn", initial.column);
    modeLabel_->setFixedWidth(kStatusModeRight);
    lineLabel_->setFixedWidth(kStatusLineRight - kStatusModeRight);
    statusBar()->addWidget(modeLabel_);
    statusBar()->addWidget(lineLabel_);
    statusBar()->addWidget(columnLabel_, 1);
}

void CMainWindow::setToolWindowCommands(ToolWindowCommands commands)
{
    tools_ = std::move(commands);
    actions_.at(CommandId::Find)->setEnabled(bool(tools_.find));
    actions_.at(CommandId::FindNext)->setEnabled(bool(tools_.findNext));
    actions_.at(CommandId::FindPrevious)->setEnabled(bool(tools_.findPrevious));
    actions_.at(CommandId::Replace)->setEnabled(bool(tools_.replace));
    actions_.at(CommandId::WordRegistration)->setEnabled(bool(tools_.wordRegistration));
}

QAction* CMainWindow::action(CommandId id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

bool CMainWindow::openFile(const std::filesystem::path& path)
{
    bool opened = false;
    guarded([&] { opened = commands_->OpenFile(path); });
    updateStatusBar();
    return opened;
}

void CMainWindow::setCrashRecovery(CrashRecovery* recovery)
{
    recovery_ = recovery;
    if (recoveryTimer_ == nullptr) {
        recoveryTimer_ = new QTimer(this);
        connect(recoveryTimer_, &QTimer::timeout, this, &CMainWindow::updateRecovery);
    }
    if (recovery_ != nullptr)
        recoveryTimer_->start(1000);
    else
        recoveryTimer_->stop();
}

void CMainWindow::updateRecovery()
{
    if (recovery_ == nullptr)
        return;
    guarded([&] {
        recovery_->Update(editor_.Document(), commands_->IsModified(), commands_->CurrentFile(),
                          CrashRecovery::Clock::now());
    });
}

bool CMainWindow::offerRecovery()
{
    bool restored = false;
    if (recovery_ != nullptr)
        guarded([&] { restored = commands_->OfferRecovery(*recovery_, [this] { return askRestore(); }); });
    updateStatusBar();
    return restored;
}

bool CMainWindow::askRestore()
{
    QMessageBox box(QMessageBox::Question, FromUtf8(kConfirmCaption), FromUtf8(kRestoreQuestion),
                    QMessageBox::NoButton, this);
    QPushButton* restore = box.addButton(tr("復元する"), QMessageBox::YesRole);
    box.addButton(tr("復元しない"), QMessageBox::NoRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

void CMainWindow::run(CommandId id)
{
    const auto tool = [](const std::function<void()>& command) {
        if (command)
            command();
    };
    guarded([&] {
        switch (id) {
        case CommandId::NewFile: commands_->NewFile(); break;
        case CommandId::Open: commands_->Open(); break;
        case CommandId::Save: commands_->Save(); break;
        case CommandId::SaveAs: commands_->SaveAs(); break;
        case CommandId::SaveHtml: commands_->SaveHtml(); break;
        case CommandId::LoadWorddata: commands_->LoadWorddata(); break;
        case CommandId::SaveWorddata: commands_->SaveWorddata(); break;
        case CommandId::Exit: close(); break;
        case CommandId::CutLine: editor_.CutLine(); break;
        case CommandId::CopyLine: editor_.CopyLine(); break;
        case CommandId::PasteLine: editor_.PasteLine(); break;
        case CommandId::DeleteLine: editor_.DeleteLine(); break;
        case CommandId::Find: tool(tools_.find); break;
        case CommandId::FindNext: tool(tools_.findNext); break;
        case CommandId::FindPrevious: tool(tools_.findPrevious); break;
        case CommandId::Replace: tool(tools_.replace); break;
        case CommandId::Font: commands_->Font(); break;
        case CommandId::WordRegistration: tool(tools_.wordRegistration); break;
        case CommandId::About: showAbout(); break;
        case CommandId::Separator: break;
        }
    });
    // Commands move the cursor too (Open, New File, the searches); the
    // status bar shows where it is now. A save removes the recovery copy
    // at once.
    editorWidget_->update();
    updateStatusBar();
    updateRecovery();
}

void CMainWindow::showAbout()
{
    CAboutDialog dialog(this);
    dialog.exec();
}

void CMainWindow::updateStatusBar()
{
    guarded([&] {
        const StatusBarTexts texts = StatusBarTexts::For(editor_.AlphabetMode(), editor_.CursorPosition());
        modeLabel_->setText(FromUtf8(texts.mode));
        lineLabel_->setText(FromUtf8(texts.line));
        columnLabel_->setText(FromUtf8(texts.column));
    });
}

void CMainWindow::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    guarded([&] { mayClose = commands_->ConfirmExit(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    // Saved or given up: nothing is left to recover.
    if (recovery_ != nullptr)
        guarded([&] { recovery_->Remove(); });
    emit closed();
}

} // namespace velmora
