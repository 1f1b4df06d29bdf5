#include "qt/QtWidgetWindow.h"
#include "platform/Surface.h"
#include "qt/QtScrollBarSink.h"

#include <QCursor>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(QtScrollBarSink, PageFitsBeforeTheLastPositionAndNoSignalComesBack)
{
    QScrollBar vertical(Qt::Vertical);
    QScrollBar horizontal(Qt::Horizontal);
    int changes = 0;
    QObject::connect(&vertical, &QScrollBar::valueChanged, [&] { ++changes; });
    QtScrollBarSink sink(&horizontal, &vertical);

    sink.setScrollInfo(ScrollBarId::Vertical, ScrollInfo{0, 200, 30, 10});
    EXPECT_EQ(vertical.minimum(), 0);
    EXPECT_EQ(vertical.maximum(), 171);
    EXPECT_EQ(vertical.pageStep(), 30);
    EXPECT_EQ(vertical.value(), 10);
    EXPECT_EQ(changes, 0);

    // A page larger than the range leaves nothing to scroll.
    sink.setScrollInfo(ScrollBarId::Vertical, ScrollInfo{0, 5, 12, 3});
    EXPECT_EQ(vertical.maximum(), 0);
    EXPECT_EQ(vertical.value(), 0);

    sink.setScrollInfo(ScrollBarId::Horizontal, ScrollInfo{0, 100000, 0, 250});
    EXPECT_EQ(horizontal.maximum(), 100000);
    EXPECT_EQ(horizontal.value(), 250);
    EXPECT_EQ(vertical.value(), 0);
}

TEST(QtWidgetWindow, ReportsTheWidget)
{
    QWidget widget;
    widget.resize(320, 200);
    widget.show();
    QtWidgetWindow window(widget);
    EXPECT_EQ(window.clientRect(), (Rect{0, 0, 320, 200}));
    EXPECT_EQ(QtWidgetWindow::widgetOf(&window), &widget);
    EXPECT_EQ(QtWidgetWindow::widgetOf(nullptr), nullptr);

    QCursor::setPos(widget.mapToGlobal(QPoint(7, 9)));
    EXPECT_EQ(window.pointerPosition(), (Point{7, 9}));

    const auto surface = window.createSurface();
    EXPECT_GT(surface->textExtent(nullptr, u"a").cx, 0);
    EXPECT_EQ(surface->area(), (Rect{0, 0, 320, 200}));
}

} // namespace
} // namespace velmora
