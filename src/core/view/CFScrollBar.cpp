#include "core/view/CFScrollBar.h"

#include "core/document/CFDocument.h"
#include "core/view/TextLayout.h"
#include "platform/Surface.h"
#include "platform/Window.h"

#include <algorithm>
#include <memory>

namespace velmora {

namespace {

constexpr int kVerticalMax = 200;
constexpr int kHorizontalMax = 100000;
// Space kept free at the bottom and right edges when following the cursor.
constexpr int kMargin = 50;
// Rows of text kept above and below a revealed line, where the view has room.
constexpr std::uint32_t kContextRows = 3;
// Pixels kept left and right of revealed cells, at most a quarter of the view.
constexpr int kContextPixels = 80;

Rect ClientOf(const Window* window)
{
    return window ? window->clientRect() : Rect{};
}

} // namespace

CFScrollBar::CFScrollBar(Window* window, ScrollBarSink* sink)
    : window_(window)
    , vertical_(window, sink, ScrollBarId::Vertical)
    , horizontal_(window, sink, ScrollBarId::Horizontal)
{
}

void CFScrollBar::InitVertical()
{
    vertical_.Initialize(kVerticalMax);
    flags_ |= kVerticalFlag;
}

void CFScrollBar::InitHorizontal()
{
    horizontal_.Initialize(kHorizontalMax);
    flags_ |= kHorizontalFlag;
}

ScrollOffsets CFScrollBar::Offsets() const
{
    return {HasVertical(), vertical_.Position(), HasHorizontal(), horizontal_.Position()};
}

void CFScrollBar::OnScroll(ScrollBarId bar, std::uint32_t request)
{
    if (bar == ScrollBarId::Vertical && HasVertical())
        vertical_.OnScroll(request);
    else if (bar == ScrollBarId::Horizontal && HasHorizontal())
        horizontal_.OnScroll(request);
}

void CFScrollBar::ScrollToCursor(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                                 std::uint32_t line, std::uint32_t column)
{
    if (HasVertical())
        EnsureLineVisible(document, surface, fonts, line);
    if (HasHorizontal())
        EnsureColumnVisible(document, surface, fonts, line, column);
}

void CFScrollBar::ScrollToCursor(const CFDocument& document, const EditorFonts& fonts, std::uint32_t line,
                                 std::uint32_t column)
{
    if (!window_)
        return;
    const std::unique_ptr<Surface> surface = window_->createSurface();
    if (surface)
        ScrollToCursor(document, *surface, fonts, line, column);
}

void CFScrollBar::EnsureLineVisible(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                                    std::uint32_t line)
{
    const int pos = vertical_.Position();
    if (static_cast<std::int64_t>(line) < pos) {
        vertical_.SetPosition(static_cast<int>(line));
        return;
    }
    const int h = LineHeight(surface, fonts);
    // Without a row height nothing can be placed.
    if (h <= 0)
        return;
    const Rect client = ClientOf(window_);
    // Unsigned on purpose: a client area under 50 pixels gives a huge count,
    // and the view does not follow downwards.
    const std::uint32_t visible =
        static_cast<std::uint32_t>(client.bottom - kMargin) / static_cast<std::uint32_t>(h);
    if (static_cast<std::uint64_t>(line)
        > static_cast<std::uint64_t>(static_cast<std::uint32_t>(pos)) + visible)
        vertical_.SetPosition(static_cast<int>(line - visible));
    UpdatePage(static_cast<std::uint32_t>(client.bottom / h + 1), document.LineCount());
}

void CFScrollBar::EnsureColumnVisible(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                                      std::uint32_t line, std::uint32_t column)
{
    const int x = PrefixExtent(document.Line(line), surface, fonts, column).cx;
    const int pos = horizontal_.Position();
    if (x < pos) {
        horizontal_.SetPosition(x);
        return;
    }
    const Rect client = ClientOf(window_);
    const int width = client.right - client.left - kMargin;
    // A client area narrower than the margin has no room to follow into.
    if (width < 0)
        return;
    if (static_cast<std::int64_t>(x) > static_cast<std::int64_t>(pos) + width)
        horizontal_.SetPosition(x - width);
}

void CFScrollBar::RevealRange(const CFDocument& document, const EditorFonts& fonts, std::uint32_t line,
                              std::uint32_t start, std::uint32_t end)
{
    if (!window_)
        return;
    const std::unique_ptr<Surface> surface = window_->createSurface();
    if (surface)
        RevealRange(document, *surface, fonts, line, start, end);
}

void CFScrollBar::RevealRange(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                              std::uint32_t line, std::uint32_t start, std::uint32_t end)
{
    const Rect client = ClientOf(window_);
    const int h = LineHeight(surface, fonts);
    if (HasVertical() && h > 0 && client.bottom > 0) {
        // Whole rows shown; the context shrinks with a small view.
        const std::uint32_t rows = std::max(static_cast<std::uint32_t>(client.bottom / h), 1u);
        const std::uint32_t context = std::min(kContextRows, (rows - 1) / 2);
        const std::uint32_t count = document.LineCount();
        // The context the document has around the line.
        const std::uint64_t above = std::min(context, line);
        const std::uint64_t below = std::min<std::uint64_t>(context, count - 1 - std::min(line, count - 1));
        const std::uint64_t top = static_cast<std::uint32_t>(vertical_.Position());
        if (top + above > line || line + below >= top + rows) {
            const std::uint32_t lastTop = count > rows ? count - rows : 0;
            vertical_.SetPosition(static_cast<int>(std::min(line > rows / 2 ? line - rows / 2 : 0, lastTop)));
        }
        UpdatePage(static_cast<std::uint32_t>(client.bottom / h + 1), document.LineCount());
    }
    const int width = client.right - client.left;
    if (HasHorizontal() && width > 0) {
        const CFLine& cells = document.Line(line);
        const int x0 = PrefixExtent(cells, surface, fonts, start).cx;
        const int x1 = PrefixExtent(cells, surface, fonts, end).cx;
        const int margin = std::min(kContextPixels, width / 4);
        const int pos = horizontal_.Position();
        const bool clearLeft = x0 >= pos + margin || pos == 0;
        if (!(x0 >= pos && clearLeft && x1 <= pos + width - margin)) {
            // The start a quarter into the view; further left when the end
            // would not fit, but never past the start itself.
            int left = std::max(0, x0 - width / 4);
            if (x1 > left + width - margin)
                left = std::max(0, std::min(x0 - margin, x1 - (width - margin)));
            horizontal_.SetPosition(left);
        }
    }
}

void CFScrollBar::UpdatePage(std::uint32_t shownLines, std::uint32_t lineCount)
{
    vertical_.UpdatePage(shownLines, lineCount);
}

} // namespace velmora
