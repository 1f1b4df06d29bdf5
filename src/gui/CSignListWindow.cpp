#include "gui/CSignListWindow.h"

#include "core/commands/SignIndex.h"
#include "qt/QtText.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

enum Column { kGlyphColumn, kNameColumn, kCodeColumn, kReadingsColumn, kColumns };

QString Translated(const char* text)
{
    return QCoreApplication::translate("velmora::CSignListWindow", text);
}

} // namespace

// The rows the filter lets through, over the index. Texts are made when a
// row is shown, so a new filter costs no more than its list of rows.
class CSignListWindow::Model : public QAbstractTableModel {
public:
    explicit Model(const SignIndex& index, QObject* parent) : QAbstractTableModel(parent), index_(index) {}

    void setRows(std::vector<std::size_t> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    void setGlyphFont(const QFont& font)
    {
        glyphFont_ = font;
        if (!rows_.empty())
            emit dataChanged(index(0, kGlyphColumn), index(rowCount() - 1, kGlyphColumn), {Qt::FontRole});
    }
    const SignIndex::Sign& sign(int row) const { return index_.at(rows_[std::size_t(row)]); }
    int rowOf(std::size_t indexRow) const
    {
        const auto it = std::find(rows_.begin(), rows_.end(), indexRow);
        return it == rows_.end() ? -1 : int(it - rows_.begin());
    }
    void retranslate() { emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1); }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex& cell, int role) const override
    {
        if (!cell.isValid() || cell.row() >= rowCount())
            return {};
        const SignIndex::Sign& s = sign(cell.row());
        if (role == Qt::FontRole && cell.column() == kGlyphColumn)
            return glyphFont_;
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (cell.column()) {
        case kGlyphColumn: {
            const char32_t glyph = s.codePoint;
            return QString::fromUcs4(&glyph, 1);
        }
        case kNameColumn:
            return FromUtf8(s.name);
        case kCodeColumn:
            return FromUtf8(s.code);
        case kReadingsColumn:
            return FromUtf8(s.readings);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static constexpr const char* kTitles[kColumns] = {kSignListSign, kSignListName, kSignListCode,
                                                          kSignListReadings};
        return section >= 0 && section < kColumns ? Translated(kTitles[section]) : QVariant();
    }

private:
    const SignIndex& index_;
    std::vector<std::size_t> rows_;
    QFont glyphFont_;
};

CSignListWindow::CSignListWindow(const SignIndex& index, QWidget* parent)
    : QDockWidget(parent)
    , index_(index)
    , model_(new Model(index, this))
    , filter_(new QLineEdit)
    , view_(new QTreeView)
    , atCursor_(new QPushButton)
{
    setObjectName(QStringLiteral("signList"));
    filter_->setObjectName(QStringLiteral("signFilter"));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    atCursor_->setObjectName(QStringLiteral("signAtCursor"));

    view_->setObjectName(QStringLiteral("signView"));
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    // Every row as high as the first: the view lays out only what it shows.
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->header()->setStretchLastSection(true);
    view_->header()->resizeSection(kGlyphColumn, 60);
    view_->header()->resizeSection(kNameColumn, 100);
    view_->header()->resizeSection(kCodeColumn, 80);
    // Enter and a double click.
    connect(view_, &QAbstractItemView::activated, this, [this] { chooseCurrent(); });
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(filter_, &QLineEdit::returnPressed, this, [this] { chooseCurrent(); });
    connect(atCursor_, &QPushButton::clicked, this, &CSignListWindow::cursorSignRequested);

    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(atCursor_);
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    setWidget(contents);
    // Wide enough for the readings to start beside the code point.
    contents->setMinimumWidth(420);
    setFocusProxy(filter_);
    applyFilter();
    retranslate();
}

CSignListWindow::~CSignListWindow() = default;

void CSignListWindow::setSignFont(const QFont& font)
{
    QFont glyph = font;
    glyph.setPixelSize(std::max(20, QFontMetrics(view_->font()).height() * 3 / 2));
    model_->setGlyphFont(glyph);
    // Room for the widest signs (a sign is up to about three times as wide
    // as it is high).
    view_->header()->resizeSection(kGlyphColumn, glyph.pixelSize() * 3);
    // The rows follow the glyph's height.
    view_->reset();
}

void CSignListWindow::showAndFocus()
{
    show();
    raise();
    filter_->setFocus(Qt::OtherFocusReason);
    filter_->selectAll();
}

bool CSignListWindow::showSign(std::uint32_t codePoint)
{
    const auto indexRow = index_.RowOf(codePoint);
    if (!indexRow)
        return false;
    int row = model_->rowOf(*indexRow);
    if (row < 0) {
        filter_->clear();
        row = model_->rowOf(*indexRow);
    }
    const QModelIndex cell = model_->index(row, 0);
    view_->setCurrentIndex(cell);
    view_->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    return true;
}

std::vector<std::uint32_t> CSignListWindow::shownSigns() const
{
    std::vector<std::uint32_t> out;
    out.reserve(std::size_t(model_->rowCount()));
    for (int row = 0; row < model_->rowCount(); ++row)
        out.push_back(model_->sign(row).codePoint);
    return out;
}

std::optional<std::uint32_t> CSignListWindow::currentSign() const
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return model_->sign(current.row()).codePoint;
}

void CSignListWindow::applyFilter()
{
    model_->setRows(index_.Filter(filter_->text().toStdU32String()));
    // The best match is the one Enter takes.
    if (model_->rowCount() > 0)
        view_->setCurrentIndex(model_->index(0, 0));
}

void CSignListWindow::chooseCurrent()
{
    if (const auto sign = currentSign())
        emit signChosen(*sign);
}

bool CSignListWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Up, Down, Page Up and Page Down in the filter field move through the
    // list, so that the hands stay on the keys.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(view_, event);
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

void CSignListWindow::retranslate()
{
    setWindowTitle(Translated(kSignListCaption));
    filter_->setPlaceholderText(Translated(kSignListFilterHint));
    atCursor_->setText(Translated(kSignListAtCursor));
    atCursor_->setToolTip(Translated(kSignListAtCursorTip));
    model_->retranslate();
}

void CSignListWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

} // namespace velmora
