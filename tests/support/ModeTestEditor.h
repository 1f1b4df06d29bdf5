#pragma once

#include "core/commands/MainMenu.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "platform/PlatformServices.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingScrollSink.h"
#include "tests/support/ScriptedKeyboard.h"

#include <boost/make_shared.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

// Key words are written with their key symbols, candidates as sign codes.
inline WordPtr Key(const std::string& symbols)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(symbols.begin(), symbols.end()));
}
inline WordPtr Signs(std::vector<std::uint32_t> codes)
{
    return CFWordSign::FromCells(codes);
}

inline constexpr std::uint32_t kLugal = 0x12217;
inline constexpr std::uint32_t kDu1 = 0x1207A, kDu2 = 0x12071, kDu3 = 0x12157;

// One editor as the editor window puts it together: scroll bar, editing
// state and mode controller over the platform doubles, in a window of the
// given type and client area. With the editor's default fonts a line is
// 50 px high, a sign 50 px wide, a Latin letter 14 px wide.
template <class WindowType = FakeWindow>
struct BasicModeTestEditor {
    explicit BasicModeTestEditor(std::int32_t lineLimit = CFModeData::kMainLineLimit,
                                 Rect client = Rect{0, 0, 800, 600})
        : window(client)
    {
        scrollBar->InitVertical();
        scrollBar->InitHorizontal();
        data = boost::make_shared<CFModeData>(&window, &dictionary, lineLimit, scrollBar, signFont, services);
        ctrl = std::make_unique<CFModeCtrl>(&signFont, data);
        dictionary.AddWord(1, Key("LUGAL"), Signs({kLugal}));
        dictionary.AddWord(1, Key("DU"), Signs({kDu1}));
        dictionary.AddWord(2, Key("DU"), Signs({kDu2}));
        dictionary.AddWord(3, Key("DU"), Signs({kDu3, kDu3}));
    }

    // Presses keys, each sent with the modifiers the scripted keyboard
    // holds now, as the editor widget sends the modifiers of each event.
    int press(std::initializer_list<std::uint32_t> keys)
    {
        for (auto k : keys)
            ctrl->RouteKey(k, modifiers());
        return ctrl->CurrentModeId();
    }
    int type(const std::string& keys)
    {
        for (char c : keys)
            ctrl->RouteKey(static_cast<unsigned char>(c), modifiers());
        return ctrl->CurrentModeId();
    }
    // A key pressed with Ctrl (and Shift when shift is set).
    int ctrlPress(std::uint32_t key, bool shift = false)
    {
        const KeyModifiers keys{shift, true, keyboard.capsLockOn()};
        const auto command = ctrl->ClaimsKey(key, keys) ? std::nullopt : CommandForKeys(KeysText(key, keys));
        if (!command || !RunEditorCommand(*command, *ctrl, *data))
            ctrl->RouteKey(key, keys);
        return ctrl->CurrentModeId();
    }
    KeyModifiers modifiers() const
    {
        return {keyboard.shiftHeld(), keyboard.ctrlHeld(), keyboard.capsLockOn()};
    }
    int mode() const { return ctrl->CurrentModeId(); }
    CFDocument& doc() { return data->document; }
    CCursor& cursor() { return *data->cursor; }
    Position at() const { return data->cursor->position(); }
    std::u32string pending() const
    {
        const auto c = data->pending.Cells();
        return std::u32string(c.begin(), c.end());
    }
    std::size_t undoCount() const { return data->undoList->count(); }
    Position selectionStart() const { return data->selection->start(); }
    Position selectionEnd() const { return data->selection->end(); }
    bool selecting() const { return data->selection->active(); }
    // A line of n copies of a cell.
    void fillLine(std::uint32_t line, std::uint32_t n, std::uint32_t cell = 'x')
    {
        const std::vector<std::uint32_t> cells(n, cell);
        doc().InsertCells(n, line, doc().LineLength(line), cells.data());
    }

    WindowType window;
    RecordingScrollSink sink;
    FakeFontFactory fonts;
    MemorySettings settings;
    FakeClipboard clipboard;
    MessageRecorder messages;
    ScriptedKeyboard keyboard;
    PlatformServices services{fonts, clipboard, messages, keyboard, settings};
    CFSignFont signFont{fonts, settings};
    CFWordDictionary dictionary;
    boost::shared_ptr<CFScrollBar> scrollBar = boost::make_shared<CFScrollBar>(&window, &sink);
    boost::shared_ptr<CFModeData> data;
    std::unique_ptr<CFModeCtrl> ctrl;
};

using ModeTestEditor = BasicModeTestEditor<>;

} // namespace velmora::test
