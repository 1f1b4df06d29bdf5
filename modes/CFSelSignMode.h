#pragma once

#include "modes/CFMode.h"

#include <cstdint>

namespace velmora {

// Mode 2: shows one dictionary candidate of the converted transliteration in
// blue at the cursor. Space or Down shows the next, Up the previous (both
// wrap around); Page Down and Page Up move a page of candidates on or back,
// stopping at the last and the first candidate and wrapping from there;
// Enter or a mouse press accepts it for normal mode to insert (a candidate
// the line has no room for is refused with a message and stays on show);
// Backspace goes back to input mode with the transliteration kept.
class CFSelSignMode : public CFMode {
public:
    // Candidates in one page.
    static constexpr std::int32_t kCandidatePage = 9;

    CFSelSignMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);

    void OnEnter(int previous) override;
    int OnKeyDown(std::uint32_t vk) override;
    int OnMouse(std::uint32_t flags) override;
    void OnPaint(Surface& surface) override;

    // Position of the shown candidate in the key's list, and the length of
    // that list when the mode was entered.
    std::int32_t candidateIndex() const { return index_; }
    std::int32_t candidateCount() const { return count_; }

private:
    // The candidate at the index, or the empty word.
    WordPtr Candidate(std::int32_t index) const;
    // Shows the current word: the candidate buffer takes its signs.
    void Refresh();
    // Makes the candidate at the index the current word and shows it.
    void Show(std::int32_t index);
    // Hands the shown candidate to normal mode.
    int Accept();

    std::int32_t index_ = 0;
    std::int32_t count_ = 0;
};

} // namespace velmora
