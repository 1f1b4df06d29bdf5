#include "platform/qt/QtSaveChangesQuestion.h"

#include "platform/qt/QtWidgetWindow.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace velmora {

SaveChangesAnswer QtSaveChangesQuestion::askSaveChanges(Window* owner, std::string_view text,
                                                        std::string_view caption)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::NoButton,
                    QtWidgetWindow::widgetOf(owner));
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
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
