#include "core/view/CFScrollBar.h"

#include "core/document/CFDocument.h"
#include "core/view/TextLayout.h"
#include "platform/Surface.h"
#include "platform/Window.h"

#include <memory>

namespace velmora {

namespace {

constexpr int kVerticalMax = 200;
constexpr int kHorizontalMax = 100000;
// Space kept free at the bottom and right edges when following the cursor.
constexpr int kMargin = 50;

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

void CFScrollBar::UpdatePage(std::uint32_t shownLines, std::uint32_t lineCount)
{
    vertical_.UpdatePage(shownLines, lineCount);
}

} // namespace velmora
