#include "core/modes/CFModeData.h"

#include "core/view/CFScrollBar.h"

#include <boost/make_shared.hpp>

#include <utility>

namespace velmora {

CFModeData::CFModeData(Window* window, CFWordDictionary* dictionary, std::int32_t lineLimit,
                       boost::shared_ptr<CFScrollBar> scrollBar, CFSignFont& signFont,
                       PlatformServices& services)
    : selection(boost::make_shared<CFSelectedText>(window, document))
    , cursor(boost::make_shared<CCursor>(document, scrollBar))
    , keyWord(boost::make_shared<CFWordSign>())
    , scrollBar(std::move(scrollBar))
    , dictionary(dictionary)
    , lineLimit(lineLimit == 0 ? 1 : lineLimit)
    , window(window)
    , undoList(boost::make_shared<CFUndoList>(window, document, cursor))
    , signFont(&signFont)
    , services(services)
{
}

void CFModeData::DocumentReplaced()
{
    cursor->setPosition({0, 0});
    selection->Reset();
    undoList->Clear();
    pending.Clear();
    candidates.Clear();
    missedLookup.clear();
    acceptedReading = kNoReading;
}

ScrollOffsets CFModeData::Offsets() const
{
    return scrollBar ? scrollBar->Offsets() : ScrollOffsets{};
}

} // namespace velmora
