#include "core/commands/FileDialogRecord.h"

#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <utility>

namespace velmora {

namespace {

const FileDialogFilter kText{texts::kTextFiles, "*.txt"};
const FileDialogFilter kHtml{texts::kHtmlFiles, "*.html"};
const FileDialogFilter kWordData{texts::kWordDataFiles, "*.cfd"};
const FileDialogFilter kAllFiles{texts::kAllFiles, "*.*"};
// ATF comes as .atf and, as often, as plain .txt.
const FileDialogFilter kAtf{texts::kAtfFiles, "*.atf;*.txt"};
// An exported transliteration is given the ATF suffix.
const FileDialogFilter kAtfSave{texts::kAtfSaveFiles, "*.atf"};
const FileDialogFilter kPdf{texts::kPdfFiles, "*.pdf"};

} // namespace

FileDialogRecord::FileDialogRecord(Kind kind, std::string title, std::vector<FileDialogFilter> filters,
                                   std::string defaultSuffix)
    : kind_(kind)
    , request_{std::move(title), std::move(filters), std::move(defaultSuffix), {}}
{
}

FileDialogRecord FileDialogRecord::TextOpen()
{
    return {Kind::Open, texts::kOpenTextTitle, {kText, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::TextSave()
{
    return {Kind::Save, texts::kSaveTextTitle, {kText, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::HtmlSave()
{
    return {Kind::Save, texts::kSaveHtmlTitle, {kHtml, kText, kAllFiles}, "html"};
}

// A name typed without a suffix gets the suffix of the dialog's file type,
// so that the open dialog's filter shows the file saved.
FileDialogRecord FileDialogRecord::WordDataOpen()
{
    return {Kind::Open, texts::kOpenWordDataTitle, {kWordData, kAllFiles}, "cfd"};
}

FileDialogRecord FileDialogRecord::WordDataSave()
{
    return {Kind::Save, texts::kSaveWordDataTitle, {kWordData, kAllFiles}, "cfd"};
}

FileDialogRecord FileDialogRecord::AtfOpen()
{
    return {Kind::Open, texts::kImportAtfTitle, {kAtf, kAllFiles}, "atf"};
}

FileDialogRecord FileDialogRecord::AtfSave()
{
    return {Kind::Save, texts::kExportAtfTitle, {kAtfSave, kAllFiles}, "atf"};
}

FileDialogRecord FileDialogRecord::PdfSave()
{
    return {Kind::Save, texts::kExportPdfTitle, {kPdf, kAllFiles}, "pdf"};
}

FileDialogRequest FileDialogRecord::request() const
{
    // Shown in the interface language of the moment.
    FileDialogRequest request = request_;
    request.title = Tr(request.title);
    for (FileDialogFilter& filter : request.filters)
        filter.description = Tr(filter.description);
    request.initialPath = path_;
    return request;
}

std::optional<std::filesystem::path> FileDialogRecord::Run(FileDialogs& dialogs, Window* owner)
{
    const FileDialogRequest shown = request();
    std::optional<std::filesystem::path> chosen =
        kind_ == Kind::Open ? dialogs.getOpenFileName(owner, shown) : dialogs.getSaveFileName(owner, shown);
    if (!chosen || chosen->empty())
        return std::nullopt;
    // Dialogs of some desktops return a name typed without a suffix as it
    // is; a file saved then would be one the open dialog's filter hides.
    if (kind_ == Kind::Save && !request_.defaultSuffix.empty() && !chosen->has_extension()
        && chosen->has_filename())
        *chosen += "." + request_.defaultSuffix;
    SetPath(*chosen);
    return chosen;
}

void FileDialogRecord::SetPath(const std::filesystem::path& path)
{
    path_ = path;
    fileTitle_ = path.filename();
}

void FileDialogRecord::TakeOver(const FileDialogRecord& other)
{
    path_ = other.path_;
    fileTitle_ = other.fileTitle_;
}

} // namespace velmora
