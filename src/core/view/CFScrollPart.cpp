#include "core/view/CFScrollPart.h"

#include "platform/Window.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr unsigned kInitialPage = 30;
// Kept free at the right edge when paging sideways, as when following the
// cursor.
constexpr int kHorizontalMargin = 50;
} // namespace

CFScrollPart::CFScrollPart(Window* window, ScrollBarSink* sink, ScrollBarId bar)
    : window_(window)
    , sink_(sink)
    , bar_(bar)
{
}

void CFScrollPart::Initialize(int nMax)
{
    info_ = ScrollInfo{0, nMax, kInitialPage, 0};
    Write();
}

void CFScrollPart::OnScroll(std::uint32_t request)
{
    const std::uint32_t code = request & 0xFFFF;
    const int thumb = static_cast<int>((request >> 16) & 0xFFFF);
    switch (code) {
    case kLineUp:
        if (info_.nPos != 0)
            info_.nPos -= step_;
        break;
    case kLineDown:
        if (info_.nPos < info_.nMax - 1)
            info_.nPos += step_;
        break;
    case kPageUp:
        info_.nPos = std::max(info_.nMin, info_.nPos - PageStep());
        break;
    case kPageDown:
        // A view already below the last full page (by line-down requests)
        // is not pulled back up.
        info_.nPos = std::max(info_.nPos, std::min(info_.nPos + PageStep(), MaxPosition()));
        break;
    case kThumbTrack:
        info_.nPos = thumb - thumb % step_;
        break;
    case kTop:
        info_.nPos = info_.nMin;
        break;
    case kBottom:
        info_.nPos = MaxPosition();
        break;
    default:
        break;
    }
    Write();
}

int CFScrollPart::MaxPosition() const
{
    const std::int64_t last =
        info_.nPage > 0 ? std::int64_t(info_.nMax) - std::int64_t(info_.nPage) + 1 : info_.nMax;
    return static_cast<int>(std::max<std::int64_t>(info_.nMin, last));
}

int CFScrollPart::PageStep() const
{
    if (bar_ == ScrollBarId::Vertical)
        return std::max(1, static_cast<int>(info_.nPage) - 1);
    const int width = window_ ? window_->clientRect().right - window_->clientRect().left : 0;
    return std::max(1, width - kHorizontalMargin);
}

void CFScrollPart::SetPosition(int position)
{
    info_.nPos = position;
    Write();
}

void CFScrollPart::UpdatePage(std::uint32_t shownLines, std::uint32_t lineCount)
{
    info_.nMax = static_cast<int>(lineCount);
    if (shownLines == 0 || lineCount == 0)
        return;
    const double count = lineCount;
    info_.nPage = static_cast<unsigned>(shownLines / count * count);
    Write();
}

void CFScrollPart::Write() const
{
    if (sink_)
        sink_->setScrollInfo(bar_, info_);
}

} // namespace velmora
