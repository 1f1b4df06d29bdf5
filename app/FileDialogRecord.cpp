#include "app/FileDialogRecord.h"

#include <utility>

namespace velmora {

namespace {

const FileDialogFilter kText{"text(*.txt)", "*.txt"};
const FileDialogFilter kHtml{"html(*.html)", "*.html"};
const FileDialogFilter kWordData{"cfdファイル(*.cfd)", "*.cfd"};
const FileDialogFilter kAllFiles{"All files(*.*)", "*.*"};
// ATF comes as .atf and, as often, as plain .txt.
const FileDialogFilter kAtf{"ATF(*.atf;*.txt)", "*.atf;*.txt"};

} // namespace

FileDialogRecord::FileDialogRecord(Kind kind, std::string title, std::vector<FileDialogFilter> filters,
                                   std::string defaultSuffix)
    : kind_(kind)
    , request_{std::move(title), std::move(filters), std::move(defaultSuffix), {}}
{
}

FileDialogRecord FileDialogRecord::TextOpen()
{
    return {Kind::Open, "テキストを開く", {kText, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::TextSave()
{
    return {Kind::Save, "名前を付けてテキストを保存", {kText, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::HtmlSave()
{
    return {Kind::Save, "名前を付けてHTML形式で保存", {kHtml, kText, kAllFiles}, "html"};
}

// The word-data dialogs add "txt", not the "cfd" of their file type, to a
// name typed without a suffix.
FileDialogRecord FileDialogRecord::WordDataOpen()
{
    return {Kind::Open, "単語データを開く", {kWordData, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::WordDataSave()
{
    return {Kind::Save, "名前を付けてデータを保存", {kWordData, kAllFiles}, "txt"};
}

FileDialogRecord FileDialogRecord::AtfOpen()
{
    return {Kind::Open, "ATFをインポート", {kAtf, kAllFiles}, "atf"};
}

FileDialogRequest FileDialogRecord::request() const
{
    FileDialogRequest request = request_;
    request.initialPath = path_;
    return request;
}

std::optional<std::filesystem::path> FileDialogRecord::Run(FileDialogs& dialogs, Window* owner)
{
    const FileDialogRequest shown = request();
    std::optional<std::filesystem::path> chosen = kind_ == Kind::Open
        ? dialogs.getOpenFileName(owner, shown)
        : dialogs.getSaveFileName(owner, shown);
    if (!chosen || chosen->empty())
        return std::nullopt;
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
