#include "modes/CFModeData.h"

#include "platform/MessageDisplay.h"
#include "platform/PlatformServices.h"
#include "view/CFScrollBar.h"

#include <boost/make_shared.hpp>

#include <utility>

namespace velmora {

CFModeData::CFModeData(Window* window, CFWordDictionary* dictionary, std::int32_t lineLimit,
                       boost::shared_ptr<CFScrollBar> scrollBar, CFSignFont& signFont,
                       PlatformServices& services)
    : selection(boost::make_shared<CFSelectedText>(window, document)),
      cursor(boost::make_shared<CCursor>(document, scrollBar)),
      keyWord(boost::make_shared<CFWordSign>()),
      scrollBar(std::move(scrollBar)),
      dictionary(dictionary),
      lineLimit(lineLimit == 0 ? 1 : lineLimit),
      window(window),
      undoList(boost::make_shared<CFUndoList>(window, document, cursor)),
      signFont(&signFont),
      services(services)
{
}

void CFModeData::RecordEdit(std::uint32_t kind, std::uint32_t firstLine, std::uint32_t firstColumn,
                            std::uint32_t secondLine, std::uint32_t secondColumn)
{
    undoList->RecordUndo(kind, firstLine, firstColumn, secondLine, secondColumn);
}

bool CFModeData::DeleteSelectionWithUndo()
{
    const Position start = selection->start();
    const Position end = selection->end();
    // Recorded first, so that the command saves the text about to go.
    RecordEdit(kDeletion, start.line, start.column, end.line, end.column);
    selection->DeleteSelected();
    cursor->setPosition(start);
    selection->Reset();
    return true;
}

bool CFModeData::PasteWithUndo()
{
    const Position old = cursor->position();
    // The line breaks counted are those of this editor's latest copy.
    const std::int64_t lines = std::int64_t(document.LineCount()) + selection->breakCount();
    if (lines >= lineLimit) {
        services.messages.showMessage(window, "最大行数を超えているためペーストできません。",
                                      "エラー");
        return false;
    }
    const Position after =
        selection->PasteFromClipboard(services.clipboard, services.messages, old.line, old.column);
    if (after != old) {
        cursor->setPosition(after);
        RecordEdit(kInsertion, old.line, old.column, after.line, after.column);
    }
    return true;
}

bool CFModeData::ApplyLineLengthGuard(std::uint32_t lengthBeforeEdit)
{
    const std::uint32_t length = document.LineLength(cursor->line);
    if (length < document.maxLineLength || length <= lengthBeforeEdit)
        return false;
    undoList->Undo();
    return true;
}

void CFModeData::DocumentReplaced()
{
    cursor->setPosition({0, 0});
    selection->Reset();
    undoList->Clear();
    pending.Clear();
    candidates.Clear();
    committedCells = 0;
}

ScrollOffsets CFModeData::Offsets() const
{
    return scrollBar ? scrollBar->Offsets() : ScrollOffsets{};
}

} // namespace velmora
