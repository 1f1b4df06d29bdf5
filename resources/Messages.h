#pragma once

#include <string_view>

namespace velmora {

// User-visible texts of the core, in one place. "%1" and "%2" stand for
// the values put in when the text is shown.

inline constexpr std::string_view kErrorCaption = "エラー";
inline constexpr std::string_view kConfirmCaption = "確認";

// Start-up and "Load Worddata": the sign data file could not be used.
inline constexpr std::string_view kCannotOpenWordData = "文字変換ファイルが開けません。";
inline constexpr std::string_view kWordDataSyntaxError =
    "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。";

// Questions before unsaved work would be lost.
inline constexpr std::string_view kSaveChangesQuestion = "ドキュメントは変更されています。保存しますか？";
inline constexpr std::string_view kSaveDictionaryQuestion = "文字変換データは変更されています。保存しますか？";
// At start, when a run ended without saving its changes.
inline constexpr std::string_view kRestoreQuestion = "前回保存されなかった変更があります。復元しますか？";

// The file commands failed (followed by the file and the reason).
inline constexpr std::string_view kOpenFailed = "ファイルを読み込めませんでした。";
inline constexpr std::string_view kSaveFailed = "ファイルを保存できませんでした。";
inline constexpr std::string_view kHtmlSaveFailed = "HTMLファイルを保存できませんでした。";
inline constexpr std::string_view kWordDataSaveFailed = "単語データを保存できませんでした。";
inline constexpr std::string_view kWordDataNotExpressible =
    "単語データの書式で書き表せない発音があります（平文字の c や h を含む発音など）。";

// Why a file could not be read (FileLoadResult::Describe).
inline constexpr std::string_view kFileMissing = "ファイルが存在しません。";
inline constexpr std::string_view kFileNotRegular = "通常のファイルではありません（フォルダーやデバイスなど）。";
inline constexpr std::string_view kFileTooLarge = "ファイルが大きすぎます（上限 %1 バイト）。";
inline constexpr std::string_view kFileCannotRead = "ファイルを読み取れません（%1）。";
inline constexpr std::string_view kFileNotUtf8 = "UTF-8 のテキストではありません（%1 行目）。";
inline constexpr std::string_view kFileLineTooLong = "%1 行目が %2 文字を超えています。";
inline constexpr std::string_view kFileTooManyLines = "行数が上限の %1 行を超えています。";
inline constexpr std::string_view kFileSyntax = "%1 行目の書式が正しくありません。";

// The settings file exists but cannot be used; the program goes on with the
// default settings.
inline constexpr std::string_view kSettingsUnreadable = "設定ファイルを読み込めません。既定の設定を使います。";

} // namespace velmora
