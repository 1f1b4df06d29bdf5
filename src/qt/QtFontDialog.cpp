#include "qt/QtFontDialog.h"

#include "platform/UserTexts.h"
#include "qt/QtFontFactory.h"
#include "qt/QtTextTranslator.h"
#include "qt/QtWidgetWindow.h"

#include <QFontDialog>

namespace velmora {

QtFontDialog::QtFontDialog(QtFontFactory& fonts) : fonts_(fonts)
{
}

std::optional<FontAttributes> QtFontDialog::chooseFont(Window* owner, const FontAttributes& initial)
{
    QFontDialog dialog(QtWidgetWindow::widgetOf(owner));
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(UiText(texts::kFontDialogTitle));
    if (const auto font = fonts_.createQtFont(initial))
        dialog.setCurrentFont(font->qfont());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QtFont::describe(dialog.selectedFont());
}

} // namespace velmora
