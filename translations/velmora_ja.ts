<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>velmora::CAboutDialog</name>
    <message>
        <source>バージョン情報 Velmora</source>
        <translation>バージョン情報 Velmora</translation>
    </message>
    <message>
        <source>Velmora, Version 1.5</source>
        <translation>Velmora, Version 1.5</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Velmora developers</source>
        <translation>Copyright (C) 2026 The Velmora developers</translation>
    </message>
    <message>
        <source>An editor for Akkadian cuneiform texts</source>
        <translation>An editor for Akkadian cuneiform texts</translation>
    </message>
</context>
<context>
    <name>velmora::CSignInfoWindow</name>
    <message>
        <source>Sign Information</source>
        <translation>Sign Information</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typed as</source>
        <translation>Typed as</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Names</translation>
    </message>
</context>
<context>
    <name>velmora::CSignListWindow</name>
    <message>
        <source>Sign List</source>
        <translation>Sign List</translation>
    </message>
    <message>
        <source>Reading, name or code point: du3, KAK, U+12195</source>
        <translation>読み・名前・コードポイント（du3、KAK、U+12195）</translation>
    </message>
    <message>
        <source>At Cursor</source>
        <translation>At Cursor</translation>
    </message>
    <message>
        <source>Shows the sign before the cursor in the list</source>
        <translation>カーソルの前の楔形文字を一覧で表示します。</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Code Point</source>
        <translation>Code Point</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
</context>
<context>
    <name>velmora::CToolWindow</name>
    <message>
        <source>Word registration</source>
        <translation>Word registration</translation>
    </message>
    <message>
        <source>Alphabet word</source>
        <translation>Alphabet word</translation>
    </message>
    <message>
        <source>Sign word</source>
        <translation>Sign word</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Document replace</source>
        <translation>Document replace</translation>
    </message>
    <message>
        <source>Find Word</source>
        <translation>Find Word</translation>
    </message>
    <message>
        <source>Replace Word</source>
        <translation>Replace Word</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>Document search</source>
        <translation>Document search</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Search Word</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>velmora::CTypingHelpWindow</name>
    <message>
        <source>Typing Cuneiform</source>
        <translation>Typing Cuneiform</translation>
    </message>
    <message>
        <source>Ctrl+Space switches between &quot;Alphabet&quot; and &quot;Sign&quot;. In &quot;Sign&quot;, type a transliteration (lugal, du3), press Space to see its signs, and Enter to insert the one shown. Whole texts: File &gt; Import ATF….</source>
        <translation>Ctrl+Space で「Alphabet」と「Sign」を切り替えます。「Sign」で発音（lugal、du3）を入力し、Space で楔形文字の候補を表示し、Enter で表示中の候補を挿入します。テキスト全体は File &gt; Import ATF… で読み込めます。</translation>
    </message>
    <message>
        <source>Key (Sign setting)</source>
        <translation>Key (Sign setting)</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Types</translation>
    </message>
    <message>
        <source>a … z</source>
        <translation>a … z</translation>
    </message>
    <message>
        <source>the letter (Caps Lock gives capitals)</source>
        <translation>その文字（Caps Lock で大文字）</translation>
    </message>
    <message>
        <source>š ṣ ṭ ḫ, ā â …, ₀ … ₉ (from a layout, compose key or input method)</source>
        <translation>š ṣ ṭ ḫ、ā â …、₀ … ₉（キー配列、コンポーズキー、入力メソッドから）</translation>
    </message>
    <message>
        <source>themselves</source>
        <translation>その文字</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>š</source>
        <translation>š</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>ḫ</source>
        <translation>ḫ</translation>
    </message>
    <message>
        <source>Shift+s, Shift+t</source>
        <translation>Shift+s, Shift+t</translation>
    </message>
    <message>
        <source>ṣ, ṭ</source>
        <translation>ṣ, ṭ</translation>
    </message>
    <message>
        <source>- after a vowel</source>
        <translation>母音の後の -</translation>
    </message>
    <message>
        <source>the long vowel (a → ā)</source>
        <translation>長母音（a → ā）</translation>
    </message>
    <message>
        <source>^ after a vowel</source>
        <translation>母音の後の ^</translation>
    </message>
    <message>
        <source>the circumflexed vowel (a → â)</source>
        <translation>曲折アクセント付きの母音（a → â）</translation>
    </message>
    <message>
        <source>@ or &apos;</source>
        <translation>@ または &apos;</translation>
    </message>
    <message>
        <source>the apostrophe &apos;</source>
        <translation>アポストロフィ &apos;</translation>
    </message>
    <message>
        <source>any other character</source>
        <translation>その他の文字</translation>
    </message>
    <message>
        <source>refused; the status bar says so</source>
        <translation>受け付けない（ステータスバーに表示）</translation>
    </message>
    <message>
        <source>0 … 9</source>
        <translation>0 … 9</translation>
    </message>
    <message>
        <source>the subscript index digits ₀ … ₉ (du3 → du₃)</source>
        <translation>下付きの番号 ₀ … ₉（du3 → du₃）</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>look the first reading up (du₃ of du₃ma): the first candidate, or the one numbered by the index, is shown; what follows the index waits its turn</source>
        <translation>最初の発音（du₃ma の du₃）を検索し、最初の候補、または番号で指定した候補を表示（番号の後の文字は順番を待つ）</translation>
    </message>
    <message>
        <source>Space / Down, Up</source>
        <translation>Space / Down, Up</translation>
    </message>
    <message>
        <source>the next or previous candidate</source>
        <translation>次の候補、前の候補</translation>
    </message>
    <message>
        <source>Page Down, Page Up</source>
        <translation>Page Down, Page Up</translation>
    </message>
    <message>
        <source>nine candidates on or back (at the last or first, round to the other end)</source>
        <translation>9 個先、9 個前の候補（最後・最初からは反対の端へ）</translation>
    </message>
    <message>
        <source>Enter, or a click</source>
        <translation>Enter、またはクリック</translation>
    </message>
    <message>
        <source>accept the candidate (readings typed after it stay pending: qi2bi2ma is three Space/Enter); before Space: insert the Latin text itself</source>
        <translation>候補を確定（後に続く発音は入力中のまま残る：qi2bi2ma は Space/Enter を 3 回）。Space の前ならラテン文字のまま挿入</translation>
    </message>
    <message>
        <source>a letter while a candidate is shown</source>
        <translation>候補の表示中に文字</translation>
    </message>
    <message>
        <source>accept the candidate and go on typing</source>
        <translation>候補を確定して入力を続ける</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>take back the last pending keystroke (then, with nothing pending, undo)</source>
        <translation>入力中の最後のキーを取り消す（入力中の文字がなければ元に戻す）</translation>
    </message>
    <message>
        <source>a click on a row of the candidate list</source>
        <translation>候補一覧の行をクリック</translation>
    </message>
    <message>
        <source>accept that candidate</source>
        <translation>その候補を確定</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>from the candidates back to the transliteration; else delete its last character</source>
        <translation>候補から発音の入力に戻る（それ以外は最後の文字を削除）</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>drop the candidates and the transliteration</source>
        <translation>候補と発音を取り消す</translation>
    </message>
