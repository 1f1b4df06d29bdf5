#include "gui/CReplaceWindow.h"

#include "core/search/SearchCommands.h"
#include "core/search/SearchTarget.h"
#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"
#include "qt/QtTextTranslator.h"

#include <QPushButton>

namespace velmora {

CReplaceWindow::CReplaceWindow(CEditorWnd& mainEditor, PlatformServices services, CFSignFont& signFont,
                               CFWordDictionary& dictionary, int width, int height)
    : CToolWindow(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Document replace"), width, height, services,
                  true)
    , mainEditor_(mainEditor)
{
    addLabel(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Find Word"), 10, 15);
    findField_ = addWordField(10, 35, signFont, dictionary);
    addLabel(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Replace Word"), 10, 130);
    replaceField_ = addWordField(10, 150, signFont, dictionary);
    searchButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Search"), 10, 245);
    replaceButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Replace"), 120, 245);
    replaceAllButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Replace All"), 230, 245);
    setSettingSource(&mainEditor_);

    connect(searchButton_, &QPushButton::clicked, this, [this] { FindFromTop(); });
    connect(replaceButton_, &QPushButton::clicked, this, [this] { ReplaceNext(); });
    connect(replaceAllButton_, &QPushButton::clicked, this, [this] { ReplaceAll(); });
    connect(findField_, &CEditorWnd::enterPressed, this, [this] { FindFromTop(); });
    connect(replaceField_, &CEditorWnd::enterPressed, this, [this] { ReplaceNext(); });
}

bool CReplaceWindow::FindFromTop()
{
    if (!mainEditorReady(mainEditor_))
        return false;
    SearchResult result;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        result = velmora::FindFromTop(target, findField_->text(), &ownerWindow(), services().messages);
    });
    emit mainEditorUsed({});
    return result.found;
}

std::uint32_t CReplaceWindow::ReplaceAll()
{
    if (!mainEditorReady(mainEditor_))
        return 0;
    std::uint32_t count = 0;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        count = velmora::ReplaceAll(target, findField_->text(), replaceField_->text(), &ownerWindow(),
                                    services().messages);
    });
    emit mainEditorUsed({});
    return count;
}

bool CReplaceWindow::ReplaceNext()
{
    if (!mainEditorReady(mainEditor_))
        return false;
    SearchResult result;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        result = velmora::ReplaceNext(target, findField_->text(), replaceField_->text(), &ownerWindow(),
                                      services().messages);
    });
    emit mainEditorUsed(result.wrapped ? UiText(texts::kSearchWrapped) : QString());
    return result.found;
}

} // namespace velmora
