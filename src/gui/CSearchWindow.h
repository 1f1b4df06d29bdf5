#pragma once

#include "gui/CToolWindow.h"

class QPushButton;

namespace velmora {

class CEditorWnd;
class CFLine;
class CFSignFont;
class CFWordDictionary;
class MessageDisplay;
class Window;
struct SearchResult;
struct SearchTarget;

// The "Document search" tool window: one word field, typed like the
// document, and the buttons "Search" (from the top), "Previous" and "Next",
// which select the next occurrence in the main editor and give the focus
// back to this window; Enter in the field runs "Next". The main window's
// Find Next and Find Previous use the same word, also while this window is
// hidden. The field takes the main editor's setting when the window is
// shown.
class CSearchWindow : public CToolWindow {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 200;

    // Created hidden. mainEditor, signFont and dictionary must outlive it.
    CSearchWindow(CEditorWnd& mainEditor, PlatformServices services, CFSignFont& signFont,
                  CFWordDictionary& dictionary, int width = kDefaultWidth, int height = kDefaultHeight);

    // The searches with the word of the field. A hit is selected in the main
    // editor, which repaints, and the focus goes to owner; Next and Previous
    // go round the document's end, and mainEditorUsed() then notes "search
    // wrapped". A word that occurs nowhere is told in a message box owned by
    // owner ("検索終了"). True on a hit. The buttons pass this window.
    bool FindFromTop(Window& owner);
    bool FindNext(Window& owner);
    bool FindPrevious(Window& owner);
    // The main window's Find Next and Find Previous, with the main window as
    // owner. Without a search word they show this window instead, so that
    // one can be typed.
    bool FindNext(QWidget& owner);
    bool FindPrevious(QWidget& owner);

    CEditorWnd& wordField() { return *wordField_; }
    QPushButton& searchButton() { return *searchButton_; }
    QPushButton& previousButton() { return *previousButton_; }
    QPushButton& nextButton() { return *nextButton_; }

protected:
    CEditorWnd& keyField() override { return *wordField_; }

private:
    using SearchCommand = SearchResult (*)(SearchTarget&, const CFLine&, Window*, MessageDisplay&);
    // Runs a search command with the word of the field over the main editor.
    bool Search(SearchCommand command, Window& owner);

    CEditorWnd& mainEditor_;
    CEditorWnd* wordField_;
    QPushButton* searchButton_;
    QPushButton* previousButton_;
    QPushButton* nextButton_;
};

} // namespace velmora
