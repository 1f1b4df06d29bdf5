#include "view/CFScrollPart.h"

namespace velmora {

namespace {
constexpr unsigned kInitialPage = 30;
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
    case kThumbTrack:
        info_.nPos = thumb - thumb % step_;
        break;
    case kTop:
        info_.nPos = info_.nMin;
        break;
    case kBottom:
        info_.nPos = info_.nMax;
        break;
    default:
        break;
    }
    Write();
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
