#pragma once

#include <QDialog>

#include <span>

class QLabel;
class QTableWidget;

namespace velmora {

// One row of the key table: the keys, and what they type or do in the
// "Sign" setting.
struct TypingKey {
    const char* keys;
    const char* does;
};

inline constexpr const char* kTypingHelpCaption =
    QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Typing Cuneiform");
inline constexpr const char* kTypingHelpIntro = QT_TRANSLATE_NOOP(
    "velmora::CTypingHelpWindow",
    "Ctrl+Space switches between \"Alphabet\" and \"Sign\". In \"Sign\", type a transliteration "
    "(lugal, du3), press Space to see its signs, and Enter to insert the one shown. Whole texts: "
    "File > Import ATF….");
inline constexpr const char* kTypingHelpKeyColumn =
    QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Key (Sign setting)");
inline constexpr const char* kTypingHelpTypesColumn =
    QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Types");

// The key table of the README's "Typing" section, row for row.
// clang-format off
inline constexpr TypingKey kSignSettingKeys[] = {
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "a … z"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the letter (Caps Lock gives capitals)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "š ṣ ṭ ḫ, ā â …, ₀ … ₉ (from a layout, compose key or input method)"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "themselves")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "c"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "š")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "h"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "ḫ")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Shift+s, Shift+t"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "ṣ, ṭ")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "- after a vowel"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the long vowel (a → ā)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "^ after a vowel"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the circumflexed vowel (a → â)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "@ or '"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the apostrophe '")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "any other character"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "refused; the status bar says so")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "0 … 9"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the subscript index digits ₀ … ₉ (du3 → du₃)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Space"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "look the first reading up (du₃ of du₃ma): the first candidate, or the one numbered by the index, is shown; what follows the index waits its turn")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Space / Down, Up"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "the next or previous candidate")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Page Down, Page Up"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "nine candidates on or back (at the last or first, round to the other end)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Enter, or a click"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "accept the candidate (readings typed after it stay pending: qi2bi2ma is three Space/Enter); before Space: insert the Latin text itself")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "a letter while a candidate is shown"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "accept the candidate and go on typing")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Ctrl+Z"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "take back the last pending keystroke (then, with nothing pending, undo)")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "a click on a row of the candidate list"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "accept that candidate")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Backspace"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "from the candidates back to the transliteration; else delete its last character")},
    {QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "Escape"), QT_TRANSLATE_NOOP("velmora::CTypingHelpWindow", "drop the candidates and the transliteration")},
};
// clang-format on

// Help > "Typing Cuneiform": a small window with how to switch to "Sign"
// and the table of the keys that type a transliteration and choose its
// sign. Not modal; Escape and Close hide it.
class CTypingHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit CTypingHelpWindow(QWidget* parent = nullptr);

    static std::span<const TypingKey> Keys() { return kSignSettingKeys; }
    QTableWidget* table() const { return table_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* intro_;
    QTableWidget* table_;
};

} // namespace velmora
