#include "platform/widgets/DataGrid.h"

#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/WidgetColor.h"
#include "platform/widgets/WidgetErrors.h"
#include "platform/widgets/WholeOrMarks.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace {

// Cells are edited by a DataEdit on the cell's field: it writes on leaving and before a post
// and keeps the focus on a refused text, so the delegate neither loads nor stores values.
class DataCellDelegate : public QStyledItemDelegate {
public:
    explicit DataCellDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* edit = new DataEdit(parent);
        edit->setAutoFillBackground(true);
        edit->setDataSource(grid_->dataSource());
        edit->setDataField(grid_->gridModel()->columns()[std::size_t(index.column())].fieldName);
        edit->selectEditText();
        return edit;
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    // A column with an ellipsis button: the cell's background across it, its text left of the
    // button's place, in every row, so that the button never covers a value.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!hasEllipsis(index.column())) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        QStyleOptionViewItem blank = cell;
        blank.text.clear();
        blank.features &= ~QStyleOptionViewItem::HasDisplay;
        style->drawControl(QStyle::CE_ItemViewItem, &blank, painter, widget);
        QStyleOptionViewItem text = cell;
        text.rect.setRight(cell.rect.right() - DataGrid::kEllipsisWidth);
        text.state &= ~QStyle::State_HasFocus;
        style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
    }
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        if (hasEllipsis(index.column()))
            editor->setGeometry(editor->geometry().adjusted(0, 0, -DataGrid::kEllipsisWidth, 0));
    }

protected:
    // A number or a date too wide for its cell shows as marks, not elided to its first digits.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const qx::Field* f = grid_->gridModel()->columnField(index.column());
        if (!f || !ShowsWhole(f->dataType()))
            return;
        const QWidget* widget = option->widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const int room = option->rect.width() - 2 * margin - (hasEllipsis(index.column()) ? DataGrid::kEllipsisWidth : 0);
        option->text = WholeOrMarks(option->text, QFontMetricsF(option->font), room);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* edit = qobject_cast<DataEdit*>(object);
        if (!edit)
            return QStyledItemDelegate::eventFilter(object, event);
        if (event->type() == QEvent::FocusOut) {
            // The edit writes its text itself; a refused text keeps the edit open.
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                if (edit->pendingInput())
                    return false;  // the edit gives back the field's value
                emit const_cast<DataCellDelegate*>(this)->closeEditor(edit, NoHint);
                return true;
            }
            const bool leaves = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return
                                || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down;
            if (leaves) {
                if (!edit->commit())
                    return true;
                emit const_cast<DataCellDelegate*>(this)->closeEditor(edit, NoHint);
                // Up and Down go on to the grid, which moves the row.
                return !(key == Qt::Key_Up || key == Qt::Key_Down);
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    bool hasEllipsis(int column) const
    {
        const auto& columns = grid_->gridModel()->columns();
        return column >= 0 && column < int(columns.size()) && columns[std::size_t(column)].ellipsis;
    }

    DataGrid* grid_;
};

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new DataGridModel(this)), ellipsis_(new QToolButton(viewport()))
{
    setModel(model_);
    setItemDelegate(new DataCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::DoubleClicked);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ellipsis_->setText(QStringLiteral("…"));
    ellipsis_->setFocusPolicy(Qt::NoFocus);
    ellipsis_->hide();
    connect(ellipsis_, &QToolButton::clicked, this, [this] { emit ellipsisClicked(currentIndex().column()); });
    connect(model_, &DataGridModel::cursorMoved, this, &DataGrid::followCursor);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) { emit cellClicked(i.column()); });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { emit cellDoubleClicked(i.column()); });
}

void DataGrid::setDataSource(DataSource* source)
{
    model_->setDataSource(source);
}

DataSource* DataGrid::dataSource() const
{
    return model_->dataSource();
}

void DataGrid::setColumns(std::vector<GridColumn> columns)
{
    std::vector<int> widths;
    for (const GridColumn& c : columns)
        widths.push_back(c.width);
    model_->setColumns(std::move(columns));
    for (int c = 0; c < int(widths.size()); ++c)
        setColumnWidth(c, widths[std::size_t(c)]);
    model_->refresh();
}

void DataGrid::setReadOnly(bool on)
{
    readOnly_ = on;
    setEditTriggers(on ? QAbstractItemView::NoEditTriggers
                       : QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::DoubleClicked);
}

void DataGrid::setGridColor(const QColor& color)
{
    if (color != gridBackground())
        SetWidgetColor(*this, QPalette::Base, color);
}

QColor DataGrid::gridBackground() const
{
    return palette().color(QPalette::Base);
}

// The dataset moved (or its rows changed): the current cell goes to the cursor's row.
void DataGrid::followCursor()
{
    const int row = model_->currentRow();
    const int column = qMax(0, currentIndex().column());
    if (row < 0 || model_->columnCount() == 0 || currentIndex().row() == row)
        return;
    syncing_ = true;
    setCurrentIndex(model_->index(row, column));
    syncing_ = false;
}

// The user moved to another row: the cursor follows, posting the row being edited. A refused
// post (or a refused move) leaves the current cell on the edited row.
bool DataGrid::moveCursorTo(int row)
{
    DataSource* src = dataSource();
    if (!src || !src->active())
        return false;
    qx::ClientDataSet& ds = *src->dataSet();
    try {
        if (row == model_->insertRow())
            return true;
        ds.setRecNo(row + 1);
    } catch (const std::exception& e) {
        ReportWidgetError(e);
    }
    return model_->currentRow() == row;
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    placeEllipsis();
    if (syncing_ || !current.isValid() || current.row() == previous.row())
        return;
    if (!moveCursorTo(current.row()))
        QMetaObject::invokeMethod(this, &DataGrid::followCursor, Qt::QueuedConnection);
}

bool DataGrid::appendRow()
{
    DataSource* src = dataSource();
    if (readOnly_ || !src || !src->active())
        return false;
    qx::ClientDataSet& ds = *src->dataSet();
    // Down on a new row that holds nothing yet adds no second one.
    if (ds.state() == qx::DataSetState::Insert && !ds.modified())
        return true;
    try {
        ds.append();
    } catch (const std::exception& e) {
        ReportWidgetError(e);
    }
    return true;
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && currentIndex().isValid()
        && currentIndex().row() == model_->rowCount() - 1 && appendRow()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down && model_->rowCount() == 0 && appendRow()) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::placeEllipsis()
{
    const QModelIndex cur = currentIndex();
    const auto& cols = model_->columns();
    if (!cur.isValid() || cur.column() >= int(cols.size()) || !cols[std::size_t(cur.column())].ellipsis) {
        ellipsis_->hide();
        return;
    }
    const QRect cell = visualRect(cur);
    ellipsis_->setGeometry(cell.right() - kEllipsisWidth + 1, cell.top(), kEllipsisWidth, cell.height());
    ellipsis_->show();
    ellipsis_->raise();
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placeEllipsis();
}

void DataGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    placeEllipsis();
}
