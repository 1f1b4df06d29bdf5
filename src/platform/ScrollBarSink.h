#pragma once

namespace velmora {

// The state of one scroll bar as the core computes it.
struct ScrollInfo {
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    friend bool operator==(const ScrollInfo&, const ScrollInfo&) = default;
};

enum class ScrollBarId { Horizontal = 0, Vertical = 1 };

// Receives the scroll state of an editor for its visible scroll bars.
class ScrollBarSink {
public:
    virtual ~ScrollBarSink() = default;
    virtual void setScrollInfo(ScrollBarId bar, const ScrollInfo& info) = 0;
};

} // namespace velmora
