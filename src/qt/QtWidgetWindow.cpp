#include "qt/QtWidgetWindow.h"

#include "qt/QtSurface.h"

#include <QCursor>

namespace velmora {

QtWidgetWindow::QtWidgetWindow(QWidget& widget) : widget_(&widget)
{
}

QWidget* QtWidgetWindow::widgetOf(Window* window)
{
    const auto* qtWindow = dynamic_cast<const QtWidgetWindow*>(window);
    return qtWindow ? qtWindow->widget() : nullptr;
}

Rect QtWidgetWindow::clientRect() const
{
    if (!widget_)
        return Rect{};
    return Rect{0, 0, widget_->width(), widget_->height()};
}

Point QtWidgetWindow::pointerPosition() const
{
    if (!widget_)
        return Point{};
    const QPoint local = widget_->mapFromGlobal(QCursor::pos());
    return Point{local.x(), local.y()};
}

void QtWidgetWindow::invalidate()
{
    if (widget_)
        widget_->update();
}

void QtWidgetWindow::setFocus()
{
    if (!widget_)
        return;
    if (widget_->isVisible() && !widget_->isActiveWindow())
        widget_->activateWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

std::unique_ptr<Surface> QtWidgetWindow::createSurface()
{
    return std::make_unique<QtSurface>(widget_.data());
}

} // namespace velmora
