#pragma once

#include "core/commands/MainEditor.h"
#include "core/document/CFDocument.h"

#include <string>
#include <vector>

namespace velmora {

// A main editor over a document of its own. It counts the calls of the
// commands and keeps a cursor that NewDocument and ResetView put at (0, 0).
class FakeMainEditor : public MainEditor {
public:
    CFDocument& Document() override { return document; }
    void NewDocument() override
    {
        document.Clear();
        cursor = {};
        ++newDocuments;
    }
    void DocumentReplaced() override
    {
        cursor = {};
        ++replacements;
    }
    void ResetView() override
    {
        cursor = {};
        ++viewResets;
    }
    void FontsChanged() override { ++fontChanges; }
    void CutLine() override { ++cuts; }
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
    void FocusEditor() override { ++focusRequests; }

    CFDocument document;
    Position cursor;
    std::string lookupStatus;
    bool alphabetMode = true;
    int newDocuments = 0;
    int replacements = 0;
    int viewResets = 0;
    int fontChanges = 0;
    int cuts = 0;
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
    int focusRequests = 0;
};

} // namespace velmora
