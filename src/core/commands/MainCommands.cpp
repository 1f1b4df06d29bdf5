#include "core/commands/MainCommands.h"

#include "base/ConfiguredPath.h"
#include "core/commands/DocumentTitle.h"
#include "core/commands/MainEditor.h"
#include "core/commands/StartUp.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CFDocument.h"
#include "core/files/AtfExport.h"
#include "core/files/AtfImport.h"
#include "core/files/CrashRecovery.h"
#include "core/files/DocumentFiles.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFSignFont.h"
#include "platform/FailureText.h"
#include "platform/FontDialog.h"
#include "platform/MessageDisplay.h"
#include "platform/SaveChangesQuestion.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

MainCommands::MainCommands(Services services)
    : services_(std::move(services))
    , savedDictionaryRevision_(services_.dictionary.Revision())
{
    MarkUnchanged();
    ShowTitle(kNewFileName);
}

bool MainCommands::NewFile()
{
    if (!ConfirmDiscard())
        return false;
    services_.editor.NewDocument();
    textOpen_.ClearPath();
    textSave_.ClearPath();
    currentFile_.clear();
    importedFrom_.clear();
    MarkUnchanged();
    ShowTitle(kNewFileName);
    return true;
}

bool MainCommands::Open()
{
    if (!ConfirmDiscard())
        return false;
    const auto chosen = textOpen_.Run(services_.dialogs, services_.owner);
    if (!chosen)
        return false;
    if (IsAtfFile(*chosen)) {
        atfOpen_.SetPath(*chosen);
        return Import(*chosen);
    }
    return Load(*chosen);
}

bool MainCommands::OpenFile(const std::filesystem::path& path)
{
    if (!ConfirmDiscard())
        return false;
    if (IsAtfFile(path)) {
        atfOpen_.SetPath(path);
        return Import(path);
    }
    textOpen_.SetPath(path);
    return Load(path);
}

bool MainCommands::IsAtfFile(const std::filesystem::path& path)
{
    std::u8string extension = path.extension().u8string();
    for (char8_t& c : extension) {
        if (c >= u8'A' && c <= u8'Z')
            c = static_cast<char8_t>(c - u8'A' + u8'a');
    }
    return extension == u8".atf";
}

bool MainCommands::Load(const std::filesystem::path& path)
{
    if (const FileLoadResult loaded = LoadTextFile(path, services_.editor.Document()); !loaded) {
        ReportFailure(texts::kOpenFailed, path, FailureText(loaded));
        return false;
    }
    services_.editor.DocumentReplaced();
    services_.editor.ResetView();
    textSave_.TakeOver(textOpen_);
    currentFile_ = path;
    importedFrom_.clear();
    MarkUnchanged();
    ShowTitle(FileTitleOf(path));
    FileUsed(path);
    services_.editor.FocusEditor();
    return true;
}

bool MainCommands::Save()
{
    if (!currentFile_.empty())
        return WriteText(currentFile_);
    const auto chosen = textSave_.Run(services_.dialogs, services_.owner);
    if (!chosen || !WriteText(*chosen))
        return false;
    // The document is in that file from now on, and the title says so.
    currentFile_ = *chosen;
    ShowTitle(FileTitleOf(*chosen));
    return true;
}

bool MainCommands::SaveAs()
{
    bool saved = false;
    if (const auto chosen = textSave_.Run(services_.dialogs, services_.owner); chosen && WriteText(*chosen)) {
        currentFile_ = *chosen;
        ShowTitle(FileTitleOf(*chosen));
        saved = true;
    }
    // The open dialog offers the last name chosen for saving, whatever
    // became of it; the title names only a file the document is in.
    textOpen_.TakeOver(textSave_);
    return saved;
}

bool MainCommands::WriteText(const std::filesystem::path& path)
{
    // The converted text would replace the transliteration it came from.
    std::error_code error;
    if (!importedFrom_.empty()
        && (path == importedFrom_ || std::filesystem::equivalent(path, importedFrom_, error))) {
        ReportFailure(texts::kSaveFailed, path, Tr(texts::kImportSourceNotSaved));
        return false;
    }
    const auto guard = [&] { return !inPlaceGuard_ || inPlaceGuard_(); };
    if (const FileWriteResult saved = SaveTextFile(path, services_.editor.Document(), guard); !saved) {
        ReportFailure(texts::kSaveFailed, path, FailureText(saved));
        return false;
    }
    importedFrom_.clear();
    MarkUnchanged();
    FileUsed(path);
    return true;
}

