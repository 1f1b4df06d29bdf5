#pragma once

#include "platform/Window.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

// The Window of a QWidget, for the core objects of an editor shown in it. It
// does not own the widget; a widget may derive from it and pass itself.
// Every call is harmless once the widget is gone.
class QtWidgetWindow : public Window {
public:
    explicit QtWidgetWindow(QWidget& widget);

    QWidget* widget() const { return widget_.data(); }
    // The widget of a QtWidgetWindow, null for any other window or null.
    static QWidget* widgetOf(Window* window);

    // The widget's rectangle, from (0, 0).
    Rect clientRect() const override;
    // The mouse pointer mapped from the screen into the widget.
    Point pointerPosition() const override;
    // Schedules a repaint (QWidget::update).
    void invalidate() override;
    // Gives the keyboard focus to the widget, activating its window when
    // another window is active.
    void setFocus() override;
    // A measuring QtSurface for the widget's font and screen.
    std::unique_ptr<Surface> createSurface() override;

private:
    QPointer<QWidget> widget_;
};

} // namespace velmora
