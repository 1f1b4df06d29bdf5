#include "modes/CFSelSignMode.h"

#include "dictionary/CFWordDictionary.h"
#include "document/TextLayout.h"
#include "modes/CFEditCommands.h"
#include "modes/CFModeData.h"
#include "platform/VirtualKeys.h"
#include "view/CFSignFont.h"

#include <algorithm>

namespace velmora {

namespace {

// No candidate: past the end of the list, or no dictionary.
bool IsEmpty(const WordPtr& word)
{
    return !word || word->Length() == 0;
}

} // namespace

CFSelSignMode::CFSelSignMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data)
    : CFMode(signFont, std::move(data))
{
}

WordPtr CFSelSignMode::Candidate(std::int32_t index) const
{
    if (!dictionary_)
        return WordPtr();
    if (index < 0)
        return dictionary_->EmptyWord();
    return dictionary_->GetCandidate(static_cast<std::uint32_t>(index), keyWord_);
}

void CFSelSignMode::Refresh()
{
    candidates_->Clear();
    if (currentWord_)
        candidates_->InsertSignWord(0, *currentWord_);
}

void CFSelSignMode::Show(std::int32_t index)
{
    if (count_ <= 0)
        return;
    index_ = index;
    currentWord_ = Candidate(index_);
    Refresh();
}

void CFSelSignMode::OnEnter(int)
{
    index_ = 0;
    RetakeWords();
    count_ = dictionary_ ? static_cast<std::int32_t>(dictionary_->CountCandidates(keyWord_)) : 0;
    if (!currentWord_)
        currentWord_ = Candidate(0);
    // Start on the first candidate whose number reaches the typed number, or
    // on the first of all when none does.
    const std::uint32_t requested = data_->requestedNumber;
    if (currentWord_ && currentWord_->number < requested) {
        for (std::int32_t i = 0;; ++i) {
            WordPtr word = Candidate(i);
            if (IsEmpty(word)) {
                index_ = 0;
                currentWord_ = Candidate(0);
                break;
            }
            if (word->number >= requested) {
                index_ = i;
                currentWord_ = word;
                break;
            }
        }
    }
    Refresh();
}

int CFSelSignMode::Accept()
{
    // A candidate that does not fit the line is refused with a message; the
    // transliteration and the candidate stay, so nothing typed is lost.
    if (currentWord_ && !CFEditCommands(*data_).CheckInsertAtCursor(currentWord_->Cells()))
        return kSignSelectionModeId;
    pending_->Clear();
    data_->currentWord = currentWord_;
    return kNormalModeId;
}

int CFSelSignMode::OnKeyDown(std::uint32_t vk)
{
    switch (vk) {
    case vk::Space:
    case vk::Down:
        ++index_;
        currentWord_ = Candidate(index_);
        if (IsEmpty(currentWord_)) {
            index_ = 0;
            currentWord_ = Candidate(0);
        }
        Refresh();
        return kSignSelectionModeId;
    case vk::Up:
        if (index_ == 0)
            index_ = count_;
        if (index_ > 0)
            --index_;
        currentWord_ = Candidate(index_);
        Refresh();
        return kSignSelectionModeId;
    case vk::Next:
        Show(index_ + 1 >= count_ ? 0 : std::min(index_ + kCandidatePage, count_ - 1));
        return kSignSelectionModeId;
    case vk::Prior:
        Show(index_ == 0 ? count_ - 1 : std::max(index_ - kCandidatePage, 0));
        return kSignSelectionModeId;
    case vk::Back:
        return kInputModeId;
    case vk::Return:
        return Accept();
    default:
        return kSignSelectionModeId;
    }
}

int CFSelSignMode::OnMouse(std::uint32_t)
{
    return Accept();
}

void CFSelSignMode::OnPaint(Surface& surface)
{
    const auto pair = signFont_->Fonts();
    const EditorFonts fonts = *pair;
    const ScrollOffsets offsets = data_->Offsets();
    const int top = static_cast<int>(offsets.top());
    const int left = offsets.left();
    // Unlike the other modes this one draws its text opaque, on white.
    DrawDocument(*document_, surface, fonts, offsets.top(), left, TextColors{kBlack, true});

    const Size at =
        PrefixExtent(document_->Line(cursor_->line), surface, fonts, cursor_->column);
    const int y = at.cy * static_cast<int>(cursor_->line);
    const int h = LineHeight(surface, fonts);
    DrawLine(*candidates_, surface, fonts, at.cx - left, y - h * top, TextColors{kBlue, true});
}

} // namespace velmora