namespace {

// Offers an export the document's name with suffix, in the folder of the
// last file the dialog saved, or else beside the document.
void OfferDocumentName(FileDialogRecord& record, const std::filesystem::path& document,
                       std::string_view suffix)
{
    if (!document.has_filename())
        return;
    std::filesystem::path offered =
        record.path().empty() ? document.parent_path() : record.path().parent_path();
    offered /= document.stem();
    offered += suffix;
    record.SetPath(offered);
}

} // namespace

bool MainCommands::SaveHtml(bool withTransliteration)
{
    // The document's name with .html, in the folder of the last page saved
    // or else beside the document.
    OfferDocumentName(htmlSave_, currentFile_.empty() ? textSave_.path() : currentFile_, ".html");
    const auto chosen = htmlSave_.Run(services_.dialogs, services_.owner);
    if (!chosen)
        return false;
    if (const FileWriteResult saved = ExportHtml(*chosen, services_.editor.Document(), withTransliteration);
        !saved) {
        ReportFailure(texts::kHtmlSaveFailed, *chosen, FailureText(saved));
        return false;
    }
    return true;
}

std::filesystem::path MainCommands::DocumentPath() const
{
    if (!currentFile_.empty())
        return currentFile_;
    return importedFrom_;
}

bool MainCommands::ExportAtf()
{
    const std::filesystem::path document = DocumentPath();
    if (atfSave_.path().empty() && !document.empty()) {
        // Never the ATF file the text was imported from, which holds more
        // than the export writes (structure, translations, notes).
        std::filesystem::path offered = std::filesystem::path(document).replace_extension(".atf");
        if (offered == importedFrom_)
            offered.replace_extension(".export.atf");
        atfSave_.SetPath(offered);
    }
    const auto chosen = atfSave_.Run(services_.dialogs, services_.owner);
    if (!chosen)
        return false;
    const std::u8string stem =
        document.empty() ? std::filesystem::path(kNewFileName).u8string() : document.stem().u8string();
    const std::string name(stem.begin(), stem.end());
    if (const FileWriteResult saved = AtfExport::Save(*chosen, services_.editor.Document(), name); !saved) {
        ReportFailure(texts::kAtfSaveFailed, *chosen, FailureText(saved));
        return false;
    }
    return true;
}

bool MainCommands::ExportPdf(const std::function<bool(const std::filesystem::path&)>& write)
{
    OfferDocumentName(pdfSave_, DocumentPath(), ".pdf");
    const auto chosen = pdfSave_.Run(services_.dialogs, services_.owner);
    if (!chosen)
        return false;
    if (!write(*chosen)) {
        ReportFailure(texts::kPdfSaveFailed, *chosen);
        return false;
    }
    return true;
}

bool MainCommands::ImportAtf()
{
    if (!ConfirmDiscard())
        return false;
    const auto chosen = atfOpen_.Run(services_.dialogs, services_.owner);
    return chosen && Import(*chosen);
}

bool MainCommands::Import(const std::filesystem::path& atfFile)
{
    CFDocument& document = services_.editor.Document();
    AtfImport imported = AtfImport::Import(atfFile, static_cast<std::uint32_t>(CFModeData::kMainLineLimit),
                                           document.maxLineLength);
    if (!imported.ok()) {
        ReportFailure(texts::kImportFailed, atfFile, imported.Problem());
        return false;
    }
    // Replacing the text moves its revision on: the document counts as
    // changed until it is saved.
    document = std::move(imported.document);
    services_.editor.DocumentReplaced();
    services_.editor.ResetView();
    currentFile_.clear();
    importedFrom_ = atfFile;
    textSave_.SetPath(AtfImport::SaveName(atfFile));
    ShowTitle(FileTitleOf(atfFile) + std::u16string(kImportedSuffix));
    if (const std::string report = imported.Report(); !report.empty())
        services_.messages.showMessage(services_.owner, report, Tr(texts::kInformationCaption));
    services_.editor.FocusEditor();
    return true;
}

