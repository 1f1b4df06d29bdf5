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
// "UTF-8 のテキストではありません（" N " 行目）。"
inline constexpr const char* kAtfNotUtf8Prefix = "UTF-8 のテキストではありません（";
inline constexpr const char* kAtfNotUtf8Suffix = " 行目）。";
// "テキスト行が上限の " N " 行を超えています。"
inline constexpr const char* kAtfTooManyLinesPrefix = "テキスト行が上限の ";
inline constexpr const char* kAtfTooManyLinesSuffix = " 行を超えています。";
// N " 行目が " M " 文字を超えています。"
inline constexpr const char* kAtfLineTooLongMiddle = " 行目が ";
inline constexpr const char* kAtfLineTooLongSuffix = " 文字を超えています。";

// Search and replace.
inline constexpr const char* kSearchedToEnd = "ドキュメント末尾まで検索しました。";
inline constexpr const char* kSearchedToBeginning = "ドキュメント先頭まで検索しました。";
inline constexpr const char* kReplacementTooLong = "置換すると行の最大文字数を超えるため置換できません。";
// Followed by kReplacedCountSuffix: "3 個置換しました。".
inline constexpr const char* kReplacedCountSuffix = " 個置換しました。";

} // namespace velmora::texts
