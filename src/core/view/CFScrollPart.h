#pragma once

#include "platform/ScrollBarSink.h"

#include <cstdint>

namespace velmora {

class Window;

// One scroll bar of an editor window: its range, page and position, and the
// step of one line-up or line-down request. Every change is written to the
// sink, which shows it on the window's scroll bar.
class CFScrollPart {
public:
    // Request codes of a scroll request (its low 16 bits).
    enum Request : std::uint32_t {
        kLineUp = 0,
        kLineDown = 1,
        kPageUp = 2,
        kPageDown = 3,
        kThumbPosition = 4,
        kThumbTrack = 5,
        kTop = 6,
        kBottom = 7,
        kEndScroll = 8,
    };

    // A part with all values 0 until it is initialised. The sink may be null.
    CFScrollPart(Window* window, ScrollBarSink* sink, ScrollBarId bar);

    // Range 0..nMax, page 30, position 0; written to the sink.
    void Initialize(int nMax);

    // Handles one scroll request: the request code in the low 16 bits, the
    // thumb position (for kThumbTrack) in the high 16 bits. Line up stops at
    // 0, line down at nMax - 1; page up and page down move by PageStep,
    // stopping at nMin and at the last full page; the thumb snaps to a
    // multiple of the step; top goes to nMin, bottom to the last full page;
    // other codes change nothing. The state is written to the sink in every
    // case.
    void OnScroll(std::uint32_t request);

    // The last full page: the position at which the page's last unit is
    // nMax, the largest the bar's thumb can show (nMin when the page holds
    // the whole range).
    int MaxPosition() const;
    // How far a page request moves: for the vertical part the lines the view
    // shows whole (the page less the partly shown row at the bottom), for
    // the horizontal part the width of the client area less 50 pixels. At
    // least 1.
    int PageStep() const;

    // Sets the position and writes the state.
    void SetPosition(int position);

    // For the vertical part: nMax becomes the line count, and, when neither
    // value is 0, the page becomes (shownLines / lineCount) * lineCount
    // computed in double precision and truncated (the shown lines, or one
    // less where the quotient comes out slightly low), and the state is
    // written.
    void UpdatePage(std::uint32_t shownLines, std::uint32_t lineCount);

    // Writes the state to the sink.
    void Write() const;

    ScrollBarId Bar() const { return bar_; }
    Window* window() const { return window_; }
    const ScrollInfo& Info() const { return info_; }
    int Position() const { return info_.nPos; }
    int Step() const { return step_; }

private:
    Window* window_;
    ScrollBarSink* sink_;
    ScrollBarId bar_;
    ScrollInfo info_;
    int step_ = 1;
};

} // namespace velmora