bool MainCommands::LoadWorddata()
{
    if (!ConfirmDiscardDictionary())
        return false;
    bool loaded = false;
    if (const auto chosen = wordDataOpen_.Run(services_.dialogs, services_.owner)) {
        // Loaded aside, so that a file that fails half-way leaves the
        // dictionary in use complete.
        CFWordDictionary fresh;
        if (fresh.Load(*chosen)) {
            services_.dictionary.SwapEntries(fresh);
            savedDictionaryRevision_ = services_.dictionary.Revision();
            wordDataFile_ = *chosen;
            loaded = true;
        } else {
            ReportWordDataLoadFailure(fresh.lastLoadFailure(), std::span(&*chosen, 1), services_.messages,
                                      services_.owner);
        }
    }
    wordDataSave_.TakeOver(wordDataOpen_);
    return loaded;
}

bool MainCommands::SaveWorddata()
{
    bool saved = false;
    if (const auto chosen = wordDataSave_.Run(services_.dialogs, services_.owner))
        saved = WriteDictionary(*chosen);
    wordDataOpen_.TakeOver(wordDataSave_);
    return saved;
}

bool MainCommands::WriteDictionary(const std::filesystem::path& path)
{
    if (const FileWriteResult saved = services_.dictionary.Save(path); !saved) {
        ReportFailure(texts::kWordDataSaveFailed, path, FailureText(saved));
        return false;
    }
    savedDictionaryRevision_ = services_.dictionary.Revision();
    wordDataFile_ = path;
    return true;
}

bool MainCommands::Font()
{
    CFSignFont& signFont = services_.signFont;
    FontAttributes initial;
    if (const auto current = signFont.CurrentSignFontAttributes())
        initial = *current;
    else if (signFont.useChosenSignFont() && signFont.signAttributesValid())
        initial = signFont.signAttributes();
    else
        initial = CFSignFont::DefaultSignFont(signFont.ConfiguredFaceName());
    const auto chosen = services_.fontDialog.chooseFont(services_.owner, initial);
    if (!chosen)
        return false;
    signFont.ChooseSignFont(*chosen);
    services_.editor.ResetView();
    return true;
}

bool MainCommands::ZoomIn()
{
    return Zoomed(services_.signFont.ZoomIn());
}

bool MainCommands::ZoomOut()
{
    return Zoomed(services_.signFont.ZoomOut());
}

bool MainCommands::ResetZoom()
{
    return Zoomed(services_.signFont.ResetZoom());
}

bool MainCommands::Zoomed(bool changed)
{
    if (changed)
        services_.editor.FontsChanged();
    return changed;
}

