#include "qt/QtScrollBarSink.h"

#include <QSignalBlocker>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace velmora {

QtScrollBarSink::QtScrollBarSink(QScrollBar* horizontal, QScrollBar* vertical)
    : horizontal_(horizontal)
    , vertical_(vertical)
{
}

void QtScrollBarSink::setScrollInfo(ScrollBarId bar, const ScrollInfo& info)
{
    QScrollBar* target = bar == ScrollBarId::Horizontal ? horizontal_.data() : vertical_.data();
    if (target)
        apply(*target, info);
}

void QtScrollBarSink::apply(QScrollBar& bar, const ScrollInfo& info)
{
    std::int64_t last = info.nMax;
    if (info.nPage > 0)
        last = std::int64_t(info.nMax) - std::int64_t(info.nPage) + 1;
    const int maximum = int(std::clamp<std::int64_t>(last, info.nMin, INT_MAX));
    const int page = int(std::min<std::uint64_t>(info.nPage, INT_MAX));
    const bool rangeChanged = bar.minimum() != info.nMin || bar.maximum() != maximum;
    {
        const QSignalBlocker blocker(bar);
        bar.setRange(info.nMin, maximum);
        bar.setPageStep(page);
        bar.setSingleStep(1);
        bar.setValue(info.nPos);
    }
    // A scroll area shows a bar only while there is something to scroll,
    // and learns of that from this signal, which the blocker held back.
    if (rangeChanged)
        emit bar.rangeChanged(bar.minimum(), bar.maximum());
}

} // namespace velmora
