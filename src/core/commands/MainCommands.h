#pragma once

#include "core/commands/FileDialogRecord.h"
#include "core/files/CrashRecovery.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

class CFSignFont;
class CFWordDictionary;
class FileDialogs;
class FontDialog;
class MainEditor;
class MessageDisplay;
class SaveChangesQuestion;
class Window;

// The file commands of the main window and the Font command, over the main
// editor and the platform's dialogs.
//
// It knows the current document file (where Save writes without asking) and
// whether the document changed since it was last created, loaded or saved;
// before a command would throw away changed text it asks whether to save it
// first. A command that fails tells the user which file it could not read or
// write and leaves the document, the current file and the title as they
// were. Files are always opened by the full path chosen; the current folder
// plays no part.
//
// Each command returns true when it did its work (a file was read or
// written, a font chosen), false when it was cancelled or failed.
class MainCommands {
public:
    struct Services {
        MainEditor& editor;
        FileDialogs& dialogs;
        MessageDisplay& messages;
        SaveChangesQuestion& question;
        FontDialog& fontDialog;
        CFWordDictionary& dictionary;
        CFSignFont& signFont;
        // Owner of every dialog and message; may be null.
        Window* owner = nullptr;
        // Shows a new title of the main window.
        std::function<void(std::u16string_view)> setTitle;
        // Told of every document file read or written (the recent files).
        std::function<void(const std::filesystem::path&)> fileUsed;
    };

    // Starts with the editor's document as a new, unchanged document and
    // shows its title ("new file - Velmora").
    explicit MainCommands(Services services);
    MainCommands(const MainCommands&) = delete;
    MainCommands& operator=(const MainCommands&) = delete;

    // "New File": after the question about changed text, an empty document
    // without a file.
    bool NewFile();
    // "Open": after the question, the text file chosen in the open dialog
    // replaces the document and becomes the current file. An ATF file
    // (.atf, in any case) is imported instead, as Import ATF does, so that
    // its transliteration never becomes a text file that Save rewrites.
    bool Open();
    // The same for a file named by the caller (the program's argument, a
    // dropped file, a recent file).
    bool OpenFile(const std::filesystem::path& path);
    // Whether a file is opened by importing it: its name ends in .atf.
    static bool IsAtfFile(const std::filesystem::path& path);
    // "Save": writes to the current file; without one, asks for a name
    // first, and the file chosen becomes the current file and names the
    // title.
    bool Save();
    // "SaveAs": asks for a name, writes there, and the file becomes the
    // current file and names the title.
    bool SaveAs();
    // "Save HTML": exports the document to the file chosen; the dialog
    // offers the document's name with .html. With the transliteration,
    // "Save HTML with Transliteration" (ExportHtml).
    bool SaveHtml(bool withTransliteration = false);
    // "Export ATF…": writes the document as an ATF transliteration
    // (AtfExport) to the file chosen, its & line naming the document. The
    // dialog first offers the document's file name with ".atf" (".export.atf"
    // for a document imported from that ATF file). The document's file and
    // title stay as they are.
    bool ExportAtf();
    // "Export PDF…": asks for the PDF file's name, offering the document's
    // name with ".pdf", and has write make it there; a failure of write is
    // reported with the file's name. The document, its file and the title
    // stay as they are.
    bool ExportPdf(const std::function<bool(const std::filesystem::path&)>& write);
    // "Import ATF…": after the question about changed text, the ATF file
    // chosen, converted to cuneiform, becomes a new unsaved document
    // without a file; the title names the ATF file with "(imported)". The
    // first Save asks for a name (offering the ATF name with .txt) and
    // refuses the ATF file itself, so the transliteration is never
    // overwritten. Readings kept in Latin are counted in a message. The
    // ATF file does not join the recent files: they are documents, which
    // would open as text.
    bool ImportAtf();
    // "Load Worddata": after the question about registered words, the sign
    // data file chosen replaces the dictionary, but only when it loads
    // completely; otherwise the user is told why and the dictionary stays as
    // it was.
    bool LoadWorddata();
    // "Save Worddata": writes the dictionary to the file chosen.
    bool SaveWorddata();
    // "Font": the font dialog, starting from the current sign font; a font
    // chosen becomes the sign font of every editor and the main editor's
    // view starts again at its top.
    bool Font();
    // Zoom: the signs and the Latin text of every editor one step larger or
    // smaller, or back at the chosen size, for this session only (nothing
    // is written to the settings); the main editor keeps its cursor in
    // sight. False when the zoom was at its end already.
    bool ZoomIn();
    bool ZoomOut();
    bool ResetZoom();

