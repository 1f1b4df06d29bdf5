#include "search/CReplaceWindow.h"

#include "search/SearchCommands.h"
#include "search/SearchTarget.h"
#include "view/CEditorWnd.h"

#include <QPushButton>

namespace velmora {

CReplaceWindow::CReplaceWindow(CEditorWnd& mainEditor, PlatformServices services,
                               CFSignFont& signFont, CFWordDictionary& dictionary, int width,
                               int height)
    : CToolWindow(QStringLiteral("Document replace"), width, height, services, true)
    , mainEditor_(mainEditor)
{
    addLabel(QStringLiteral("Find Word"), 10, 15);
    findField_ = addWordField(10, 35, signFont, dictionary);
    addLabel(QStringLiteral("Replace Word"), 10, 130);
    replaceField_ = addWordField(10, 150, signFont, dictionary);
    searchButton_ = addButton(QStringLiteral("Search"), 10, 245);
    replaceButton_ = addButton(QStringLiteral("Replace"), 120, 245);

    connect(searchButton_, &QPushButton::clicked, this, [this] { FindFromTop(); });
    connect(replaceButton_, &QPushButton::clicked, this, [this] { ReplaceNext(); });
}

bool CReplaceWindow::FindFromTop()
{
    bool hit = false;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        hit = velmora::FindFromTop(target, findField_->text(), &ownerWindow(),
                                   services().messages);
    });
    return hit;
}

bool CReplaceWindow::ReplaceNext()
{
    bool hit = false;
    runCommand([&] {
        SearchTarget target = mainEditor_.searchTarget();
        hit = velmora::ReplaceNext(target, findField_->text(), replaceField_->text(),
                                   &ownerWindow(), services().messages);
    });
    return hit;
}

} // namespace velmora
