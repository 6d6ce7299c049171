#pragma once
// A data-aware grid: a QTableView over a DataGridModel of one dataset cursor.
//   The current row follows the cursor and the cursor follows the current row; moving to
//   another row posts the row being edited (a refused post keeps the row and the focus).
//   Down on the last row appends a row; leaving an untouched new row drops it.
//   In-place editing uses a DataEdit on the cell's field, so the edit rules hold in cells.
//   setReadOnly(on): no editing and no appending. Ellipsis buttons: a column with `ellipsis`
//   shows a button in its current cell; a click emits ellipsisClicked(column). The button has
//   the cell's right end to itself: the column's values and its edit stay left of it.
//   model()->cellStyle colours cells; setGridColor(c) sets the grid's background.

#include "platform/widgets/DataGridModel.h"

#include <QTableView>

class DataSource;
class QToolButton;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // The width of the ellipsis button, kept free at the right end of a column that has one.
    static constexpr int kEllipsisWidth = 20;

    DataGridModel* gridModel() const { return model_; }
    void setDataSource(DataSource* source);
    DataSource* dataSource() const;
    void setColumns(std::vector<GridColumn> columns);
    void setReadOnly(bool on);
    bool isReadOnly() const { return readOnly_; }
    void setGridColor(const QColor& color);
    QColor gridBackground() const;

signals:
    void ellipsisClicked(int column);
    void cellClicked(int column);
    void cellDoubleClicked(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void followCursor();
    bool moveCursorTo(int row);
    void placeEllipsis();
    bool appendRow();

    DataGridModel* model_;
    QToolButton* ellipsis_;
    bool readOnly_ = false;
    bool syncing_ = false;
};
