#pragma once

// The messages the editing core shows the user, and their captions.

namespace velmora::texts {

inline constexpr const char* kErrorCaption = "エラー";
inline constexpr const char* kConfirmCaption = "確認";
inline constexpr const char* kFailureCaption = "失敗";
inline constexpr const char* kSearchFinishedCaption = "検索終了";

// Clipboard.
inline constexpr const char* kNotUnicodeText = "違う形式のデータです。";
inline constexpr const char* kTooManyLinesToPaste = "最大行数を超えているためペーストできません。";
inline constexpr const char* kLineTooLongToPaste = "行の最大文字数を超えるためペーストできません。";

// Editing.
inline constexpr const char* kTooManyLinesToInput = "最大行数を超えるため入力できません。";
inline constexpr const char* kLineTooLongToInput = "行の最大文字数を超えるため入力できません。";
inline constexpr const char* kLineTooLongToDelete = "行の最大文字数を超えるため削除できません。";

// The status bar while a transliteration is looked up: "no sign for xyz"
// after a lookup that found nothing; "no du₉₉: du 1/9" when the typed index
// was not found and another reading was taken.
inline constexpr const char* kNoSignForPrefix = "no sign for ";
inline constexpr const char* kNoReadingPrefix = "no ";
inline constexpr const char* kNoReadingSeparator = ": ";

// Converting transliterations (Convert Transliteration, Import ATF).
inline constexpr const char* kLineTooLongToConvert = "変換すると行の最大文字数を超えるため変換できません。";
// Followed by kKeptLatinSuffix: "12 個の読みを変換できませんでした。".
inline constexpr const char* kKeptLatinSuffix = " 個の読みを変換できませんでした。";
// Followed by kUnlabelledSuffix: "2 行は行番号がないため変換しませんでした。".
inline constexpr const char* kUnlabelledSuffix = " 行は行番号がないため変換しませんでした。";
// Why an ATF file gave no document.
inline constexpr const char* kAtfNoTextLines = "行番号（1. など）で始まるテキスト行がありません。";
// Import ATF failed (followed by the file and the reason).
inline constexpr const char* kImportFailed = "ATFファイルを読み込めませんでした。";
// A document imported from an ATF file is not saved over that file.
inline constexpr const char* kImportSourceNotSaved =
    "インポート元の ATF ファイルには保存できません。別の名前を指定してください。";

// Search and replace.
inline constexpr const char* kSearchedToEnd = "ドキュメント末尾まで検索しました。";
inline constexpr const char* kSearchedToBeginning = "ドキュメント先頭まで検索しました。";
inline constexpr const char* kReplacementTooLong = "置換すると行の最大文字数を超えるため置換できません。";
// Followed by kReplacedCountSuffix: "3 個置換しました。".
inline constexpr const char* kReplacedCountSuffix = " 個置換しました。";

// Start-up and "Load Worddata": the sign data file could not be used
// (followed by the file and what happened).
inline constexpr const char* kCannotOpenWordData = "文字変換ファイルが開けません。";
inline constexpr const char* kWordDataSyntaxError = "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。";
// The settings file is there but cannot be read; the defaults are used.
inline constexpr const char* kSettingsUnreadable = "設定ファイルを読み込めません。既定の設定を使います。";

// Questions before unsaved work would be lost, and after a run that lost it.
inline constexpr const char* kSaveChangesQuestion = "ドキュメントは変更されています。保存しますか？";
inline constexpr const char* kSaveDictionaryQuestion = "文字変換データは変更されています。保存しますか？";
inline constexpr const char* kRestoreQuestion = "前回保存されなかった変更があります。復元しますか？";

// The file commands failed (followed by the file and the reason).
inline constexpr const char* kOpenFailed = "ファイルを読み込めませんでした。";
inline constexpr const char* kSaveFailed = "ファイルを保存できませんでした。";
inline constexpr const char* kHtmlSaveFailed = "HTMLファイルを保存できませんでした。";
inline constexpr const char* kWordDataSaveFailed = "単語データを保存できませんでした。";
inline constexpr const char* kWordDataNotExpressible =
    "単語データの書式で書き表せない発音があります（平文字の c や h を含む発音など）。";

// Why a file could not be read (FileLoadResult::Describe); "%1" and "%2"
// stand for the line, limit or system reason put in.
inline constexpr const char* kFileMissing = "ファイルが存在しません。";
inline constexpr const char* kFileNotRegular = "通常のファイルではありません（フォルダーやデバイスなど）。";
inline constexpr const char* kFileTooLarge = "ファイルが大きすぎます（上限 %1 バイト）。";
inline constexpr const char* kFileCannotRead = "ファイルを読み取れません（%1）。";
inline constexpr const char* kFileNotUtf8 = "UTF-8 のテキストではありません（%1 行目）。";
inline constexpr const char* kFileLineTooLong = "%1 行目が %2 文字を超えています。";
inline constexpr const char* kFileTooManyLines = "行数が上限の %1 行を超えています。";
inline constexpr const char* kFileSyntax = "%1 行目の書式が正しくありません。";

} // namespace velmora::texts
