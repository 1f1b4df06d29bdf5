#include "qt/QtKeyTranslator.h"

#include "platform/VirtualKeys.h"

#include <QKeyEvent>

#include <array>
#include <string_view>

namespace velmora {

namespace {

// The keycaps of the punctuation keys, unshifted character first.
struct Keycap {
    std::uint32_t virtualKey;
    char16_t unshifted;
    char16_t shifted;
};

constexpr std::array<Keycap, 11> kPunctuation{{
    {vk::Oem1, u':', u'*'},
    {vk::OemPlus, u';', u'+'},
    {vk::OemComma, u',', u'<'},
    {vk::OemMinus, u'-', u'='},
    {vk::OemPeriod, u'.', u'>'},
    {vk::Oem2, u'/', u'?'},
    {vk::Oem3, u'@', u'`'},
    {vk::Oem4, u'[', u'{'},
    {vk::Oem5, u'\\', u'|'},
    {vk::Oem6, u']', u'}'},
    {vk::Oem7, u'^', u'~'},
}};

// Shift+1..Shift+9.
constexpr std::u16string_view kShiftedDigits = u"!\"#$%&'()";

std::optional<std::uint32_t> namedKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_CapsLock:
        return vk::Capital;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    default:
        return std::nullopt;
    }
}

// The character a key stands for when the event carries no usable text:
// printable ASCII keys are their own character code, dead accents give their
// spacing form.
std::optional<char16_t> characterOfKey(int key)
{
    if (key > 0x20 && key < 0x7F)
        return char16_t(key);
    switch (key) {
    case Qt::Key_Dead_Circumflex:
        return u'^';
    case Qt::Key_Dead_Grave:
        return u'`';
    case Qt::Key_Dead_Tilde:
        return u'~';
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QtKeyTranslator::Key> QtKeyTranslator::keyForCharacter(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return Key{std::uint32_t(ch), false};
    if (const auto at = kShiftedDigits.find(ch); at != std::u16string_view::npos)
        return Key{std::uint32_t(u'1' + at), true};
    for (const Keycap& cap : kPunctuation) {
        if (ch == cap.unshifted)
            return Key{cap.virtualKey, false};
        if (ch == cap.shifted)
            return Key{cap.virtualKey, true};
    }
    return std::nullopt;
}

std::optional<QtKeyTranslator::Key> QtKeyTranslator::translate(const QKeyEvent& event, bool capsLockOn)
{
    return translate(event.key(), event.modifiers(), event.text(), capsLockOn);
}

std::optional<QtKeyTranslator::Key> QtKeyTranslator::translate(int key, Qt::KeyboardModifiers modifiers,
                                                               const QString& text, bool capsLockOn)
{
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    // Alt combinations belong to menus and shortcuts, not to typing.
    if (modifiers.testFlag(Qt::AltModifier) && !ctrl)
        return std::nullopt;

    if (const auto code = namedKey(key))
        return Key{*code, shift};
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return Key{std::uint32_t(key), shift};

    std::optional<char16_t> ch;
    if (!ctrl && text.size() == 1 && text.front().isPrint())
        ch = text.front().unicode();
    else
        ch = characterOfKey(key);
    if (!ch)
        return std::nullopt;
    std::optional<Key> typed = keyForCharacter(*ch);
    if (!typed)
        return std::nullopt;
    if (ctrl)
        typed->shift = shift;
    else
        typed->shift = typed->shift != capsLockOn;
    return typed;
}

} // namespace velmora
