#include "core/modes/CFSelSignMode.h"

#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/SignNames.h"
#include "core/document/CFSelectedText.h"
#include "core/document/ReadingTable.h"
#include "core/modes/CFEditCommands.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFSignFont.h"
#include "core/view/TextLayout.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

#include <algorithm>
#include <string>

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

void CFSelSignMode::KeepInView()
{
    top_ = std::clamp(top_, 0, std::max(count_ - kCandidatePage, 0));
    if (index_ < top_)
        top_ = index_;
    else if (index_ >= top_ + kCandidatePage)
        top_ = index_ - kCandidatePage + 1;
}

void CFSelSignMode::OnEnter(int)
{
    index_ = 0;
    top_ = 0;
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
    // A typed index that no candidate carries: the user is told what was
    // taken instead, so that a wrong sign does not go in unnoticed.
    typedIndexMissing_ = requested != 0 && currentWord_ && currentWord_->number != requested;
    KeepInView();
    Refresh();
}

int CFSelSignMode::Accept()
{
    // A candidate that does not fit the line is refused with a message; the
    // transliteration and the candidate stay, so nothing typed is lost.
    if (currentWord_ && !CFEditCommands(*data_).CheckInsertAtCursor(currentWord_->Cells()))
        return kSignSelectionModeId;
    // The signs remember what they were typed as.
    const auto typed = pending_->Cells();
    const std::uint32_t converted = std::min<std::uint32_t>(data_->convertedLength, pending_->Length());
    const ReadingId reading = currentWord_
        ? ReadingTable::Intern(SignNames::TypedReading(typed.first(converted), currentWord_->number))
        : kNoReading;
    if (converted > 0 && converted < pending_->Length()) {
        // Readings typed one after another (du₃ma): the signs of the first
        // go in now, and input mode goes on with the rest, still pending.
        if (currentWord_)
            CFEditCommands(*data_).InsertAtCursor(currentWord_->Cells(), reading);
        pending_->EraseCells(0, converted);
        data_->convertedLength = 0;
        data_->currentWord.reset();
        return kInputModeId;
    }
    data_->acceptedReading = reading;
    pending_->Clear();
    data_->convertedLength = 0;
    data_->currentWord = currentWord_;
    return kNormalModeId;
}

int CFSelSignMode::OnKeyDown(std::uint32_t vk)
{
    typedIndexMissing_ = false;
    const std::int32_t before = index_;
    // Ctrl+Z takes the conversion back, as Backspace does.
    if (data_->modifiers.ctrl && vk == 'Z')
        return kInputModeId;
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
        break;
    case vk::Up:
        if (index_ == 0)
            index_ = count_;
        if (index_ > 0)
            --index_;
        currentWord_ = Candidate(index_);
        Refresh();
        break;
    case vk::Next:
    case vk::Prior:
        if (vk == vk::Next)
            Show(index_ + 1 >= count_ ? 0 : std::min(index_ + kCandidatePage, count_ - 1));
        else
            Show(index_ == 0 ? count_ - 1 : std::max(index_ - kCandidatePage, 0));
        // The rows scroll with the candidate, so that it keeps its row.
        top_ += index_ - before;
        break;
    case vk::Back:
        return kInputModeId;
    case vk::Escape:
        // Dropped, as Escape drops a transliteration in input mode; normal
        // mode then has nothing to insert.
        pending_->Clear();
        candidates_->Clear();
        currentWord_.reset();
        data_->currentWord.reset();
        return kNormalModeId;
    case vk::Return:
        return Accept();
    default:
        break;
    }
    KeepInView();
    return kSignSelectionModeId;
}

int CFSelSignMode::Choose(std::int32_t index)
{
    if (index < 0 || index >= count_)
        return kSignSelectionModeId;
    typedIndexMissing_ = false;
    Show(index);
    KeepInView();
    return Accept();
}

CandidateList CFSelSignMode::List() const
{
    CandidateList list;
    if (count_ <= 0 || !keyWord_)
        return list;
    list.count = count_;
    list.current = index_;
    list.first = top_;
    const auto key = keyWord_->Cells();
    const std::int32_t end = std::min(top_ + kCandidatePage, count_);
    for (std::int32_t i = top_; i < end; ++i) {
        const WordPtr word = Candidate(i);
        // The dictionary may have lost the key since (Load Worddata).
        if (IsEmpty(word))
            break;
        const auto signs = word->Cells();
        list.rows.push_back({SignNames::ReadingText(key, word->number),
                             std::vector<std::uint32_t>(signs.begin(), signs.end()),
                             SignNames::DisplayName(signs)});
    }
    return list;
}

std::string CFSelSignMode::StatusText() const
{
    if (count_ <= 0 || IsEmpty(currentWord_) || !keyWord_)
        return {};
    const auto key = keyWord_->Cells();
    std::string text = SignNames::ReadingText(key, currentWord_->number) + ' ' + std::to_string(index_ + 1)
        + '/' + std::to_string(count_);
    if (typedIndexMissing_)
        text = Fill(Tr(texts::kNoReadingTaken), SignNames::ReadingText(key, data_->requestedNumber), text);
    return text;
}

int CFSelSignMode::OnText(std::uint32_t)
{
    return kSignSelectionModeId;
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
    // The selection the text will replace.
    DrawSelection(*document_, selection_->active(), selection_->start(), selection_->end(), surface, fonts,
                  offsets.top(), offsets.left(), window_ ? window_->clientRect().right : 0);
    DrawDocument(*document_, surface, fonts, offsets.top(), left, TextColors{kBlack, true});

    const Size at = PrefixExtent(document_->Line(cursor_->line), surface, fonts, cursor_->column);
    const int y = at.cy * static_cast<int>(cursor_->line);
    const int h = LineHeight(surface, fonts);
    DrawLine(*candidates_, surface, fonts, at.cx - left, y - h * top, TextColors{kBlue, true});
    // The readings typed after the converted one wait behind its signs.
    const std::uint32_t converted = std::min<std::uint32_t>(data_->convertedLength, pending_->Length());
    if (converted > 0 && converted < pending_->Length()) {
        CFLine rest;
        rest.InsertCells(pending_->Length() - converted, 0, pending_->Cells().data() + converted);
        const int x = at.cx - left + PrefixExtent(*candidates_, surface, fonts, candidates_->Length()).cx;
        DrawLine(rest, surface, fonts, x, y - h * top, TextColors{kBlue, true});
    }
}

} // namespace velmora