</context>
<context>
    <name>velmora::texts</name>
    <message>
        <source>エラー</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>失敗</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>検索終了</source>
        <translation>検索終了</translation>
    </message>
    <message>
        <source>違う形式のデータです。</source>
        <translation>違う形式のデータです。</translation>
    </message>
    <message>
        <source>最大行数を超えているためペーストできません。</source>
        <translation>最大行数を超えているためペーストできません。</translation>
    </message>
    <message>
        <source>行の最大文字数を超えるためペーストできません。</source>
        <translation>行の最大文字数を超えるためペーストできません。</translation>
    </message>
    <message>
        <source>最大行数を超えるため入力できません。</source>
        <translation>最大行数を超えるため入力できません。</translation>
    </message>
    <message>
        <source>行の最大文字数を超えるため入力できません。</source>
        <translation>行の最大文字数を超えるため入力できません。</translation>
    </message>
    <message>
        <source>行の最大文字数を超えるため削除できません。</source>
        <translation>行の最大文字数を超えるため削除できません。</translation>
    </message>
    <message>
        <source>置換すると行の最大文字数を超えるため置換できません。</source>
        <translation>置換すると行の最大文字数を超えるため置換できません。</translation>
    </message>
    <message>
        <source>%1 個置換しました。</source>
        <translation>%1 個置換しました。</translation>
    </message>
    <message>
        <source>発音記号が入力されていません。</source>
        <translation>発音記号が入力されていません。</translation>
    </message>
    <message>
        <source>発音入力には発音記号を用いてください。</source>
        <translation>発音入力には発音記号を用いてください。</translation>
    </message>
    <message>
        <source>変換文字が入力されていません。</source>
        <translation>変換文字が入力されていません。</translation>
    </message>
    <message>
        <source>文字変換ファイルが開けません。</source>
        <translation>文字変換ファイルが開けません。</translation>
    </message>
    <message>
        <source>ファイル構文エラーです。
