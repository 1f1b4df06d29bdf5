#include "gui/CMainWindow.h"
#include "qt/InternalError.h"

#include "base/ConfiguredPath.h"
#include "core/commands/DocumentTitle.h"
#include "core/commands/MainEditor.h"
#include "core/commands/SignIndex.h"
#include "core/commands/StartUp.h"
#include "core/commands/StatusBarTexts.h"
#include "core/commands/WindowGeometry.h"
#include "core/files/CrashRecovery.h"
#include "core/view/CFSignFont.h"
#include "gui/CAboutDialog.h"
#include "gui/CDocumentPrinter.h"
#include "gui/CSignInfoWindow.h"
#include "gui/CSignListWindow.h"
#include "gui/CTypingHelpWindow.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "qt/QtFont.h"
#include "qt/QtLanguage.h"
#include "qt/QtText.h"
#include "qt/QtTextTranslator.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace velmora {

namespace {

// The first local file (not a folder) among the URLs a drag carries.
QString DraggedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    }
    return {};
}

// "&3 ~/texts/letter.txt": the number selects it with the keyboard; the
// home folder is shortened to "~".
QString RecentFileLabel(int number, const std::filesystem::path& path)
{
    QString text = QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (text.startsWith(home + QDir::separator()))
        text = QStringLiteral("~") + text.mid(home.size());
    text.replace(QStringLiteral("&"), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(text);
}

// The title with Qt's placeholder for the unsaved-changes mark right after
// the document's name ("letter.txt[*] - Velmora"). A "[*]" in the name
// itself is doubled, which Qt shows as it stands.
QString TitleWithModifiedMark(std::u16string_view title)
{
    std::u16string_view name = title;
    if (name.ends_with(kTitleSuffix))
        name.remove_suffix(kTitleSuffix.size());
    QString text = QString::fromUtf16(name.data(), qsizetype(name.size()));
    text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    const std::u16string_view rest = title.substr(name.size());
    return text + QStringLiteral("[*]") + QString::fromUtf16(rest.data(), qsizetype(rest.size()));
}

// Margins of 15 mm on every side, in the printer's default page size.
void SetUpPrinter(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

// The part of a rectangle some screen shows, as an area.
qint64 VisibleArea(const QRect& rect)
{
    qint64 largest = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(rect);
        largest = std::max(largest, qint64(shown.width()) * shown.height());
    }
    return largest;
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
    , recentFiles_(services.settings)
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
        services_.dictionary, services_.signFont, &platformWindow_,
        [this](std::u16string_view title) { showTitle(title); },
        [this](const std::filesystem::path& path) { settingsWritten(recentFiles_.Add(path)); }});
    resize(800, 600);
    restoreWindowGeometry();
    refreshRecentFiles();
    setAcceptDrops(true);
    // Over the editor's client area, where the text would be; the clicks go
    // through to the editor.
    auto* scrollArea = qobject_cast<QAbstractScrollArea*>(editorWidget_);
    QWidget* hintHost = scrollArea != nullptr ? scrollArea->viewport() : editorWidget_;
    emptyHint_ = new QLabel(UiText(texts::kEmptyDocumentHint), hintHost);
    emptyHint_->setObjectName(QStringLiteral("emptyDocumentHint"));
    emptyHint_->setTextFormat(Qt::PlainText);
    emptyHint_->setWordWrap(true);
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptyHint_->setStyleSheet(QStringLiteral("color: #7a7a7a;"));
    hintHost->installEventFilter(this);
    updateEmptyHint();
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
        QMenu* menu = menuBar()->addMenu(UiText(popup.title));
        menuTexts_.emplace_back(menu->menuAction(), popup.title);
        for (const MenuItem& item : popup.items) {
            if (item.id == CommandId::Separator) {
                menu->addSeparator();
                continue;
            }
            if (item.id == CommandId::Language) {
                QMenu* languages = menu->addMenu(UiText(item.text));
                languages->setObjectName(QStringLiteral("languages"));
                menuTexts_.emplace_back(languages->menuAction(), item.text);
                actions_[item.id] = languages->menuAction();
                buildLanguageMenu(languages);
                continue;
            }
            if (item.id == CommandId::RecentFiles) {
                recentMenu_ = menu->addMenu(UiText(item.text));
                menuTexts_.emplace_back(recentMenu_->menuAction(), item.text);
                recentMenu_->setObjectName(QStringLiteral("recentFiles"));
                actions_[item.id] = recentMenu_->menuAction();
                // Files may have gone since the menu was last shown.
                connect(menu, &QMenu::aboutToShow, this, &CMainWindow::refreshRecentFiles);
                continue;
            }
            QAction* action = menu->addAction(UiText(item.text));
            menuTexts_.emplace_back(action, item.text);
            action->setData(static_cast<int>(item.id));
            // The items stay where the menu puts them on every platform
            // (no moving of "About" or "Exit" into an application menu).
            action->setMenuRole(QAction::NoRole);
            const CommandId id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { run(id); });
            actions_[id] = action;
            if (id == CommandId::SignInput)
                action->setCheckable(true);
            if (id == CommandId::Undo) {
                // Undo and Redo show whether there is a step to take back or
                // make again; in between they stay enabled, so that their
                // keys always reach the editor's command.
                connect(menu, &QMenu::aboutToShow, this, [this] { enableEditItems(false); });
                connect(menu, &QMenu::aboutToHide, this, [this] { enableEditItems(true); });
            }
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

void CMainWindow::buildLanguageMenu(QMenu* menu)
{
    auto* group = new QActionGroup(menu);
    for (const auto& [language, text] : {std::pair(InterfaceLanguage::Japanese, texts::kJapaneseItem),
                                         std::pair(InterfaceLanguage::English, texts::kEnglishItem)}) {
        QAction* action = menu->addAction(UiText(text));
        menuTexts_.emplace_back(action, text);
        action->setCheckable(true);
        action->setMenuRole(QAction::NoRole);
        const std::string_view code = LanguageCode(language);
        action->setData(QString::fromLatin1(code.data(), qsizetype(code.size())));
        action->setActionGroup(group);
        const InterfaceLanguage chosen = language;
        connect(action, &QAction::triggered, this, [this, chosen] { chooseLanguage(chosen); });
        languageActions_[language] = action;
    }
    const InterfaceLanguage current =
        services_.language != nullptr ? services_.language->current() : InterfaceLanguage::Japanese;
    languageActions_.at(current)->setChecked(true);
    menu->menuAction()->setEnabled(services_.language != nullptr);
}

void CMainWindow::chooseLanguage(InterfaceLanguage language)
{
    guarded([&] {
        if (services_.language == nullptr || services_.language->current() == language)
            return;
        // Every window hears of the change and shows its texts anew.
        services_.language->apply(language);
        settingsWritten(WriteInterfaceLanguage(services_.settings, language));
    });
}

void CMainWindow::retranslate()
{
    for (const auto& [action, text] : menuTexts_)
        action->setText(UiText(text));
    if (services_.language != nullptr)
        languageActions_.at(services_.language->current())->setChecked(true);
    refreshRecentFiles();
    updateStatusBar();
    recoveryLabel_->setText(UiText(texts::kRecoveryNotProtected));
    if (emptyHint_ != nullptr)
        emptyHint_->setText(UiText(texts::kEmptyDocumentHint));
}

void CMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
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
    // The sign at the cursor, and what is known of it. As high with a sign
    // as without one, so that the status bar, and the editor above it,
    // keep their size as the cursor moves (a cuneiform sign comes in a
    // font taller than the interface's).
    signGlyphLabel_ = part("statusSignGlyph", "\xF0\x92\x86\x95");
    signGlyphLabel_->setFixedHeight(signGlyphLabel_->sizeHint().height());
    signGlyphLabel_->setMinimumWidth(signGlyphLabel_->sizeHint().width());
    signGlyphLabel_->clear();
    signLabel_ = part("statusSign", "");
    // It takes the rest of the bar whatever it says: a new text is only
    // painted, the bar is not laid out again.
    signLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // At least as wide as "Alphabet" needs, wider for a lookup status.
    modeLabel_->setMinimumWidth(kStatusModeRight);
    // A click on the setting switches it.
    modeLabel_->installEventFilter(this);
    lineLabel_->setFixedWidth(kStatusLineRight - kStatusModeRight);
    statusBar()->addWidget(modeLabel_);
    statusBar()->addWidget(lineLabel_);
    statusBar()->addWidget(columnLabel_);
    statusBar()->addWidget(signGlyphLabel_);
    statusBar()->addWidget(signLabel_, 1);
    signStatusTimer_ = new QTimer(this);
    signStatusTimer_->setSingleShot(true);
    signStatusTimer_->setInterval(kSignStatusDelayMs);
    connect(signStatusTimer_, &QTimer::timeout, this, [this] { guarded([&] { updateSignStatus(); }); });
    recoveryLabel_ = part("statusRecovery", "");
    recoveryLabel_->setStyleSheet(QStringLiteral("color: #b00000;"));
    recoveryLabel_->hide();
    statusBar()->addPermanentWidget(recoveryLabel_);
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
    if (recovery_ != nullptr && recovery != recovery_)
        editor_.SetEditListener(nullptr);
    recovery_ = recovery;
    if (recoveryTimer_ == nullptr) {
        recoveryTimer_ = new QTimer(this);
        connect(recoveryTimer_, &QTimer::timeout, this, &CMainWindow::updateRecovery);
    }
    if (recovery_ == nullptr) {
        recoveryTimer_->stop();
        commands_->setInPlaceGuard({});
        recoveryLabel_->hide();
        return;
    }
    editor_.SetEditListener(recovery_);
    // A file overwritten in place is first safe in the recovery copy.
    commands_->setInPlaceGuard([this] {
        updateRecovery();
        return recovery_ != nullptr && recovery_->Flush();
    });
    // Edits reach the copy as they are made; this hands over whole texts
    // (open, new, import), names and saves, and shows whether writing works.
    recoveryTimer_->start(200);
    updateRecovery();
}

void CMainWindow::updateRecovery()
{
    if (recovery_ == nullptr)
        return;
    guarded([&] {
        const bool modified = commands_->IsModified();
        recovery_->Update(editor_.Document(), modified, commands_->CurrentFile());
        const bool warn = modified && !recovery_->Protected();
        if (warn == recoveryLabel_->isHidden()) {
            recoveryLabel_->setText(UiText(texts::kRecoveryNotProtected));
            recoveryLabel_->setVisible(warn);
            // Also for the log of a session that nobody watches.
            if (warn)
                std::cerr << "velmora: unsaved changes are not protected: the recovery copy in "
                          << PathText(recovery_->Folder()) << " cannot be written\n";
        }
    });
}

bool CMainWindow::offerRecovery()
{
    bool restored = false;
    if (recovery_ != nullptr)
        guarded([&] {
            restored = commands_->OfferRecovery(
                *recovery_, [this](const std::string& question) { return askRestore(question); },
                restoreElsewhere_);
        });
    updateStatusBar();
    updateRecovery();
    return restored;
}

bool CMainWindow::restoreCopy(const std::filesystem::path& copy)
{
    bool restored = false;
    if (recovery_ != nullptr)
        guarded([&] { restored = commands_->RestoreCopy(*recovery_, copy); });
    updateStatusBar();
    updateRecovery();
    return restored;
}

