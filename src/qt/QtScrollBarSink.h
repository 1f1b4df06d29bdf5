#pragma once

#include "platform/ScrollBarSink.h"

#include <QPointer>
#include <QScrollBar>

namespace velmora {

// Shows the scroll state of an editor on its QScrollBars. Positions run from
// nMin to the last position at which a whole page still fits
// (nMax - nPage + 1), a page is nPage and a step is 1. Setting the state
// emits no valueChanged, so the state does not come back as a scroll request;
// a changed range is announced, so that a scroll area shows the bar while
// there is something to scroll and hides it otherwise.
class QtScrollBarSink : public ScrollBarSink {
public:
    // Either bar may be null (that direction has no bar).
    QtScrollBarSink(QScrollBar* horizontal, QScrollBar* vertical);

    void setScrollInfo(ScrollBarId bar, const ScrollInfo& info) override;

    static void apply(QScrollBar& bar, const ScrollInfo& info);

private:
    QPointer<QScrollBar> horizontal_;
    QPointer<QScrollBar> vertical_;
};

} // namespace velmora