bool MainCommands::ConfirmDiscard()
{
    if (!IsModified())
        return true;
    const SaveChangesAnswer answer = services_.question.askSaveChanges(
        services_.owner, Tr(texts::kSaveChangesQuestion), Tr(texts::kConfirmCaption));
    switch (answer) {
    case SaveChangesAnswer::Save:
        return Save();
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

namespace {

// "2024-05-01 14:03", local time.
std::string LocalTime(std::int64_t seconds)
{
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (seconds <= 0 || localtime_r(&time, &local) == nullptr)
        return "?";
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

bool MainCommands::OfferRecovery(CrashRecovery& recovery,
                                 const std::function<RecoveryAnswer(const std::string&)>& ask,
                                 const std::function<void(const std::filesystem::path&)>& restoreElsewhere)
{
    bool restored = false;
    std::vector<CrashRecovery::LeftOver> leftOvers = recovery.FindLeftOvers();
    for (CrashRecovery::LeftOver& leftOver : leftOvers) {
        if (leftOver.state == recovery::Content::State::Unreadable) {
            ReportFailure(texts::kRecoveryUnreadable, leftOver.copy, leftOver.problem);
            continue;
        }
        const std::string file = leftOver.originalFile.empty()
            ? std::string(kNewFileName.begin(), kNewFileName.end())
            : PathText(leftOver.originalFile);
        const std::string question = Tr(texts::kRestoreQuestion) + "\n\n"
            + Fill(Tr(texts::kRestoreCopyDetails), file, LocalTime(leftOver.modified));
        switch (ask(question)) {
        case RecoveryAnswer::Later:
            break;
        case RecoveryAnswer::Discard:
            CrashRecovery::Discard(leftOver);
            break;
        case RecoveryAnswer::Restore:
            if (!restored) {
                restored = Restore(recovery, leftOver);
            } else if (restoreElsewhere) {
                leftOver.lock.close();
                restoreElsewhere(leftOver.copy);
            }
            break;
        }
    }
    return restored;
}

bool MainCommands::RestoreCopy(CrashRecovery& recovery, const std::filesystem::path& copy)
{
    // The run that handed it over may hold it a moment longer.
    std::optional<CrashRecovery::LeftOver> leftOver = CrashRecovery::TakeLeftOver(copy, 5000);
    if (!leftOver)
        return false;
    if (leftOver->state == recovery::Content::State::Unreadable) {
        ReportFailure(texts::kRecoveryUnreadable, leftOver->copy, leftOver->problem);
        return false;
    }
    return Restore(recovery, *leftOver);
}

bool MainCommands::Restore(CrashRecovery& recovery, CrashRecovery::LeftOver& leftOver)
{
    recovery::Content content = CrashRecovery::Read(leftOver);
    if (content.state == recovery::Content::State::Unreadable) {
        ReportFailure(texts::kRecoveryUnreadable, leftOver.copy, content.problem);
        return false;
    }
    CFDocument& document = services_.editor.Document();
    content.document.maxLineLength = document.maxLineLength;
    // Replacing the text moves its revision on: it counts as unsaved.
    document = std::move(content.document);
    services_.editor.DocumentReplaced();
    services_.editor.ResetView();
    // Unsaved changes of that file: Save writes there.
    const std::filesystem::path& originalFile = content.originalFile;
    currentFile_ = originalFile;
    importedFrom_.clear();
    if (originalFile.empty()) {
        textOpen_.ClearPath();
        textSave_.ClearPath();
        ShowTitle(kNewFileName);
    } else {
        textOpen_.SetPath(originalFile);
        textSave_.TakeOver(textOpen_);
        ShowTitle(FileTitleOf(originalFile));
    }
    // This run's copy holds the text before the old one goes; if it cannot
    // be written the old one stays.
    recovery.Update(document, IsModified(), currentFile_);
    if (recovery.Flush())
        CrashRecovery::Discard(leftOver);
    if (content.state == recovery::Content::State::LastChangesLost)
        ReportFailure(texts::kRecoveryLastChangesLost, leftOver.copy, content.problem);
    services_.editor.FocusEditor();
    return true;
}

bool MainCommands::ConfirmExit()
{
    return ConfirmDiscard() && ConfirmDiscardDictionary();
}

bool MainCommands::ConfirmDiscardDictionary()
{
    if (!IsDictionaryModified())
        return true;
    const SaveChangesAnswer answer = services_.question.askSaveChanges(
        services_.owner, Tr(texts::kSaveDictionaryQuestion), Tr(texts::kConfirmCaption));
    switch (answer) {
    case SaveChangesAnswer::Save:
        return wordDataFile_.empty() ? SaveWorddata() : WriteDictionary(wordDataFile_);
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

bool MainCommands::IsDictionaryModified() const
{
    return services_.dictionary.Revision() != savedDictionaryRevision_;
}

bool MainCommands::IsModified() const
{
    return services_.editor.Document().Revision() != savedRevision_;
}

void MainCommands::MarkUnchanged()
{
    savedRevision_ = services_.editor.Document().Revision();
}

void MainCommands::FileUsed(const std::filesystem::path& path)
{
    if (services_.fileUsed)
        services_.fileUsed(path);
}

void MainCommands::ShowTitle(std::u16string_view name)
{
    title_ = ComposeDocumentTitle(name);
    if (services_.setTitle)
        services_.setTitle(title_);
}

void MainCommands::ReportFailure(std::string_view what, const std::filesystem::path& path,
                                 std::string_view detail)
{
    std::string text = Tr(what);
    text += '\n';
    text += PathText(path);
    if (!detail.empty()) {
        text += '\n';
        text += detail;
    }
    services_.messages.showMessage(services_.owner, text, Tr(texts::kErrorCaption));
}

} // namespace velmora