MainCommands::RecoveryAnswer CMainWindow::askRestore(const std::string& question)
{
    QMessageBox box(QMessageBox::Question, UiText(texts::kConfirmCaption), FromUtf8(question),
                    QMessageBox::NoButton, this);
    QPushButton* restore = box.addButton(UiText(texts::kRestoreAnswer), QMessageBox::YesRole);
    QPushButton* discard = box.addButton(UiText(texts::kDiscardCopyAnswer), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(UiText(texts::kLaterAnswer), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    // Escape and closing the question keep the copy for the next start.
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return MainCommands::RecoveryAnswer::Restore;
    if (box.clickedButton() == discard)
        return MainCommands::RecoveryAnswer::Discard;
    return MainCommands::RecoveryAnswer::Later;
}

void CMainWindow::run(CommandId id)
{
    const auto tool = [](const std::function<void()>& command) {
        if (command)
            command();
    };
    statusNote_.clear();
    // A command that would change the document or the selection neither
    // drops a pending transliteration nor edits underneath it (the editor's
    // own commands say so themselves; Undo takes back a keystroke).
    if (NeedsFinishedText(id) && editor_.InputPending() && !IsEditorCommand(id)) {
        showStatusNote(UiText(texts::kFinishPendingFirst));
        return;
    }
    guarded([&] {
        switch (id) {
        case CommandId::NewFile:
            commands_->NewFile();
            break;
        case CommandId::Open:
            commands_->Open();
            break;
        case CommandId::Save:
            commands_->Save();
            break;
        case CommandId::SaveAs:
            commands_->SaveAs();
            break;
        case CommandId::SaveHtml:
            commands_->SaveHtml();
            break;
        case CommandId::SaveHtmlWithTransliteration:
            commands_->SaveHtml(true);
            break;
        case CommandId::ImportAtf:
            commands_->ImportAtf();
            break;
        case CommandId::ExportAtf:
            commands_->ExportAtf();
            break;
        case CommandId::LoadWorddata:
            commands_->LoadWorddata();
            break;
        case CommandId::SaveWorddata:
            commands_->SaveWorddata();
            break;
        case CommandId::Exit:
            close();
            break;
        case CommandId::Undo:
            editor_.Undo();
            break;
        case CommandId::Redo:
            editor_.Redo();
            break;
        case CommandId::CutLine:
            editor_.CutLine();
            break;
        case CommandId::CopyLine:
            editor_.CopyLine();
            break;
        case CommandId::PasteLine:
            editor_.PasteLine();
            break;
        case CommandId::DeleteLine:
            editor_.DeleteLine();
            break;
        case CommandId::SelectAll:
            editor_.SelectAll();
            break;
        case CommandId::ConvertTransliteration:
            editor_.ConvertTransliteration();
            break;
        case CommandId::Find:
            tool(tools_.find);
            break;
        case CommandId::FindNext:
            tool(tools_.findNext);
            break;
        case CommandId::FindPrevious:
            tool(tools_.findPrevious);
            break;
        case CommandId::Replace:
            tool(tools_.replace);
            break;
        case CommandId::Font:
            commands_->Font();
            break;
        case CommandId::ZoomIn:
            zoomed(commands_->ZoomIn());
            break;
        case CommandId::ZoomOut:
            zoomed(commands_->ZoomOut());
            break;
        case CommandId::ResetZoom:
            zoomed(commands_->ResetZoom());
            break;
        case CommandId::SignInput:
            editor_.ToggleSignInput();
            break;
        case CommandId::WordRegistration:
            tool(tools_.wordRegistration);
            break;
        case CommandId::SignInformation:
            showSignInformation();
            break;
        case CommandId::SignList:
            showSignList();
            break;
        case CommandId::TypingHelp:
            showTypingHelp();
            break;
        case CommandId::Print:
            printDocument();
            break;
        case CommandId::PrintPreview:
            previewDocument();
            break;
        case CommandId::ExportPdf:
            exportPdf();
            break;
        case CommandId::About:
            showAbout();
            break;
        case CommandId::RecentFiles: // submenus, no command
        case CommandId::Language:
        case CommandId::Separator:
            break;
        }
    });
    // Commands move the cursor too (Open, New File, the searches); the
    // status bar shows where it is now. A save removes the recovery copy
    // at once.
    editorWidget_->update();
    updateStatusBar();
    updateRecovery();
}

void CMainWindow::refreshRecentFiles()
{
    guarded([&] {
        recentMenu_->clear();
        const std::vector<std::filesystem::path> files = recentFiles_.ExistingFiles();
        int number = 0;
        for (const std::filesystem::path& path : files) {
            QAction* action = recentMenu_->addAction(RecentFileLabel(++number, path));
            action->setMenuRole(QAction::NoRole);
            connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
        }
        recentMenu_->addSeparator();
        QAction* clear = recentMenu_->addAction(UiText(texts::kClearRecentFilesItem));
        clear->setMenuRole(QAction::NoRole);
        // The submenu is emptied the next time the File menu opens, not
        // here, where the item that was chosen is still being handled.
        connect(clear, &QAction::triggered, this, [this] {
            guarded([&] { settingsWritten(recentFiles_.Clear()); });
            recentMenu_->menuAction()->setEnabled(false);
        });
        recentMenu_->menuAction()->setEnabled(!files.empty());
    });
}

void CMainWindow::restoreWindowGeometry()
{
    const auto stored = WindowGeometry::Read(services_.settings);
    if (!stored)
        return;
    QRect rect(stored->x, stored->y, stored->width, stored->height);
    // No larger than the screen now (it may be smaller than the one the
    // window was last on), and where it was only when most of it would be
    // seen: a screen may have gone. Else the window system places it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        rect.setSize(rect.size().boundedTo(screen->availableGeometry().size()));
    if (VisibleArea(rect) * 2 >= qint64(rect.width()) * rect.height())
        setGeometry(rect);
    else
        resize(rect.size());
    if (stored->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainWindow::saveWindowGeometry()
{
    // A maximized window keeps the place and size it returns to.
    QRect rect = isMaximized() || isFullScreen() || isMinimized() ? normalGeometry() : geometry();
    if (!rect.isValid())
        rect = geometry();
    settingsWritten(WindowGeometry{rect.x(), rect.y(), rect.width(), rect.height(), isMaximized()}.Write(
        services_.settings));
}

void CMainWindow::settingsWritten(bool written)
{
    if (written || settingsFailureTold_)
        return;
    settingsFailureTold_ = true;
    services_.messages.showMessage(&platformWindow_, Tr(texts::kSettingsNotWritten),
                                   Tr(texts::kErrorCaption));
}

void CMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent* event)
{
    const QString file = DraggedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: the question about unsaved changes is
    // modal, and the program the file came from waits for the drop to end.
    const std::filesystem::path path(QFileInfo(file).absoluteFilePath().toStdU16String());
    QMetaObject::invokeMethod(
        this, [this, path] { openFile(path); }, Qt::QueuedConnection);
}

void CMainWindow::showAbout()
{
    CAboutDialog dialog(this);
    dialog.exec();
}

void CMainWindow::showSignInformation()
{
    const auto sign = editor_.CurrentSign();
    if (!sign) {
        services_.messages.showMessage(&platformWindow_, Tr(texts::kNoSignChosen),
                                       Tr(texts::kConfirmCaption));
        return;
    }
    if (signInfoWindow_ == nullptr)
        signInfoWindow_ = new CSignInfoWindow(this);
    const auto fonts = services_.signFont.Fonts();
    const auto* signFont = dynamic_cast<const QtFont*>(fonts->sign());
    signInfoWindow_->showSign(*sign, signFont ? signFont->qfont() : font());
}

QFont CMainWindow::signFont() const
{
    const auto fonts = services_.signFont.Fonts();
    const auto* qfont = dynamic_cast<const QtFont*>(fonts->sign());
    return qfont ? qfont->qfont() : font();
}

void CMainWindow::showSignList()
{
    if (signList_ == nullptr) {
        signList_ = new CSignListWindow(SignIndex::Bundled(), this);
        addDockWidget(Qt::RightDockWidgetArea, signList_);
        connect(signList_, &CSignListWindow::signChosen, this, &CMainWindow::insertSign);
        connect(signList_, &CSignListWindow::cursorSignRequested, this, &CMainWindow::showCursorSignInList);
    }
    signList_->setSignFont(signFont());
    signList_->showAndFocus();
}

void CMainWindow::showCursorSignInList()
{
    guarded([&] {
        const auto sign = editor_.CurrentSign();
        if (!sign) {
            services_.messages.showMessage(&platformWindow_, Tr(texts::kNoSignChosen),
                                           Tr(texts::kConfirmCaption));
            return;
        }
        if (signList_ != nullptr)
            signList_->showSign(sign->sign);
    });
}

void CMainWindow::insertSign(std::uint32_t sign)
{
    statusNote_.clear();
    guarded([&] { editor_.InsertSign(sign); });
    editorWidget_->update();
    updateStatusBar();
    updateRecovery();
}

QLabel* CMainWindow::emptyHint() const
{
    return emptyHint_.data();
}

void CMainWindow::updateEmptyHint()
{
    if (emptyHint_ == nullptr)
        return;
    if (!emptyHintDismissed_ && !editor_.IsBlank())
        emptyHintDismissed_ = true;
    if (emptyHintDismissed_) {
        emptyHint_->hide();
        return;
    }
    // Below the first line, so that the caret stays in sight.
    const QRect area = emptyHint_->parentWidget()->rect();
    emptyHint_->setGeometry(area.adjusted(24, 48, -24, -24));
    emptyHint_->show();
}

void CMainWindow::showTypingHelp()
{
    if (typingHelp_ == nullptr)
        typingHelp_ = new CTypingHelpWindow(this);
    typingHelp_->show();
    typingHelp_->raise();
    typingHelp_->activateWindow();
}

int CMainWindow::printTo(QPrinter& printer)
{
    const auto fonts = services_.signFont.Fonts();
    const auto* sign = dynamic_cast<const QtFont*>(fonts->sign());
    const auto* text = dynamic_cast<const QtFont*>(fonts->text());
    std::u16string_view name = commands_->Title();
    if (name.ends_with(kTitleSuffix))
        name.remove_suffix(kTitleSuffix.size());
    const QString documentName = QString::fromUtf16(name.data(), qsizetype(name.size()));
    printer.setDocName(documentName);
    const CDocumentPrinter pages(editor_.Document(), sign ? sign->qfont() : font(),
                                 text ? text->qfont() : font(), documentName);
    return pages.print(printer);
}

void CMainWindow::printDocument()
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printTo(printer) < 0)
        services_.messages.showMessage(&platformWindow_, Tr(texts::kPrintFailed), Tr(texts::kErrorCaption));
}

void CMainWindow::previewDocument()
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* shown) { guarded([&] { printTo(*shown); }); });
    preview.exec();
}

