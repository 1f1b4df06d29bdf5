#include "qt/QtMessageDisplay.h"

#include "qt/QtText.h"
#include "qt/QtWidgetWindow.h"

#include <QMessageBox>
#include <QString>

namespace velmora {

void QtMessageDisplay::showMessage(Window* owner, std::string_view text, std::string_view caption)
{
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok,
                    QtWidgetWindow::widgetOf(owner));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmora
