#include "qt/QtMessageDisplay.h"

#include "qt/QtWidgetWindow.h"

#include <QMessageBox>
#include <QString>

namespace velmora {

void QtMessageDisplay::showMessage(Window* owner, std::string_view text, std::string_view caption)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok,
                    QtWidgetWindow::widgetOf(owner));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmora
