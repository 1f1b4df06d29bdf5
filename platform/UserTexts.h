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

// Search and replace.
inline constexpr const char* kSearchedToEnd = "ドキュメント末尾まで検索しました。";
inline constexpr const char* kSearchedToBeginning = "ドキュメント先頭まで検索しました。";
inline constexpr const char* kReplacementTooLong = "置換すると行の最大文字数を超えるため置換できません。";
// Followed by kReplacedCountSuffix: "3 個置換しました。".
inline constexpr const char* kReplacedCountSuffix = " 個置換しました。";

} // namespace velmora::texts
