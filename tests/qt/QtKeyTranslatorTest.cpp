#include "qt/QtKeyTranslator.h"

#include "platform/VirtualKeys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmora {
namespace {

using Key = QtKeyTranslator::Key;

std::optional<Key> typed(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool caps = false)
{
    return QtKeyTranslator::translate(key, modifiers, text, caps);
}

// The character the normal mode's Japanese keyboard table gives for a key,
// Shift being inverted while Caps Lock is on. Letters are left out.
std::optional<char16_t> tableCharacter(std::uint32_t virtualKey, bool shift, bool caps)
{
    const bool shifted = shift != caps;
    if (virtualKey >= 0x30 && virtualKey <= 0x39) {
        if (!shifted)
            return char16_t(virtualKey);
        return std::u16string_view(u" !\"#$%&'()")[virtualKey - 0x30];
    }
    const std::u16string_view low = u":*;+,<-=.>/?@`";
    const std::u16string_view high = u"[{\\|]}^~\\|";
    if (virtualKey >= 0xBA && virtualKey <= 0xC0)
        return low[(virtualKey - 0xBA) * 2 + (shifted ? 1 : 0)];
    if (virtualKey >= 0xDB && virtualKey <= 0xDF)
        return high[(virtualKey - 0xDB) * 2 + (shifted ? 1 : 0)];
    return std::nullopt;
}

TEST(QtKeyTranslator, EveryTableCharacterTypesItselfWithAndWithoutCapsLock)
{
    // Whatever key of the user's layout produced the character, the modes
    // must get back that very character.
    const std::u16string characters = u"0123456789!\"#$%&'():*;+,<-=.>/?@`[{\\|]}^~";
    for (const bool caps : {false, true}) {
        for (const char16_t ch : characters) {
            // The Qt key of an ASCII character is its code.
            for (const auto modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
                const auto key = typed(int(ch), modifiers, QString(QChar(ch)), caps);
                ASSERT_TRUE(key) << char(ch);
                EXPECT_EQ(tableCharacter(key->virtualKey, key->shift, caps), ch)
                    << "character " << char(ch) << " caps " << caps;
            }
        }
    }
}

TEST(QtKeyTranslator, InputModeKeysComeFromTheirCharacters)
{
    // A US layout: "@" is Shift+2, "^" Shift+6, "-" unshifted.
    EXPECT_EQ(typed(Qt::Key_At, Qt::ShiftModifier, "@"), (Key{vk::Oem3, false}));
    EXPECT_EQ(typed(Qt::Key_AsciiCircum, Qt::ShiftModifier, "^"), (Key{vk::Oem7, false}));
    EXPECT_EQ(typed(Qt::Key_Minus, Qt::NoModifier, "-"), (Key{vk::OemMinus, false}));
    EXPECT_EQ(typed(Qt::Key_Equal, Qt::NoModifier, "="), (Key{vk::OemMinus, true}));
    EXPECT_EQ(typed(Qt::Key_QuoteDbl, Qt::ShiftModifier, "\""), (Key{0x32, true}));
    // A dead circumflex carries no text but is still the circumflex key.
    EXPECT_EQ(typed(Qt::Key_Dead_Circumflex, Qt::NoModifier, ""), (Key{vk::Oem7, false}));
    // The keypad's minus is the same character.
    EXPECT_EQ(typed(Qt::Key_Minus, Qt::KeypadModifier, "-"), (Key{vk::OemMinus, false}));
}

TEST(QtKeyTranslator, LettersKeepThePhysicalShift)
{
    EXPECT_EQ(typed(Qt::Key_A, Qt::NoModifier, "a"), (Key{0x41, false}));
    EXPECT_EQ(typed(Qt::Key_S, Qt::ShiftModifier, "S"), (Key{0x53, true}));
    // Caps Lock is the modes' business for letters.
    EXPECT_EQ(typed(Qt::Key_Z, Qt::NoModifier, "Z", true), (Key{0x5A, false}));
    EXPECT_EQ(typed(Qt::Key_T, Qt::ShiftModifier, "t", true), (Key{0x54, true}));
}

TEST(QtKeyTranslator, DigitsTypeDigitsOnEveryRowAndLayout)
{
    EXPECT_EQ(typed(Qt::Key_3, Qt::NoModifier, "3"), (Key{0x33, false}));
    EXPECT_EQ(typed(Qt::Key_7, Qt::KeypadModifier, "7"), (Key{0x37, false}));
    // A layout with digits on Shift (AZERTY) still types the digit.
    EXPECT_EQ(typed(Qt::Key_1, Qt::ShiftModifier, "1"), (Key{0x31, false}));
}

TEST(QtKeyTranslator, CtrlTakesTheKeyItself)
{
    EXPECT_EQ(typed(Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03))), (Key{0x43, false}));
    EXPECT_EQ(typed(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(0x1A))),
              (Key{0x5A, true}));
    EXPECT_EQ(typed(Qt::Key_Space, Qt::ControlModifier, " "), (Key{vk::Space, false}));
    EXPECT_EQ(typed(Qt::Key_Return, Qt::ControlModifier, "\r"), (Key{vk::Return, false}));
    EXPECT_EQ(typed(Qt::Key_2, Qt::ControlModifier, ""), (Key{0x32, false}));
}

