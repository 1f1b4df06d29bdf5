#pragma once

#include "tests/support/FakeMainEditor.h"

#include <QWidget>

#include <cstdint>

namespace velmora {

// A stand-in for the main editor widget in the main window's tests: the
// fake main editor (a document, a cursor and an input kind the test sets,
// counters of the commands it received) as a plain focusable widget. Its
// Cut Line throws when told to, as a failing command would.
class TestEditorWidget : public QWidget, public FakeMainEditor {
public:
    TestEditorWidget() { setFocusPolicy(Qt::StrongFocus); }

    // The editor's cursor, not the widget's mouse cursor.
    using FakeMainEditor::cursor;

    void CutLine() override
    {
        if (throwOnCut)
            throw std::uint32_t{1001};
        FakeMainEditor::CutLine();
    }
    void FocusEditor() override
    {
        FakeMainEditor::FocusEditor();
        setFocus(Qt::OtherFocusReason);
    }

    bool throwOnCut = false;
};

} // namespace velmora
