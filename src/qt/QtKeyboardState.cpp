#include "qt/QtKeyboardState.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace velmora {

namespace {

constexpr quint32 kX11LockMask = 1u << 1;

} // namespace

QtKeyboardState::QtKeyboardState() : QtKeyboardState(QGuiApplication::platformName() == QLatin1String("xcb"))
{
}

QtKeyboardState::QtKeyboardState(bool readX11LockBit) : readX11LockBit_(readX11LockBit)
{
}

void QtKeyboardState::update(const QKeyEvent& event)
{
    const bool press = event.type() == QEvent::KeyPress;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Pressing or releasing a modifier key itself is reported with the state
    // before or after the change depending on the platform; the key decides.
    shift_ = event.key() == Qt::Key_Shift ? press : modifiers.testFlag(Qt::ShiftModifier);
    ctrl_ = event.key() == Qt::Key_Control ? press : modifiers.testFlag(Qt::ControlModifier);

    if (event.key() == Qt::Key_CapsLock) {
        if (!press || event.isAutoRepeat())
            return;
        // The X11 state is the one before this press.
        if (readX11LockBit_)
            capsLock_ = (event.nativeModifiers() & kX11LockMask) == 0;
        else
            capsLock_ = !capsLock_;
        return;
    }
    if (readX11LockBit_) {
        capsLock_ = (event.nativeModifiers() & kX11LockMask) != 0;
        return;
    }
    const QString text = event.text();
    if (!press || ctrl_ || text.size() != 1)
        return;
    const QChar ch = text.front();
    if (!ch.isLetter() || ch.toUpper() == ch.toLower())
        return;
    capsLock_ = ch.isUpper() != shift_;
}

} // namespace velmora
