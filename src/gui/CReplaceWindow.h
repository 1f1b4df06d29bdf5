#pragma once

#include "gui/CToolWindow.h"

#include <cstdint>

class QPushButton;

namespace velmora {

class CEditorWnd;
class CFSignFont;
class CFWordDictionary;
class Window;

// The "Document replace" tool window: a "Find Word" and a "Replace Word"
// field, typed like the document, and the buttons "Search" (the find word
// from the top), "Replace" (the next occurrence at or after the main
// editor's cursor, going round the document's end) and "Replace All" (every
// occurrence, as one undo step).
// Enter in the find-word field runs "Search", in the replace-word field
// "Replace". Keys typed into the window itself go to the find-word field;
// the replace-word field is reached by clicking it. The fields take the
// main editor's setting when the window is shown.
class CReplaceWindow : public CToolWindow {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 320;

    // Created hidden. mainEditor, signFont and dictionary must outlive it.
    CReplaceWindow(CEditorWnd& mainEditor, PlatformServices services, CFSignFont& signFont,
                   CFWordDictionary& dictionary, int width = kDefaultWidth, int height = kDefaultHeight);

    // What the buttons do, with this window as the owner of messages and the
    // window that gets the focus back. True on a hit.
    bool FindFromTop();
    bool ReplaceNext();
    // The number of occurrences replaced.
    std::uint32_t ReplaceAll();

    CEditorWnd& findField() { return *findField_; }
    CEditorWnd& replaceField() { return *replaceField_; }
    QPushButton& searchButton() { return *searchButton_; }
    QPushButton& replaceButton() { return *replaceButton_; }
    QPushButton& replaceAllButton() { return *replaceAllButton_; }

protected:
    CEditorWnd& keyField() override { return *findField_; }

private:
    CEditorWnd& mainEditor_;
    CEditorWnd* findField_;
    CEditorWnd* replaceField_;
    QPushButton* searchButton_;
    QPushButton* replaceButton_;
    QPushButton* replaceAllButton_;
};

} // namespace velmora