void CMainWindow::exportPdf()
{
    commands_->ExportPdf([this](const std::filesystem::path& path) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdU16String(path.u16string()));
        return printTo(printer) > 0;
    });
}

void CMainWindow::zoom(int steps)
{
    for (; steps > 0; --steps)
        run(CommandId::ZoomIn);
    for (; steps < 0; ++steps)
        run(CommandId::ZoomOut);
}

void CMainWindow::zoomed(bool changed)
{
    if (!changed)
        return;
    // The tool windows' word fields draw with the same fonts.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->update();
}

void CMainWindow::showTitle(std::u16string_view title)
{
    setWindowTitle(TitleWithModifiedMark(title));
    // Called first while the commands are being made.
    if (commands_)
        setWindowModified(commands_->IsModified());
}

void CMainWindow::updateStatusBar()
{
    guarded([&] {
        // The title marks unsaved changes the way the platform does.
        setWindowModified(commands_->IsModified());
        const StatusBarTexts texts =
            StatusBarTexts::For(editor_.AlphabetMode(), editor_.CursorPosition(), editor_.LookupStatus());
        actions_.at(CommandId::SignInput)->setChecked(!editor_.AlphabetMode());
        updateEmptyHint();
        modeLabel_->setText(statusNote_.isEmpty() ? FromUtf8(texts.mode) : statusNote_);
        lineLabel_->setText(FromUtf8(texts.line));
        columnLabel_->setText(FromUtf8(texts.column));
    });
    // A moment later, when the keys pause: the text the user types is
    // painted first, and a run of keys (one held down) gives one update.
    signStatusTimer_->start();
}

