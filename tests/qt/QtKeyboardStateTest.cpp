#include "qt/QtKeyboardState.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace velmora {
namespace {

void send(QtKeyboardState& state, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
          const QString& text = {}, bool autoRepeat = false)
{
    const QKeyEvent event(type, key, modifiers, text, autoRepeat);
    state.update(event);
}

void press(QtKeyboardState& state, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    send(state, QEvent::KeyPress, key, modifiers, text);
}

TEST(QtKeyboardState, CapsLockKeyTogglesOnPressOnly)
{
    QtKeyboardState state(false);
    EXPECT_FALSE(state.capsLockOn());
    press(state, Qt::Key_CapsLock, Qt::NoModifier);
    EXPECT_TRUE(state.capsLockOn());
    send(state, QEvent::KeyRelease, Qt::Key_CapsLock, Qt::NoModifier);
    send(state, QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier, {}, true);
    EXPECT_TRUE(state.capsLockOn());
    press(state, Qt::Key_CapsLock, Qt::NoModifier);
    EXPECT_FALSE(state.capsLockOn());
}

TEST(QtKeyboardState, LetterCaseRevealsCapsLock)
{
    QtKeyboardState state(false);
    press(state, Qt::Key_A, Qt::NoModifier, "A");
    EXPECT_TRUE(state.capsLockOn());
    press(state, Qt::Key_A, Qt::ShiftModifier, "A");
    EXPECT_FALSE(state.capsLockOn());
    press(state, Qt::Key_B, Qt::ShiftModifier, "b");
    EXPECT_TRUE(state.capsLockOn());
    // Keys without a cased letter, and Ctrl combinations, tell nothing.
    press(state, Qt::Key_1, Qt::NoModifier, "1");
    press(state, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
    EXPECT_TRUE(state.capsLockOn());
    press(state, Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_FALSE(state.capsLockOn());
    // A letter outside A-Z counts as well.
    press(state, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xC9)));
    EXPECT_TRUE(state.capsLockOn());
}

TEST(QtKeyboardState, ReadsTheX11LockBitWhenAsked)
{
    QtKeyboardState state(true);
    const QKeyEvent locked(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, 10, 0x31, 1u << 1, "1");
    state.update(locked);
    EXPECT_TRUE(state.capsLockOn());
    // The X11 state of a Caps Lock press is the one before it.
    const QKeyEvent unlock(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier, 66, 0xFFE5, 1u << 1);
    state.update(unlock);
    EXPECT_FALSE(state.capsLockOn());
}

TEST(QtKeyboardState, FollowsShiftAndCtrl)
{
    QtKeyboardState state(false);
    press(state, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(state.shiftHeld());
    send(state, QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(state.shiftHeld());
    press(state, Qt::Key_Control, Qt::NoModifier);
    EXPECT_TRUE(state.ctrlHeld());
    press(state, Qt::Key_X, Qt::ShiftModifier, "X");
    EXPECT_TRUE(state.shiftHeld());
    EXPECT_FALSE(state.ctrlHeld());
}

} // namespace
} // namespace velmora
