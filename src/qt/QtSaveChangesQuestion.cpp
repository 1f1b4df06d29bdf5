#include "qt/QtSaveChangesQuestion.h"

#include "platform/UserTexts.h"
#include "qt/QtText.h"
#include "qt/QtTextTranslator.h"
#include "qt/QtWidgetWindow.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace velmora {

SaveChangesAnswer QtSaveChangesQuestion::askSaveChanges(Window* owner, std::string_view text,
                                                        std::string_view caption)
{
    QMessageBox box(QMessageBox::Question, FromUtf8(caption), FromUtf8(text), QMessageBox::NoButton,
                    QtWidgetWindow::widgetOf(owner));
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(UiText(texts::kSaveAnswer), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(UiText(texts::kDiscardAnswer), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(UiText(texts::kCancelAnswer), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChangesAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

} // namespace velmora