void CMainWindow::updateSignStatus()
{
    const auto sign = editor_.CurrentSign();
    // The sign in the editor's sign font, which has it: drawn in the
    // interface's font it would be looked for among all fonts at every
    // key.
    if (sign) {
        const auto fonts = services_.signFont.Fonts();
        if (const auto* qfont = dynamic_cast<const QtFont*>(fonts->sign());
            qfont && signGlyphLabel_->font().family() != qfont->qfont().family()) {
            QFont glyphFont = signGlyphLabel_->font();
            glyphFont.setFamily(qfont->qfont().family());
            signGlyphLabel_->setFont(glyphFont);
        }
    }
    signGlyphLabel_->setText(sign ? FromUtf8(sign->Glyph()) : QString());
    signLabel_->setText(sign ? FromUtf8(sign->StatusText()) : QString());
    // All the readings the part has no room for.
    signLabel_->setToolTip(sign ? FromUtf8(sign->ToolTipText(40)) : QString());
}

void CMainWindow::editorEvent()
{
    statusNote_.clear();
    updateStatusBar();
}

void CMainWindow::showStatusNote(const QString& note)
{
    statusNote_ = note;
    updateStatusBar();
}

void CMainWindow::enableEditItems(bool always)
{
    guarded([&] {
        for (const CommandId id :
             {CommandId::Undo, CommandId::Redo, CommandId::CutLine, CommandId::CopyLine, CommandId::PasteLine,
              CommandId::DeleteLine, CommandId::SelectAll, CommandId::ConvertTransliteration})
            actions_.at(id)->setEnabled(always || editor_.CanRun(id));
    });
}

bool CMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && emptyHint_ != nullptr && watched == emptyHint_->parentWidget())
        updateEmptyHint();
    if (watched == modeLabel_ && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        run(CommandId::SignInput);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
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
    guarded([&] { saveWindowGeometry(); });
    // Saved or given up: nothing is left to recover, and nothing writes a
    // copy again (Exit updates the copy after the command, when the window
    // has closed already).
    if (recovery_ != nullptr)
        guarded([&] { recovery_->Remove(); });
    setCrashRecovery(nullptr);
    emit closed();
}

} // namespace velmora
