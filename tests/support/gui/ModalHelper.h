#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace velmora::test {

// Runs action on the next modal dialog once it is shown (checked every few
// milliseconds while the dialog's own event loop runs).
inline void OnNextModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(5);
}

} // namespace velmora::test