    // Before the program ends (Exit, closing the window): asks about the
    // changed document and then about words registered in the dictionary.
    // True when both may go, because they are unchanged, the user chose not
    // to keep the changes, or they were saved. False when the user cancelled
    // or saving did not succeed.
    bool ConfirmExit();
    // The same for the document alone, before it is replaced.
    bool ConfirmDiscard();
    // The same for the dictionary alone. Saving writes to the sign data file
    // last loaded or saved with the menu, or asks for a name.
    bool ConfirmDiscardDictionary();

    // What the user answers when a recovery copy is offered. Later (also
    // Escape or closing the question) keeps the copy for the next start;
    // only Discard removes it.
    enum class RecoveryAnswer { Restore, Discard, Later };
    // At start: offers, one at a time and the newest first, every copy of a
    // document that earlier runs left when they ended without saving (ask
    // shows the question, naming the copy's file and when it last changed).
    // The first one restored replaces the document as unsaved changes, named
    // after its file, which Save then writes; this run's copy takes over
    // from it before it is removed. Each further copy restored is handed to
    // restoreElsewhere (another window). A copy that cannot be read is
    // reported with its path and kept. True when a document was restored
    // here.
    bool OfferRecovery(CrashRecovery& recovery, const std::function<RecoveryAnswer(const std::string&)>& ask,
                       const std::function<void(const std::filesystem::path&)>& restoreElsewhere);
    // Restores one left-over copy without asking (a copy handed over by
    // another run's OfferRecovery); it is reported when it cannot be read.
    bool RestoreCopy(CrashRecovery& recovery, const std::filesystem::path& copy);
    // Called before a save overwrites its file in place (the folder takes no
    // new file): true once the text to be written is safe elsewhere (the
    // recovery copy). Without one, such saves go ahead unguarded.
    void setInPlaceGuard(std::function<bool()> guard) { inPlaceGuard_ = std::move(guard); }

    // Whether the document changed since it was created, loaded or saved.
    bool IsModified() const;
    // Whether words were added to the dictionary since it was loaded or
    // saved.
    bool IsDictionaryModified() const;
    // Where Save writes; empty for a document without a file.
    const std::filesystem::path& CurrentFile() const { return currentFile_; }
    // The title shown last.
    const std::u16string& Title() const { return title_; }

    const FileDialogRecord& textOpenRecord() const { return textOpen_; }
    const FileDialogRecord& textSaveRecord() const { return textSave_; }
    const FileDialogRecord& htmlSaveRecord() const { return htmlSave_; }
    const FileDialogRecord& wordDataOpenRecord() const { return wordDataOpen_; }
    const FileDialogRecord& wordDataSaveRecord() const { return wordDataSave_; }
    const FileDialogRecord& atfOpenRecord() const { return atfOpen_; }
    const FileDialogRecord& atfSaveRecord() const { return atfSave_; }

private:
    // After a zoom step: the main editor follows when the fonts changed.
    bool Zoomed(bool changed);
    // The document's file, else the ATF file it was imported from; empty
    // for neither.
    std::filesystem::path DocumentPath() const;
    bool Load(const std::filesystem::path& path);
    // Import ATF of a file chosen already.
    bool Import(const std::filesystem::path& atfFile);
    bool WriteText(const std::filesystem::path& path);
    bool Restore(CrashRecovery& recovery, CrashRecovery::LeftOver& leftOver);
    bool WriteDictionary(const std::filesystem::path& path);
    void MarkUnchanged();
    void ShowTitle(std::u16string_view name);
    void FileUsed(const std::filesystem::path& path);
    void ReportFailure(std::string_view what, const std::filesystem::path& path,
                       std::string_view detail = {});

    Services services_;
    FileDialogRecord textOpen_ = FileDialogRecord::TextOpen();
    FileDialogRecord textSave_ = FileDialogRecord::TextSave();
    FileDialogRecord htmlSave_ = FileDialogRecord::HtmlSave();
    FileDialogRecord wordDataOpen_ = FileDialogRecord::WordDataOpen();
    FileDialogRecord wordDataSave_ = FileDialogRecord::WordDataSave();
    FileDialogRecord atfOpen_ = FileDialogRecord::AtfOpen();
    FileDialogRecord atfSave_ = FileDialogRecord::AtfSave();
    FileDialogRecord pdfSave_ = FileDialogRecord::PdfSave();
    std::filesystem::path currentFile_;
    // The ATF file the document was imported from, until it is first saved.
    std::filesystem::path importedFrom_;
    std::uint64_t savedRevision_ = 0;
    // The sign data file last loaded or saved with the menu, and the
    // dictionary's revision then (or at start).
    std::filesystem::path wordDataFile_;
    std::uint64_t savedDictionaryRevision_ = 0;
    std::u16string title_;
    std::function<bool()> inPlaceGuard_;
};

} // namespace velmora
