#include "gui/CSearchWindow.h"

#include "core/search/SearchCommands.h"
#include "core/search/SearchTarget.h"
#include "gui/CEditorWnd.h"
#include "qt/QtWidgetWindow.h"

#include <QPushButton>

namespace velmora {

CSearchWindow::CSearchWindow(CEditorWnd& mainEditor, PlatformServices services, CFSignFont& signFont,
                             CFWordDictionary& dictionary, int width, int height)
    : CToolWindow(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Document search"), width, height, services, true)
    , mainEditor_(mainEditor)
{
    addLabel(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Search Word"), 10, 10);
    wordField_ = addWordField(10, 35, signFont, dictionary);
    searchButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Search"), 10, 130);
    previousButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Previous"), 120, 130);
    nextButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Next"), 230, 130);

    connect(searchButton_, &QPushButton::clicked, this, [this] { FindFromTop(ownerWindow()); });
    connect(previousButton_, &QPushButton::clicked, this, [this] { FindPrevious(ownerWindow()); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { FindNext(ownerWindow()); });
    connect(wordField_, &CEditorWnd::enterPressed, this, [this] { FindNext(ownerWindow()); });
    setSettingSource(&mainEditor_);
}

bool CSearchWindow::Search(SearchCommand command, Window& owner)
{
    bool hit = false;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        hit = command(target, wordField_->text(), &owner, services().messages);
    });
    return hit;
}

bool CSearchWindow::FindFromTop(Window& owner)
{
    return Search(&velmora::FindFromTop, owner);
}

bool CSearchWindow::FindNext(Window& owner)
{
    return Search(&velmora::FindNext, owner);
}

bool CSearchWindow::FindPrevious(Window& owner)
{
    return Search(&velmora::FindPrevious, owner);
}

bool CSearchWindow::FindNext(QWidget& owner)
{
    QtWidgetWindow window(owner);
    return FindNext(static_cast<Window&>(window));
}

bool CSearchWindow::FindPrevious(QWidget& owner)
{
    QtWidgetWindow window(owner);
    return FindPrevious(static_cast<Window&>(window));
}

} // namespace velmora
