#include "gui/CSearchWindow.h"

#include "core/document/CFLine.h"
#include "core/search/SearchCommands.h"
#include "core/search/SearchTarget.h"
#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"
#include "qt/QtTextTranslator.h"
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
    if (!mainEditorReady(mainEditor_))
        return false;
    SearchResult result;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        result = command(target, wordField_->text(), &owner, services().messages);
    });
    emit mainEditorUsed(result.wrapped ? UiText(texts::kSearchWrapped) : QString());
    return result.found;
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
    if (wordField_->text().Empty()) {
        showWindow();
        return false;
    }
    QtWidgetWindow window(owner);
    return FindNext(static_cast<Window&>(window));
}

bool CSearchWindow::FindPrevious(QWidget& owner)
{
    if (wordField_->text().Empty()) {
        showWindow();
        return false;
    }
    QtWidgetWindow window(owner);
    return FindPrevious(static_cast<Window&>(window));
}

} // namespace velmora
