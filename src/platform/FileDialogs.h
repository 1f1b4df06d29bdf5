#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class Window;

// One entry of a dialog's file-type list: the text shown and the pattern it
// stands for, both UTF-8. Several patterns are separated by ';' ("*.htm;*.html");
// "*.*" means every file.
struct FileDialogFilter {
    std::string description;
    std::string pattern;
    friend bool operator==(const FileDialogFilter&, const FileDialogFilter&) = default;
};

// What an open or save dialog shows.
struct FileDialogRequest {
    std::string title;                     // UTF-8
    std::vector<FileDialogFilter> filters; // the first one is preselected
    std::string defaultSuffix;             // without the dot; added to a typed name that has none
    std::filesystem::path initialPath;     // the file offered at start (folder and name); may be empty
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// Modal file dialogs. Each returns the full path the user confirmed, or
// nothing when the dialog was cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A file to read; only an existing file can be chosen. owner may be null.
    virtual std::optional<std::filesystem::path> getOpenFileName(Window* owner,
                                                                 const FileDialogRequest& request) = 0;
    // A file to write; choosing an existing file asks before it is replaced.
    virtual std::optional<std::filesystem::path> getSaveFileName(Window* owner,
                                                                 const FileDialogRequest& request) = 0;
};

} // namespace velmora
