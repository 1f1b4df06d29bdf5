#include "tests/support/RecordingScrollSink.h"

namespace velmora {

void RecordingScrollSink::setScrollInfo(ScrollBarId bar, const ScrollInfo& info)
{
    writes_.push_back({bar, info});
}

std::optional<ScrollInfo> RecordingScrollSink::last(ScrollBarId bar) const
{
    for (auto it = writes_.rbegin(); it != writes_.rend(); ++it)
        if (it->bar == bar)
            return it->info;
    return std::nullopt;
}

int RecordingScrollSink::count(ScrollBarId bar) const
{
    int n = 0;
    for (const auto& w : writes_)
        if (w.bar == bar)
            ++n;
    return n;
}

} // namespace velmora
