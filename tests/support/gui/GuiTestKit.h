#pragma once

#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/CFWordSign.h"
#include "core/view/CFSignFont.h"
#include "platform/PlatformServices.h"
#include "qt/QtFontFactory.h"
#include "qt/QtKeyboardState.h"
#include "qt/QtWidgetWindow.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

inline constexpr std::uint32_t kLugal = 0x12217;
inline constexpr std::uint32_t kDu1 = 0x1207A, kDu2 = 0x12071, kDu3 = 0x12157;

// Records the modal messages, and the widget that owned each one at the time
// it was shown (its Window may be gone by the time a test looks).
class OwnedMessageRecorder : public MessageRecorder {
public:
    void showMessage(Window* owner, std::string_view text, std::string_view caption) override
    {
        MessageRecorder::showMessage(owner, text, caption);
        owners_.push_back(QtWidgetWindow::widgetOf(owner));
    }
    const std::vector<QWidget*>& ownerWidgets() const { return owners_; }

private:
    std::vector<QWidget*> owners_;
};

inline WordPtr KeyWord(const std::string& symbols)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(symbols.begin(), symbols.end()));
}

// What the widgets of the program share: real Qt fonts and keyboard state,
// an in-memory clipboard and settings, a recorder for the modal messages,
// the sign font record and a small dictionary (LUGAL numbered 1; DU numbered 1, 2, 3).
struct GuiTestKit {
    GuiTestKit()
    {
        add(1, "LUGAL", {kLugal});
        add(1, "DU", {kDu1});
        add(2, "DU", {kDu2});
        add(3, "DU", {kDu3, kDu3});
    }

    void add(std::uint32_t number, const std::string& key, std::vector<std::uint32_t> signs)
    {
        dictionary.AddWord(number, KeyWord(key), CFWordSign::FromCells(signs));
    }

    QtFontFactory fonts;
    FakeClipboard clipboard;
    OwnedMessageRecorder messages;
    QtKeyboardState keyboard{false};
    MemorySettings settings;
    PlatformServices services{fonts, clipboard, messages, keyboard, settings};
    CFSignFont signFont{fonts, settings};
    CFWordDictionary dictionary;
};

// Shows a top-level widget and makes it the active window, so that it can
// hold the keyboard focus.
inline bool ShowActive(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}

// The cells of a line as a string of code points.
template <class Line>
std::u32string CellsOf(const Line& line)
{
    const auto cells = line.Cells();
    return std::u32string(cells.begin(), cells.end());
}

} // namespace velmora::test