文字変換ファイル読み取りに失敗しました。</source>
        <translation>ファイル構文エラーです。
文字変換ファイル読み取りに失敗しました。</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした。変更した設定は次回の起動に引き継がれません。</source>
        <translation>設定ファイルに書き込めませんでした。変更した設定は次回の起動に引き継がれません。</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。既定の設定を使います。</source>
        <translation>設定ファイルを読み込めません。既定の設定を使います。</translation>
    </message>
    <message>
        <source>ドキュメントは変更されています。保存しますか？</source>
        <translation>ドキュメントは変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>文字変換データは変更されています。保存しますか？</source>
        <translation>文字変換データは変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>前回保存されなかった変更があります。復元しますか？</source>
        <translation>前回保存されなかった変更があります。復元しますか？</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>復元する</source>
        <translation>復元する</translation>
    </message>
    <message>
        <source>破棄する</source>
        <translation>破棄する</translation>
    </message>
    <message>
        <source>後で</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>ファイル: %1
最終変更: %2</source>
        <translation>ファイル: %1
最終変更: %2</translation>
    </message>
    <message>
        <source>復元用のコピーを読み込めませんでした。コピーは残してあります。</source>
        <translation>復元用のコピーを読み込めませんでした。コピーは残してあります。</translation>
    </message>
    <message>
        <source>復元用のコピーの最後の変更を読み込めませんでした。それより前の内容を復元しました。</source>
        <translation>復元用のコピーの最後の変更を読み込めませんでした。それより前の内容を復元しました。</translation>
    </message>
    <message>
        <source>復元用のコピーを書けません。未保存の変更は保護されていません。</source>
        <translation>復元用のコピーを書けません。未保存の変更は保護されていません。</translation>
    </message>
    <message>
        <source>上書きの前に復元用のコピーを書けなかったため、ファイルを変更しませんでした。</source>
        <translation>上書きの前に復元用のコピーを書けなかったため、ファイルを変更しませんでした。</translation>
    </message>
    <message>
        <source>ファイルを読み込めませんでした。</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>HTMLファイルを保存できませんでした。</source>
        <translation>HTMLファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>単語データを保存できませんでした。</source>
        <translation>単語データを保存できませんでした。</translation>
    </message>
    <message>
        <source>単語データの書式で書き表せない発音があります（平文字の c や h を含む発音など）。</source>
        <translation>単語データの書式で書き表せない発音があります（平文字の c や h を含む発音など）。</translation>
    </message>
    <message>
        <source>ファイルが存在しません。</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>通常のファイルではありません（フォルダーやデバイスなど）。</source>
        <translation>通常のファイルではありません（フォルダーやデバイスなど）。</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（上限 %1 バイト）。</source>
        <translation>ファイルが大きすぎます（上限 %1 バイト）。</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません。</source>
        <translation>ファイル名が正しくありません。</translation>
    </message>
    <message>
        <source>ファイルに書き込めません（%1）。</source>
        <translation>ファイルに書き込めません（%1）。</translation>
    </message>
    <message>
        <source>ファイルを読み取れません（%1）。</source>
        <translation>ファイルを読み取れません（%1）。</translation>
    </message>
    <message>
        <source>UTF-8 のテキストではありません（%1 行目）。</source>
        <translation>UTF-8 のテキストではありません（%1 行目）。</translation>
    </message>
    <message>
        <source>%1 行目が %2 文字を超えています。</source>
        <translation>%1 行目が %2 文字を超えています。</translation>
    </message>
    <message>
        <source>行数が上限の %1 行を超えています。</source>
        <translation>行数が上限の %1 行を超えています。</translation>
    </message>
    <message>
        <source>%1 行目の書式が正しくありません。</source>
        <translation>%1 行目の書式が正しくありません。</translation>
    </message>
    <message>
        <source>内部エラーが発生しました。ドキュメントは保持されています。</source>
        <translation>内部エラーが発生しました。ドキュメントは保持されています。</translation>
    </message>
    <message>
        <source>テキストを開く</source>
        <translation>テキストを開く</translation>
    </message>
    <message>
        <source>名前を付けてテキストを保存</source>
        <translation>名前を付けてテキストを保存</translation>
    </message>
    <message>
        <source>名前を付けてHTML形式で保存</source>
        <translation>名前を付けてHTML形式で保存</translation>
    </message>
    <message>
        <source>単語データを開く</source>
        <translation>単語データを開く</translation>
    </message>
    <message>
        <source>名前を付けてデータを保存</source>
        <translation>名前を付けてデータを保存</translation>
    </message>
    <message>
        <source>text(*.txt)</source>
        <translation>text(*.txt)</translation>
    </message>
    <message>
        <source>html(*.html)</source>
        <translation>html(*.html)</translation>
    </message>
    <message>
        <source>cfdファイル(*.cfd)</source>
        <translation>cfdファイル(*.cfd)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>All files(*.*)</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>line: %1</source>
        <translation>line: %1</translation>
    </message>
    <message>
        <source>column: %1</source>
        <translation>column: %1</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>Setting(&amp;V)</source>
        <translation>Setting(&amp;V)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>Exit(&amp;X)</translation>
    </message>
    <message>
        <source>About(&amp;A)...</source>
        <translation>About(&amp;A)...</translation>
    </message>
    <message>
        <source>no sign for %1</source>
        <translation>no sign for %1</translation>
    </message>
    <message>
        <source>no %1: %2</source>
        <translation>no %1: %2</translation>
    </message>
    <message>
        <source>発音入力は %1 文字までです</source>
        <translation>発音入力は %1 文字までです</translation>
    </message>
    <message>
        <source>「%1」は発音入力に使えません</source>
        <translation>「%1」は発音入力に使えません</translation>
    </message>
    <message>
        <source>先に Enter で確定するか Esc で取り消してください</source>
        <translation>先に Enter で確定するか Esc で取り消してください</translation>
    </message>
    <message>
        <source>変換すると行の最大文字数を超えるため変換できません。</source>
        <translation>変換すると行の最大文字数を超えるため変換できません。</translation>
    </message>
    <message>
        <source>%1 個の読みを変換できませんでした。</source>
        <translation>%1 個の読みを変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 行は行番号がないため変換しませんでした。</source>
        <translation>%1 行は行番号がないため変換しませんでした。</translation>
    </message>
    <message>
        <source>行番号（1. など）で始まるテキスト行がありません。</source>
        <translation>行番号（1. など）で始まるテキスト行がありません。</translation>
    </message>
    <message>
        <source>ATFファイルを読み込めませんでした。</source>
        <translation>ATFファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>インポート元の ATF ファイルには保存できません。別の名前を指定してください。</source>
        <translation>インポート元の ATF ファイルには保存できません。別の名前を指定してください。</translation>
    </message>
    <message>
        <source>ATFをインポート</source>
        <translation>ATFをインポート</translation>
    </message>
    <message>
        <source>ATF(*.atf;*.txt)</source>
        <translation>ATF(*.atf;*.txt)</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>行数が上限の %1 行に達しているため改行できません。</source>
        <translation>行数が上限の %1 行に達しているため改行できません。</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>ほか %1 個</source>
        <translation>ほか %1 個</translation>
    </message>
    <message>
        <source>「%1」は見つかりませんでした。</source>
        <translation>「%1」は見つかりませんでした。</translation>
    </message>
    <message>
        <source>search wrapped</source>
        <translation>search wrapped</translation>
    </message>
    <message>
        <source>registered %1 %2</source>
        <translation>registered %1 %2</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Edit(&amp;E)</translation>
    </message>
    <message>
        <source>Word(&amp;W)</source>
        <translation>Word(&amp;W)</translation>
    </message>
    <message>
        <source>New File(&amp;N)</source>
        <translation>New File(&amp;N)</translation>
    </message>
    <message>
        <source>Open…(&amp;O)</source>
        <translation>Open…(&amp;O)</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Recent Files(&amp;R)</translation>
    </message>
    <message>
        <source>Clear(&amp;C)</source>
        <translation>Clear(&amp;C)</translation>
    </message>
    <message>
        <source>Save As…(&amp;A)</source>
        <translation>Save As…(&amp;A)</translation>
    </message>
    <message>
        <source>Save HTML…(&amp;H)</source>
        <translation>Save HTML…(&amp;H)</translation>
    </message>
    <message>
        <source>Import ATF…(&amp;I)</source>
        <translation>Import ATF…(&amp;I)</translation>
    </message>
    <message>
        <source>Load Worddata…(&amp;L)</source>
        <translation>Load Worddata…(&amp;L)</translation>
    </message>
    <message>
        <source>Save Worddata…(&amp;W)</source>
        <translation>Save Worddata…(&amp;W)</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>Undo(&amp;U)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>Redo(&amp;R)</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>Cut(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>Copy(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Paste(&amp;P)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>Delete(&amp;D)</translation>
    </message>
    <message>
        <source>Select All(&amp;A)</source>
        <translation>Select All(&amp;A)</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>Find(&amp;F)</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Find Next(&amp;N)</translation>
    </message>
    <message>
        <source>Find Previous(&amp;V)</source>
        <translation>Find Previous(&amp;V)</translation>
    </message>
    <message>
        <source>Replace(&amp;E)</source>
        <translation>Replace(&amp;E)</translation>
    </message>
    <message>
        <source>Convert Transliteration(&amp;O)</source>
        <translation>Convert Transliteration(&amp;O)</translation>
    </message>
    <message>
        <source>Word Registration(&amp;R)</source>
        <translation>Word Registration(&amp;R)</translation>
    </message>
    <message>
        <source>Font…(&amp;F)</source>
        <translation>Font…(&amp;F)</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>Zoom In(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>Zoom Out(&amp;O)</translation>
    </message>
    <message>
        <source>Reset Zoom(&amp;Z)</source>
        <translation>Reset Zoom(&amp;Z)</translation>
    </message>
    <message>
        <source>Sign Input(&amp;S)</source>
        <translation>Sign Input(&amp;S)</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>日本語 (Japanese)(&amp;J)</source>
        <translation>日本語 (Japanese)(&amp;J)</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>English(&amp;E)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>楔形文字を1つ選択するか、楔形文字の後ろにカーソルを置いてください。</source>
        <translation>楔形文字を1つ選択するか、楔形文字の後ろにカーソルを置いてください。</translation>
    </message>
    <message>
        <source>ATFファイルを保存できませんでした。</source>
        <translation>ATFファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>名前を付けてATF形式で保存</source>
        <translation>名前を付けてATF形式で保存</translation>
    </message>
    <message>
        <source>ATF(*.atf)</source>
        <translation>ATF(*.atf)</translation>
    </message>
    <message>
        <source>typed as %1</source>
        <translation>typed as %1</translation>
    </message>
    <message>
        <source>Export ATF…(&amp;E)</source>
        <translation>Export ATF…(&amp;E)</translation>
    </message>
    <message>
        <source>Save HTML with Transliteration…(&amp;T)</source>
        <translation>Save HTML with Transliteration…(&amp;T)</translation>
    </message>
    <message>
        <source>Sign Information(&amp;I)</source>
        <translation>Sign Information(&amp;I)</translation>
    </message>
    <message>
        <source>Sign List(&amp;L)</source>
        <translation>Sign List(&amp;L)</translation>
    </message>
    <message>
        <source>楔形文字を入力するには、Ctrl+Space で「Sign」に切り替え、lugal と入力して Space、Enter を押します。
ATF のテキスト全体は File &gt; Import ATF… で読み込めます。
キーの一覧: Help &gt; Typing Cuneiform</source>
        <translation>楔形文字を入力するには、Ctrl+Space で「Sign」に切り替え、lugal と入力して Space、Enter を押します。
ATF のテキスト全体は File &gt; Import ATF… で読み込めます。
キーの一覧: Help &gt; Typing Cuneiform</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。</source>
        <translation>PDFファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>印刷できませんでした。</translation>
    </message>
    <message>
        <source>名前を付けてPDF形式で保存</source>
        <translation>名前を付けてPDF形式で保存</translation>
    </message>
    <message>
        <source>PDF(*.pdf)</source>
        <translation>PDF(*.pdf)</translation>
    </message>
    <message>
        <source>Typing Cuneiform(&amp;T)</source>
        <translation>Typing Cuneiform(&amp;T)</translation>
    </message>
    <message>
        <source>Print…(&amp;P)</source>
        <translation>Print…(&amp;P)</translation>
    </message>
    <message>
        <source>Print Preview…(&amp;V)</source>
        <translation>Print Preview…(&amp;V)</translation>
    </message>
    <message>
        <source>Export PDF…(&amp;D)</source>
        <translation>Export PDF…(&amp;D)</translation>
    </message>
</context>
</TS>
