#pragma once

#include "platform/FileDialogs.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class Window;

// One of the main window's file dialogs as it is kept from one use to the
// next: what it shows (title, file types, default suffix) and the last file
// chosen in it, which the next use offers again. The main window keeps seven:
// opening and saving text, saving HTML, opening and saving word data,
// opening ATF to import, saving ATF.
class FileDialogRecord {
public:
    enum class Kind { Open, Save };

    FileDialogRecord(Kind kind, std::string title, std::vector<FileDialogFilter> filters,
                     std::string defaultSuffix);

    static FileDialogRecord TextOpen();
    static FileDialogRecord TextSave();
    static FileDialogRecord HtmlSave();
    static FileDialogRecord WordDataOpen();
    static FileDialogRecord WordDataSave();
    // Opening an ATF transliteration to import.
    static FileDialogRecord AtfOpen();
    // Saving the document as an ATF transliteration.
    static FileDialogRecord AtfSave();
    // Export PDF: "*.pdf", and .pdf added to a name without a suffix.
    static FileDialogRecord PdfSave();

    Kind kind() const { return kind_; }
    // What the dialog shows, offering the last chosen path.
    FileDialogRequest request() const;

    // Shows the dialog. A confirmed choice becomes the record's path and
    // file title and is returned; a save dialog's name without a suffix
    // gets the default suffix ("mywords" becomes "mywords.cfd"). A cancelled
    // dialog leaves the record as it was and returns nothing.
    std::optional<std::filesystem::path> Run(FileDialogs& dialogs, Window* owner);

    // The full path last chosen, empty when none.
    const std::filesystem::path& path() const { return path_; }
    // The name of the file last chosen, without its folder.
    const std::filesystem::path& fileTitle() const { return fileTitle_; }

    // Makes path the last choice (its file name becomes the file title).
    void SetPath(const std::filesystem::path& path);
    // Takes over the other record's path and file title.
    void TakeOver(const FileDialogRecord& other);
    // Forgets the path; the file title stays.
    void ClearPath() { path_.clear(); }

private:
    Kind kind_;
    FileDialogRequest request_;
    std::filesystem::path path_;
    std::filesystem::path fileTitle_;
};

} // namespace velmora
