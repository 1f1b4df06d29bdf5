#include "gui/CTypingHelpWindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

CTypingHelpWindow::CTypingHelpWindow(QWidget* parent)
    : QDialog(parent)
    , intro_(new QLabel(this))
    , table_(new QTableWidget(int(Keys().size()), 2, this))
{
    setObjectName(QStringLiteral("typingHelp"));
    setModal(false);
    intro_->setWordWrap(true);
    intro_->setTextFormat(Qt::PlainText);
    table_->setObjectName(QStringLiteral("keyTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->hide();
    table_->setWordWrap(true);
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(640, 520);
    retranslate();
}

void CTypingHelpWindow::retranslate()
{
    setWindowTitle(tr(kTypingHelpCaption));
    intro_->setText(tr(kTypingHelpIntro));
    table_->setHorizontalHeaderLabels({tr(kTypingHelpKeyColumn), tr(kTypingHelpTypesColumn)});
    int row = 0;
    for (const TypingKey& key : Keys()) {
        table_->setItem(row, 0, new QTableWidgetItem(tr(key.keys)));
        table_->setItem(row, 1, new QTableWidgetItem(tr(key.does)));
        ++row;
    }
    table_->resizeColumnToContents(0);
    table_->resizeRowsToContents();
}

void CTypingHelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace velmora
