#pragma once

#include "gui/CToolWindow.h"

class QLabel;
class QPushButton;

namespace velmora {

class CEditorWnd;
class CFSignFont;
class CFWordDictionary;

// The "Word registration" tool window: an "Alphabet word" field for the
// transliteration and a "Sign word" field for the signs it stands for, and
// the button "Register", which adds the signs to the dictionary under the
// transliteration's key and sign number, empties both fields and says what
// it registered ("registered du₃ 𒆕") under the button. A transliteration
// still pending in a field (blue) is taken as typed. Both fields
// start in the "Sign" setting and stay there (Ctrl+Space does not switch
// them), so that letters typed there start a transliteration.
//
// One field is the active one (the "Alphabet word" field at first): keys
// typed into the window itself go to it, a click on a field makes that field
// active, and Tab, typed into the window or into either field, makes the
// other field active, gives it the focus and is delivered to it.
class CRegWordWindow : public CToolWindow {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 400;

    // Created hidden. signFont and dictionary must outlive it.
    CRegWordWindow(PlatformServices services, CFSignFont& signFont, CFWordDictionary& dictionary,
                   int width = kDefaultWidth, int height = kDefaultHeight);

    // Validates the two fields and adds the word to the dictionary; invalid
    // input is reported in a message box owned by this window and changes
    // nothing. On success both fields are emptied. True when a word was
    // added.
    bool RegisterWord();

    // 0: the "Alphabet word" field is active; 1: the "Sign word" field.
    int activeField() const { return activeField_; }

    CEditorWnd& alphabetField() { return *alphabetField_; }
    CEditorWnd& signField() { return *signField_; }
    QPushButton& registerButton() { return *registerButton_; }
    // What the window says after a registration.
    QLabel& registeredNote() { return *noteLabel_; }

protected:
    CEditorWnd& keyField() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Makes the other field active, focuses it and gives it the Tab.
    void switchField(QKeyEvent* tab);
    static bool isTab(const QKeyEvent& event);

    CFWordDictionary& dictionary_;
    CEditorWnd* alphabetField_;
    CEditorWnd* signField_;
    QPushButton* registerButton_;
    QLabel* noteLabel_;
    int activeField_ = 0;
};

} // namespace velmora
