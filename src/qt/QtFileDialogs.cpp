#include "qt/QtFileDialogs.h"

#include "qt/QtText.h"
#include "qt/QtWidgetWindow.h"

#include <QFileInfo>
#include <QStringList>

namespace velmora {

namespace {

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace

QString QtFileDialogs::nameFilter(const FileDialogFilter& filter)
{
    QStringList patterns;
    for (const QString& pattern : FromUtf8(filter.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty())
            continue;
        // "*.*" is every file, also those without a dot in their name.
        patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    return FromUtf8(filter.description) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
        + QLatin1Char(')');
}

void QtFileDialogs::configure(QFileDialog& dialog, const FileDialogRequest& request,
                              QFileDialog::AcceptMode mode)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The list shows the descriptions alone; they name their patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setWindowTitle(FromUtf8(request.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileDialogFilter& filter : request.filters)
        filters << nameFilter(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    dialog.setDefaultSuffix(FromUtf8(request.defaultSuffix));
    if (!request.initialPath.empty()) {
        const QFileInfo initial(fromPath(request.initialPath));
        if (initial.isDir()) {
            dialog.setDirectory(initial.absoluteFilePath());
        } else {
            dialog.setDirectory(initial.absolutePath());
            dialog.selectFile(initial.fileName());
        }
    }
}

std::optional<std::filesystem::path> QtFileDialogs::run(Window* owner, const FileDialogRequest& request,
                                                        QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QtWidgetWindow::widgetOf(owner));
    configure(dialog, request, mode);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    return std::filesystem::path(chosen.front().toStdU16String());
}

std::optional<std::filesystem::path> QtFileDialogs::getOpenFileName(Window* owner,
                                                                    const FileDialogRequest& request)
{
    return run(owner, request, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtFileDialogs::getSaveFileName(Window* owner,
                                                                    const FileDialogRequest& request)
{
    return run(owner, request, QFileDialog::AcceptSave);
}

} // namespace velmora
