#pragma once

#include "core/modes/CFMode.h"
#include "core/modes/CandidateList.h"

#include <cstdint>
#include <string>

namespace velmora {

// Mode 2: shows one dictionary candidate of the converted transliteration in
// blue at the cursor. Space or Down shows the next, Up the previous (both
// wrap around); Page Down and Page Up move a page of candidates on or back,
// stopping at the last and the first candidate and wrapping from there;
// Enter or a mouse press accepts it for normal mode to insert (a candidate
// the line has no room for is refused with a message and stays on show);
// Backspace goes back to input mode with the transliteration kept; Escape
// drops the candidates and the transliteration.
//
// The mode also keeps the view of a candidate window: a page of rows that
// always holds the current candidate (List), scrolled as little as a move
// needs and by a page with Page Down and Page Up.
class CFSelSignMode : public CFMode {
public:
    // Candidates in one page, and rows in a candidate window.
    static constexpr std::int32_t kCandidatePage = 9;

    CFSelSignMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);

    void OnEnter(int previous) override;
    int OnKeyDown(std::uint32_t vk) override;
    // Nothing: the controller accepts the candidate before text is typed on.
    int OnText(std::uint32_t character) override;
    int OnMouse(std::uint32_t flags) override;
    void OnPaint(Surface& surface) override;

    // Position of the shown candidate in the key's list, and the length of
    // that list when the mode was entered.
    std::int32_t candidateIndex() const { return index_; }
    std::int32_t candidateCount() const { return count_; }

    // The rows in view, the current one among them.
    CandidateList List() const;
    // The candidate on show and its place, "du₃ 3/9"; on entry, when the
    // typed index is one no candidate carries, what was shown instead:
    // "no du₉₉: du 1/9" (until the next key). Empty without candidates.
    std::string StatusText() const;
    // A candidate picked from the list (a click on its row): it becomes the
    // one on show and is accepted as Enter accepts it. An index outside the
    // list changes nothing. The id of the mode to follow.
    int Choose(std::int32_t index);

    // Hands the shown candidate to normal mode (or, with readings typed
    // after it, inserts it and goes back to input mode for them). A
    // candidate the line has no room for is refused with a message and
    // stays. The id of the mode to follow.
    int Accept();

private:
    // The candidate at the index, or the empty word.
    WordPtr Candidate(std::int32_t index) const;
    // Shows the current word: the candidate buffer takes its signs.
    void Refresh();
    // Makes the candidate at the index the current word and shows it.
    void Show(std::int32_t index);
    // Scrolls the rows in view as little as needed to show the current
    // candidate.
    void KeepInView();

    std::int32_t index_ = 0;
    std::int32_t count_ = 0;
    // The first row in view.
    std::int32_t top_ = 0;
    // The typed index was not found among the candidates (until a key).
    bool typedIndexMissing_ = false;
};

} // namespace velmora
