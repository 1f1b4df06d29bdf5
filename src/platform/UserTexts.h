#pragma once

// Every text the editing core shows the user: messages and their captions,
// the menu, the status bar and the file dialogs. Each constant is the text
// in the program's first language (Japanese messages, English menus) and is
// also the key under which its translations are found: callers show it
// through Tr() (platform/TextTranslator.h), never as it stands. "%1" and
// "%2" stand for the values put in by Fill().

// Marks a text for the translation catalogue (the catalogue tools look for
// it); it is the text itself.
#define VELMORA_TEXT(text) text

namespace velmora::texts {

inline constexpr const char* kErrorCaption = VELMORA_TEXT("エラー");
inline constexpr const char* kConfirmCaption = VELMORA_TEXT("確認");
inline constexpr const char* kFailureCaption = VELMORA_TEXT("失敗");
inline constexpr const char* kSearchFinishedCaption = VELMORA_TEXT("検索終了");
// Messages that only inform (a count, what an import left out).
inline constexpr const char* kInformationCaption = VELMORA_TEXT("Velmora");

// Clipboard.
inline constexpr const char* kNotUnicodeText = VELMORA_TEXT("違う形式のデータです。");
inline constexpr const char* kTooManyLinesToPaste =
    VELMORA_TEXT("最大行数を超えているためペーストできません。");
inline constexpr const char* kLineTooLongToPaste =
    VELMORA_TEXT("行の最大文字数を超えるためペーストできません。");

// Editing.
inline constexpr const char* kTooManyLinesToInput = VELMORA_TEXT("最大行数を超えるため入力できません。");
// Enter in a document that has as many lines as it may (%1).
inline constexpr const char* kLineLimitReached =
    VELMORA_TEXT("行数が上限の %1 行に達しているため改行できません。");
inline constexpr const char* kLineTooLongToInput = VELMORA_TEXT("行の最大文字数を超えるため入力できません。");
inline constexpr const char* kLineTooLongToDelete =
    VELMORA_TEXT("行の最大文字数を超えるため削除できません。");

// The status bar while a transliteration is looked up: "no sign for xyz"
// (%1: the transliteration) after a lookup that found nothing; "no du₉₉:
// du 1/9" (%1: the reading typed, %2: the candidate taken and its place)
// when the typed index was not found and another reading was taken.
inline constexpr const char* kNoSignFor = VELMORA_TEXT("no sign for %1");
inline constexpr const char* kNoReadingTaken = VELMORA_TEXT("no %1: %2");
// A key refused while a transliteration is typed: the pending text is full
// (%1: the most characters it holds); a character that has no place in a
// transliteration (%1: the character); a command that would change the
// document or the selection underneath the pending text.
inline constexpr const char* kPendingFull = VELMORA_TEXT("発音入力は %1 文字までです");
inline constexpr const char* kNotInTransliteration = VELMORA_TEXT("「%1」は発音入力に使えません");
inline constexpr const char* kFinishPendingFirst =
    VELMORA_TEXT("先に Enter で確定するか Esc で取り消してください");

// Converting transliterations (Convert Transliteration, Import ATF).
inline constexpr const char* kLineTooLongToConvert =
    VELMORA_TEXT("変換すると行の最大文字数を超えるため変換できません。");
// %1: how many readings stayed in Latin.
inline constexpr const char* kKeptLatinCount = VELMORA_TEXT("%1 個の読みを変換できませんでした。");
// One of them (%1: its line, %2: the reading), and how many more are not
// listed (%1).
inline constexpr const char* kKeptLatinAt = VELMORA_TEXT("%1 行目: %2");
inline constexpr const char* kKeptLatinMore = VELMORA_TEXT("ほか %1 個");
// %1: how many lines had no line label.
inline constexpr const char* kUnlabelledCount = VELMORA_TEXT("%1 行は行番号がないため変換しませんでした。");
// Why an ATF file gave no document.
inline constexpr const char* kAtfNoTextLines =
    VELMORA_TEXT("行番号（1. など）で始まるテキスト行がありません。");
// Import ATF failed (followed by the file and the reason).
inline constexpr const char* kImportFailed = VELMORA_TEXT("ATFファイルを読み込めませんでした。");
// A document imported from an ATF file is not saved over that file.
inline constexpr const char* kImportSourceNotSaved =
    VELMORA_TEXT("インポート元の ATF ファイルには保存できません。別の名前を指定してください。");

// Sign Information found no sign to tell about.
// Shown in an empty new document until something is typed.
inline constexpr const char* kEmptyDocumentHint = VELMORA_TEXT(
    "楔形文字を入力するには、Ctrl+Space で「Sign」に切り替え、lugal と入力して Space、Enter を押します。\n"
    "ATF のテキスト全体は File > Import ATF… で読み込めます。\n"
    "キーの一覧: Help > Typing Cuneiform");
inline constexpr const char* kNoSignChosen =
    VELMORA_TEXT("楔形文字を1つ選択するか、楔形文字の後ろにカーソルを置いてください。");

// Search and replace.
// %1: the search word.
inline constexpr const char* kWordNotFound = VELMORA_TEXT("「%1」は見つかりませんでした。");
// The status bar after Find Next, Find Previous or Replace went round the
// end (or beginning) of the document.
inline constexpr const char* kSearchWrapped = VELMORA_TEXT("search wrapped");
inline constexpr const char* kReplacementTooLong =
    VELMORA_TEXT("置換すると行の最大文字数を超えるため置換できません。");
// %1: how many.
inline constexpr const char* kReplacedCount = VELMORA_TEXT("%1 個置換しました。");

// Word registration.
inline constexpr const char* kNoPhoneticSymbols = VELMORA_TEXT("発音記号が入力されていません。");
inline constexpr const char* kUsePhoneticSymbols = VELMORA_TEXT("発音入力には発音記号を用いてください。");
inline constexpr const char* kNoConversionCharacters = VELMORA_TEXT("変換文字が入力されていません。");
// Shown in the registration window after a word was added; %1: the
// transliteration, %2: its signs.
inline constexpr const char* kRegisteredWord = VELMORA_TEXT("registered %1 %2");

// Start-up and "Load Worddata": the sign data file could not be used
// (followed by the file and what happened).
inline constexpr const char* kCannotOpenWordData = VELMORA_TEXT("文字変換ファイルが開けません。");
inline constexpr const char* kWordDataSyntaxError =
    VELMORA_TEXT("ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。");
// The settings file is there but cannot be read; the defaults are used.
inline constexpr const char* kSettingsNotWritten =
    VELMORA_TEXT("設定ファイルに書き込めませんでした。変更した設定は次回の起動に引き継がれません。");
inline constexpr const char* kSettingsUnreadable =
    VELMORA_TEXT("設定ファイルを読み込めません。既定の設定を使います。");

// Questions before unsaved work would be lost, and after a run that lost it.
inline constexpr const char* kSaveChangesQuestion =
    VELMORA_TEXT("ドキュメントは変更されています。保存しますか？");
inline constexpr const char* kSaveDictionaryQuestion =
    VELMORA_TEXT("文字変換データは変更されています。保存しますか？");
inline constexpr const char* kRestoreQuestion =
    VELMORA_TEXT("前回保存されなかった変更があります。復元しますか？");
// The answers to these questions.
inline constexpr const char* kSaveAnswer = VELMORA_TEXT("保存");
inline constexpr const char* kDiscardAnswer = VELMORA_TEXT("保存しない");
inline constexpr const char* kCancelAnswer = VELMORA_TEXT("キャンセル");
inline constexpr const char* kRestoreAnswer = VELMORA_TEXT("復元する");
inline constexpr const char* kDiscardCopyAnswer = VELMORA_TEXT("破棄する");
inline constexpr const char* kLaterAnswer = VELMORA_TEXT("後で");
// Under the question: the copy's file (%1) and when it last changed (%2).
inline constexpr const char* kRestoreCopyDetails = VELMORA_TEXT("ファイル: %1\n最終変更: %2");
// A recovery copy that cannot be read (followed by its path and the reason).
inline constexpr const char* kRecoveryUnreadable =
    VELMORA_TEXT("復元用のコピーを読み込めませんでした。コピーは残してあります。");
// A copy whose last records are damaged or cut: the text before them.
inline constexpr const char* kRecoveryLastChangesLost =
    VELMORA_TEXT("復元用のコピーの最後の変更を読み込めませんでした。それより前の内容を復元しました。");
// Status bar, while the recovery copy cannot be written.
inline constexpr const char* kRecoveryNotProtected =
    VELMORA_TEXT("復元用のコピーを書けません。未保存の変更は保護されていません。");
// A file that must be overwritten in place is not, unless its new text is
// in the recovery copy first.
inline constexpr const char* kInPlaceSaveUnprotected =
    VELMORA_TEXT("上書きの前に復元用のコピーを書けなかったため、ファイルを変更しませんでした。");

// The file commands failed (followed by the file and the reason).
inline constexpr const char* kOpenFailed = VELMORA_TEXT("ファイルを読み込めませんでした。");
inline constexpr const char* kSaveFailed = VELMORA_TEXT("ファイルを保存できませんでした。");
inline constexpr const char* kHtmlSaveFailed = VELMORA_TEXT("HTMLファイルを保存できませんでした。");
inline constexpr const char* kAtfSaveFailed = VELMORA_TEXT("ATFファイルを保存できませんでした。");
inline constexpr const char* kPdfSaveFailed = VELMORA_TEXT("PDFファイルを保存できませんでした。");
inline constexpr const char* kPrintFailed = VELMORA_TEXT("印刷できませんでした。");
inline constexpr const char* kWordDataSaveFailed = VELMORA_TEXT("単語データを保存できませんでした。");
inline constexpr const char* kWordDataNotExpressible =
    VELMORA_TEXT("単語データの書式で書き表せない発音があります（平文字の c や h を含む発音など）。");

// Why a file could not be read (FileLoadResult::Describe); %1 and %2 are
// the line, limit or system reason.
inline constexpr const char* kFileMissing = VELMORA_TEXT("ファイルが存在しません。");
inline constexpr const char* kFileNotRegular =
    VELMORA_TEXT("通常のファイルではありません（フォルダーやデバイスなど）。");
inline constexpr const char* kFileBadName = VELMORA_TEXT("ファイル名が正しくありません。");
inline constexpr const char* kFileCannotWrite = VELMORA_TEXT("ファイルに書き込めません（%1）。");
inline constexpr const char* kFileTooLarge = VELMORA_TEXT("ファイルが大きすぎます（上限 %1 バイト）。");
inline constexpr const char* kFileCannotRead = VELMORA_TEXT("ファイルを読み取れません（%1）。");
inline constexpr const char* kFileNotUtf8 = VELMORA_TEXT("UTF-8 のテキストではありません（%1 行目）。");
inline constexpr const char* kFileLineTooLong = VELMORA_TEXT("%1 行目が %2 文字を超えています。");
inline constexpr const char* kFileTooManyLines = VELMORA_TEXT("行数が上限の %1 行を超えています。");
inline constexpr const char* kFileSyntax = VELMORA_TEXT("%1 行目の書式が正しくありません。");

// An event could not be handled; the program goes on.
inline constexpr const char* kInternalError =
    VELMORA_TEXT("内部エラーが発生しました。ドキュメントは保持されています。");

// The file dialogs: titles and the descriptions of the file types.
inline constexpr const char* kOpenTextTitle = VELMORA_TEXT("テキストを開く");
inline constexpr const char* kSaveTextTitle = VELMORA_TEXT("名前を付けてテキストを保存");
inline constexpr const char* kSaveHtmlTitle = VELMORA_TEXT("名前を付けてHTML形式で保存");
inline constexpr const char* kOpenWordDataTitle = VELMORA_TEXT("単語データを開く");
inline constexpr const char* kSaveWordDataTitle = VELMORA_TEXT("名前を付けてデータを保存");
inline constexpr const char* kTextFiles = VELMORA_TEXT("text(*.txt)");
inline constexpr const char* kHtmlFiles = VELMORA_TEXT("html(*.html)");
inline constexpr const char* kWordDataFiles = VELMORA_TEXT("cfdファイル(*.cfd)");
inline constexpr const char* kAllFiles = VELMORA_TEXT("All files(*.*)");
inline constexpr const char* kImportAtfTitle = VELMORA_TEXT("ATFをインポート");
inline constexpr const char* kAtfFiles = VELMORA_TEXT("ATF(*.atf;*.txt)");
inline constexpr const char* kExportAtfTitle = VELMORA_TEXT("名前を付けてATF形式で保存");
inline constexpr const char* kExportPdfTitle = VELMORA_TEXT("名前を付けてPDF形式で保存");
inline constexpr const char* kAtfSaveFiles = VELMORA_TEXT("ATF(*.atf)");
inline constexpr const char* kPdfFiles = VELMORA_TEXT("PDF(*.pdf)");
// The font dialog's title.
inline constexpr const char* kFontDialogTitle = VELMORA_TEXT("Font");

// The status bar: the input setting, the cursor's line and column (counted
// from 1, as the messages count lines).
inline constexpr const char* kAlphabetSetting = VELMORA_TEXT("Alphabet");
inline constexpr const char* kSignSetting = VELMORA_TEXT("Sign");
inline constexpr const char* kStatusLine = VELMORA_TEXT("line: %1");
inline constexpr const char* kStatusColumn = VELMORA_TEXT("column: %1");
// The sign before the cursor, in the status bar and its tooltip: the
// reading it was typed or converted from (%1).
inline constexpr const char* kTypedAs = VELMORA_TEXT("typed as %1");

// The main menu; "&" marks the letter that selects an item with Alt (every
// item has one, unique in its menu), "…" an item that asks for more first.
inline constexpr const char* kFileMenu = VELMORA_TEXT("File(&F)");
inline constexpr const char* kEditMenu = VELMORA_TEXT("Edit(&E)");
inline constexpr const char* kWordMenu = VELMORA_TEXT("Word(&W)");
inline constexpr const char* kSettingMenu = VELMORA_TEXT("Setting(&V)");
inline constexpr const char* kHelpMenu = VELMORA_TEXT("Help(&H)");
inline constexpr const char* kNewFileItem = VELMORA_TEXT("New File(&N)");
inline constexpr const char* kOpenItem = VELMORA_TEXT("Open…(&O)");
inline constexpr const char* kRecentFilesItem = VELMORA_TEXT("Recent Files(&R)");
inline constexpr const char* kClearRecentFilesItem = VELMORA_TEXT("Clear(&C)");
inline constexpr const char* kSaveItem = VELMORA_TEXT("Save(&S)");
inline constexpr const char* kSaveAsItem = VELMORA_TEXT("Save As…(&A)");
inline constexpr const char* kSaveHtmlItem = VELMORA_TEXT("Save HTML…(&H)");
inline constexpr const char* kImportAtfItem = VELMORA_TEXT("Import ATF…(&I)");
inline constexpr const char* kExportAtfItem = VELMORA_TEXT("Export ATF…(&E)");
inline constexpr const char* kSaveHtmlTransliterationItem =
    VELMORA_TEXT("Save HTML with Transliteration…(&T)");
inline constexpr const char* kLoadWorddataItem = VELMORA_TEXT("Load Worddata…(&L)");
inline constexpr const char* kSaveWorddataItem = VELMORA_TEXT("Save Worddata…(&W)");
inline constexpr const char* kExitItem = VELMORA_TEXT("Exit(&X)");
inline constexpr const char* kUndoItem = VELMORA_TEXT("Undo(&U)");
inline constexpr const char* kRedoItem = VELMORA_TEXT("Redo(&R)");
inline constexpr const char* kCutLineItem = VELMORA_TEXT("Cut(&T)");
inline constexpr const char* kCopyLineItem = VELMORA_TEXT("Copy(&C)");
inline constexpr const char* kPasteLineItem = VELMORA_TEXT("Paste(&P)");
inline constexpr const char* kDeleteLineItem = VELMORA_TEXT("Delete(&D)");
inline constexpr const char* kSelectAllItem = VELMORA_TEXT("Select All(&A)");
inline constexpr const char* kFindItem = VELMORA_TEXT("Find(&F)");
inline constexpr const char* kFindNextItem = VELMORA_TEXT("Find Next(&N)");
inline constexpr const char* kFindPreviousItem = VELMORA_TEXT("Find Previous(&V)");
inline constexpr const char* kReplaceItem = VELMORA_TEXT("Replace(&E)");
inline constexpr const char* kConvertTransliterationItem = VELMORA_TEXT("Convert Transliteration(&O)");
inline constexpr const char* kWordRegistrationItem = VELMORA_TEXT("Word Registration(&R)");
inline constexpr const char* kSignInformationItem = VELMORA_TEXT("Sign Information(&I)");
inline constexpr const char* kSignListItem = VELMORA_TEXT("Sign List(&L)");
inline constexpr const char* kTypingHelpItem = VELMORA_TEXT("Typing Cuneiform(&T)");
inline constexpr const char* kPrintItem = VELMORA_TEXT("Print…(&P)");
inline constexpr const char* kPrintPreviewItem = VELMORA_TEXT("Print Preview…(&V)");
inline constexpr const char* kExportPdfItem = VELMORA_TEXT("Export PDF…(&D)");
inline constexpr const char* kFontItem = VELMORA_TEXT("Font…(&F)");
inline constexpr const char* kZoomInItem = VELMORA_TEXT("Zoom In(&I)");
inline constexpr const char* kZoomOutItem = VELMORA_TEXT("Zoom Out(&O)");
inline constexpr const char* kResetZoomItem = VELMORA_TEXT("Reset Zoom(&Z)");
inline constexpr const char* kSignInputItem = VELMORA_TEXT("Sign Input(&S)");
inline constexpr const char* kLanguageItem = VELMORA_TEXT("Language(&L)");
inline constexpr const char* kAboutItem = VELMORA_TEXT("About(&A)...");
// The items of the "Language" submenu: each language by its own name.
inline constexpr const char* kJapaneseItem = VELMORA_TEXT("日本語 (Japanese)(&J)");
inline constexpr const char* kEnglishItem = VELMORA_TEXT("English(&E)");

} // namespace velmora::texts
