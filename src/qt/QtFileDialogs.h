#pragma once

#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QString>

namespace velmora {

// Open and save dialogs with QFileDialog (Qt's own dialogs, the same on every
// platform). The filter list shows the descriptions as given; "*.*" matches
// every file; the default suffix is added to a typed name without one; saving
// over an existing file asks first; opening accepts existing files only.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> getOpenFileName(Window* owner,
                                                         const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> getSaveFileName(Window* owner,
                                                         const FileDialogRequest& request) override;

    // Sets up a dialog for the request, to open (QFileDialog::AcceptOpen) or
    // to save (AcceptSave).
    static void configure(QFileDialog& dialog, const FileDialogRequest& request,
                          QFileDialog::AcceptMode mode);
    // The Qt name filter of an entry: "description (patterns)".
    static QString nameFilter(const FileDialogFilter& filter);

private:
    static std::optional<std::filesystem::path> run(Window* owner, const FileDialogRequest& request,
                                                    QFileDialog::AcceptMode mode);
};

} // namespace velmora