TEST(QtKeyTranslator, NamedKeysHaveTheirCodes)
{
    const std::pair<int, std::uint32_t> keys[] = {
        {Qt::Key_Backspace, vk::Back},   {Qt::Key_Tab, vk::Tab},       {Qt::Key_Return, vk::Return},
        {Qt::Key_Enter, vk::Return},     {Qt::Key_Shift, vk::Shift},   {Qt::Key_Control, vk::Control},
        {Qt::Key_CapsLock, vk::Capital}, {Qt::Key_Escape, vk::Escape}, {Qt::Key_Space, vk::Space},
        {Qt::Key_Left, vk::Left},        {Qt::Key_Up, vk::Up},         {Qt::Key_Right, vk::Right},
        {Qt::Key_Down, vk::Down},        {Qt::Key_Delete, vk::Delete}, {Qt::Key_Home, vk::Home},
        {Qt::Key_End, vk::End},          {Qt::Key_PageUp, vk::Prior},  {Qt::Key_PageDown, vk::Next},
    };
    for (const auto& [qtKey, code] : keys) {
        EXPECT_EQ(typed(qtKey, Qt::NoModifier, ""), (Key{code, false})) << code;
        EXPECT_EQ(typed(qtKey, Qt::ShiftModifier, ""), (Key{code, true})) << code;
    }
}

TEST(QtKeyTranslator, KeysOutsideTheTablesGiveNothing)
{
    EXPECT_FALSE(typed(Qt::Key_F3, Qt::NoModifier, ""));
    EXPECT_FALSE(typed(Qt::Key_F1, Qt::ShiftModifier, ""));
    EXPECT_FALSE(typed(Qt::Key_Insert, Qt::NoModifier, ""));
    EXPECT_FALSE(typed(Qt::Key_Underscore, Qt::ShiftModifier, "_"));
    EXPECT_FALSE(typed(Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9))));
    EXPECT_FALSE(typed(Qt::Key_A, Qt::AltModifier, "a"));
}

TEST(QtKeyTranslator, ReadsTheEvent)
{
    const QKeyEvent circumflex(QEvent::KeyPress, Qt::Key_AsciiCircum, Qt::ShiftModifier, "^");
    EXPECT_EQ(QtKeyTranslator::translate(circumflex, false), (Key{vk::Oem7, false}));
    EXPECT_EQ(QtKeyTranslator::translate(circumflex, true), (Key{vk::Oem7, true}));
}

} // namespace
} // namespace velmora
