#pragma once

#include "platform/ScrollBarSink.h"

#include <optional>
#include <vector>

namespace velmora {

// Records every scroll state written, in order.
class RecordingScrollSink : public ScrollBarSink {
public:
    struct Write {
        ScrollBarId bar = ScrollBarId::Vertical;
        ScrollInfo info;
        friend bool operator==(const Write&, const Write&) = default;
    };

    void setScrollInfo(ScrollBarId bar, const ScrollInfo& info) override;

    const std::vector<Write>& writes() const { return writes_; }
    // The latest state written for a bar, or nothing when none was.
    std::optional<ScrollInfo> last(ScrollBarId bar) const;
    // Number of writes for a bar.
    int count(ScrollBarId bar) const;
    void clear() { writes_.clear(); }

private:
    std::vector<Write> writes_;
};

} // namespace velmora
