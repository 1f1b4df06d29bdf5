#pragma once

#include "core/commands/MainEditor.h"
#include "core/document/CFDocument.h"

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// A stand-in for the main editor widget in the main window's tests: a plain
// focusable widget over a document, with a cursor and an input kind the test
// sets, and counters of the commands it received. Its Cut Line throws when
// told to, as a failing command would.
class TestEditorWidget : public QWidget, public MainEditor {
public:
    TestEditorWidget() { setFocusPolicy(Qt::StrongFocus); }

    CFDocument& Document() override { return document; }
    void NewDocument() override
    {
        document.Clear();
        cursor = {};
    }
    void DocumentReplaced() override { cursor = {}; }
    void ResetView() override { cursor = {}; }
    void FontsChanged() override { ++fontChanges; }
    void CutLine() override
    {
        if (throwOnCut)
            throw std::uint32_t{1001};
        ++cuts;
    }
    void CopyLine() override { ++copies; }
    void PasteLine() override { ++pastes; }
    void DeleteLine() override { ++deletions; }
    void Undo() override { ++undos; }
    void Redo() override { ++redos; }
    void SelectAll() override { ++selectAlls; }
    void ConvertTransliteration() override { ++conversions; }
    bool InsertSign(std::uint32_t sign) override
    {
        insertedSigns.push_back(sign);
        return true;
    }
    bool IsBlank() const override { return document.LineCount() == 1 && document.LineLength(0) == 0; }
    bool CanUndo() const override { return canUndo; }
    bool CanRedo() const override { return canRedo; }
    void ToggleSignInput() override { alphabetMode = !alphabetMode; }
    bool AlphabetMode() const override { return alphabetMode; }
    Position CursorPosition() const override { return cursor; }
    std::string LookupStatus() const override { return lookupStatus; }
    // The sign before the cursor of the document.
    std::optional<SignInformation> CurrentSign() const override
    {
        return SignInformation::Before(document, cursor);
    }
    void FocusEditor() override { setFocus(Qt::OtherFocusReason); }

    CFDocument document;
    Position cursor;
    std::string lookupStatus;
    bool alphabetMode = true;
    bool throwOnCut = false;
    int cuts = 0;
    int fontChanges = 0;
    int copies = 0;
    int pastes = 0;
    int deletions = 0;
    int undos = 0;
    int redos = 0;
    int selectAlls = 0;
    int conversions = 0;
    std::vector<std::uint32_t> insertedSigns;
    bool canUndo = false;
    bool canRedo = false;
};

} // namespace velmora
