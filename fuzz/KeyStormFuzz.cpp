// Storms one editor with keys, modifier states and clicks through its mode
// controller, as the editor widget sends them, and checks what the editing
// engine promises after every event: the cursor and the selection inside the
// document, no line over 1000 cells, no more lines than the editor allows
// (or than it started with). At the end, undoing every step must give back
// the text the storm started from, and redoing those steps the text it ended
// with.
//
// Input: the first byte chooses the starting text, the line limit and the
// clipboard's text; then each pair of bytes is one event (a key with its
// Shift, Ctrl and Caps Lock state, a click of some kind with or without a
// drag, or a paint).
#include "core/commands/MainMenu.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CFSelectedText.h"
#include "core/document/RangeEdit.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "core/modes/MouseFlags.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "platform/PlatformServices.h"
#include "platform/VirtualKeys.h"
#include "tests/support/FakeSurface.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ModeTestEditor.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace velmora;

// Fewer events than the undo history holds steps, so that every step of a
// storm can be taken back.
constexpr std::size_t kMaxEvents = 200;

constexpr std::array<std::uint32_t, 40> kKeys{
    'A',       'C',        'D',      'G',        'H',        'L',       'N',       'S',
    'T',       'U',        'V',      'X',        'Y',        'Z',       '1',       '3',
    vk::Space, vk::Return, vk::Back, vk::Delete, vk::Escape, vk::Tab,   vk::Shift, vk::Left,
    vk::Right, vk::Up,     vk::Down, vk::Home,   vk::End,    vk::Prior, vk::Next,  vk::OemMinus,
    vk::Oem7,  vk::Oem3,   vk::Oem1, 'a',        'B',        'I',       'M',       vk::Control,
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

CFDocument Lines(const std::vector<std::u32string>& lines)
{
    CFDocument document;
    for (std::uint32_t l = 0; l < lines.size(); ++l) {
        if (l > 0)
            document.InsertLine(l);
        document.InsertCells(static_cast<std::uint32_t>(lines[l].size()), l, 0,
                             reinterpret_cast<const std::uint32_t*>(lines[l].data()));
    }
    return document;
}

WordPtr Word(const std::string& symbols)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(symbols.begin(), symbols.end()));
}

// A window whose surfaces keep no record of what was measured on them, so
// that a long storm does not pile up records.
class StormWindow : public FakeWindow {
public:
    using FakeWindow::FakeWindow;
    std::unique_ptr<Surface> createSurface() override { return std::make_unique<FakeSurface>(); }
};

bool Inside(const CFDocument& document, Position p)
{
    return p.line < document.LineCount() && p.column <= document.LineLength(p.line);
}

// The editor of the mode tests, in a window whose surfaces keep no record,
// with the starting text, line limit, clipboard and setting the first byte
// chooses, and a dozen candidates for a (paging).
struct Editor : test::BasicModeTestEditor<StormWindow> {
    explicit Editor(std::uint8_t choice) : BasicModeTestEditor(LimitOf(choice), Rect{0, 0, 600, 400})
    {
        lineLimit = LimitOf(choice);
        for (std::uint32_t n = 1; n <= 12; ++n)
            dictionary.AddWord(n, Word("A"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12000 + n}));

        // Long lines first, so that a one-line field may start with one.
        std::vector<std::u32string> text;
        if (choice & 4)
            text.push_back(std::u32string(995, U'x'));
        if (choice & 8)
            text.push_back(std::u32string(998, U'\U00012000'));
        if (choice & 16)
            text.push_back(std::u32string(1000, U'y')); // as long as a file may hold
        for (const char32_t* line : {U"a-na be-li\u2082-ia", U"", U"um-ma {d}a-nun-na-ki"})
            text.push_back(line);
        if (std::int64_t(text.size()) > lineLimit)
            text.resize(static_cast<std::size_t>(std::max<std::int64_t>(1, lineLimit - 1)));
        data->document = Lines(text);
        startLines = data->document.LineCount();

        switch ((choice >> 5) & 3) {
        case 0:
            clipboard.setNoText();
            break;
        case 1:
            clipboard.setText(u"lugal\r\n\U00012217 sa\rx\ny");
            break;
        case 2:
            clipboard.setText(std::u16string(600, u'q'));
            break;
        default:
            clipboard.setText(std::u16string{u'a', 0xD808, u'b', 0xDC00, 0xD808});
            break;
        }
        data->alphabetMode = (choice & 0x80) == 0;
    }

    static std::int32_t LimitOf(std::uint8_t choice)
    {
        static constexpr std::int32_t kLimits[] = {CFModeData::kMainLineLimit, 1, 3, 6};
        return kLimits[choice & 3];
    }

    // A key as the editor widget handles it: a key of the command table
    // (undo, cut, paste, convert …) runs its command unless the mode claims
    // it; any other goes to the mode.
    void key(std::uint8_t which, std::uint8_t state)
    {
        const std::uint32_t vk = kKeys[which % kKeys.size()];
        const KeyModifiers modifiers{(state & 1) != 0, (state & 2) != 0, (state & 4) != 0};
        const auto command = CommandForKeys(KeysText(vk, modifiers));
        if (command && !ctrl->ClaimsKey(vk, modifiers))
            RunEditorCommand(*command, *ctrl, *data);
        else
            ctrl->RouteKey(vk, modifiers);
        scrollToCursor();
    }

    // A press where the pointer is (plain, with Shift, or the second or third
    // of a quick succession), and a drag to another place, as the widget
    // routes them: double and triple clicks, drags and the ticks of a drag
    // held outside the client area only in normal mode.
    void click(std::uint8_t where, std::uint8_t kind)
    {
        window.setPointer({(where & 15) * 37, (where >> 4) * 23});
        static constexpr std::uint32_t kPresses[] = {0, mouse::kShift, mouse::kDoubleClick,
                                                     mouse::kTripleClick};
        const std::uint32_t press = kPresses[(kind >> 1) & 3];
        if (press == mouse::kShift || press == 0 || ctrl->CurrentModeId() == kNormalModeId)
            ctrl->RouteMouse(mouse::kLeft | press);
        if ((kind & 1) && ctrl->CurrentModeId() == kNormalModeId) {
            // Reaches past the right edge and, below, past the bottom.
            window.setPointer({(where >> 4) * 53, (where & 15) * 11 + (kind & 8 ? 400 : 0)});
            ctrl->RouteMouse(mouse::kLeft | mouse::kDrag);
            ctrl->RouteMouse(mouse::kLeft | mouse::kAutoScroll);
        }
        scrollToCursor();
    }

    void paint()
    {
        FakeSurface surface;
        ctrl->CurrentMode().OnPaint(surface);
    }

    void scrollToCursor()
    {
        const auto fonts = signFont.Fonts();
        scrollBar->ScrollToCursor(data->document, *fonts, data->cursor->line, data->cursor->column);
    }

    void checkInvariants() const
    {
        const CFDocument& document = data->document;
        Check(Inside(document, data->cursor->position()));
        const CFSelectedText& selection = *data->selection;
        Check(selection.start() <= selection.end());
        Check(Inside(document, selection.start()) && Inside(document, selection.end()));
        Check(std::int64_t(document.LineCount()) <= std::max<std::int64_t>(lineLimit, startLines));
        for (std::uint32_t l = 0; l < document.LineCount(); ++l)
            Check(document.LineLength(l) <= document.maxLineLength);
        const int mode = ctrl->CurrentModeId();
        Check(mode == kNormalModeId || mode == kInputModeId || mode == kSignSelectionModeId);
        Check(mode == kNormalModeId || !data->pending.Empty());
    }

    std::int32_t lineLimit = 1;
    std::uint32_t startLines = 1;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    Editor editor(data[0]);
    const CFDocument start = editor.data->document;

    std::size_t events = 0;
    for (std::size_t i = 1; i + 1 < size && events < kMaxEvents; i += 2, ++events) {
        const std::uint8_t what = data[i];
        const std::uint8_t how = data[i + 1];
        if (what >= 248)
            editor.paint();
        else if (what >= 224)
            editor.click(how, what);
        else
            editor.key(what, how);
        editor.checkInvariants();
    }

    // The storm may itself have undone steps; redoing as many steps as are
    // undone here comes back to where it ended.
    const CFDocument end = editor.data->document;
    CFUndoList& undo = *editor.data->undoList;
    const std::size_t steps = undo.count();
    while (undo.count() > 0) {
        undo.Undo();
        Check(Inside(editor.data->document, editor.data->cursor->position()));
    }
    Check(editor.data->document == start);
    for (std::size_t i = 0; i < steps; ++i) {
        undo.Redo();
        Check(Inside(editor.data->document, editor.data->cursor->position()));
    }
    Check(editor.data->document == end);
    return 0;
}
