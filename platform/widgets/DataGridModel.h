#pragma once
// A table model over one cursor of a dataset, for DataGrid.
//   Rows are the cursor's rows in its order, plus the new record while the dataset is
//   inserting (shown last). Columns are fields by name, with a title, alignment and font.
//   A row's values and display texts are read in one pass (one calculation of the row) and kept
//   until the dataset says they changed: a move of the cursor keeps them, a change of the record
//   under edit drops that row's, any other change drops all.
//   cellStyle: colours per cell from the row's values (e.g. by a type field).

#include "platform/data/ClientDataSet.h"
#include "platform/widgets/DataAware.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <functional>
#include <optional>
#include <vector>

class DataSource;

struct GridColumn {
    QString fieldName;
    QString title;
    int width = 64;
    std::optional<Qt::Alignment> alignment;  // unset: the field's
    std::optional<QFont> font;               // unset: the grid's
    bool ellipsis = false;                   // an ellipsis button in the current cell
};

struct GridCellStyle {
    QColor text;        // invalid: the grid's
    QColor background;  // invalid: the grid's
};

class DataGridModel : public QAbstractTableModel, public DataAware {
    Q_OBJECT
public:
    explicit DataGridModel(QObject* parent = nullptr);

    using CellStyler = std::function<void(int column, const std::vector<qx::Value>& rowValues, GridCellStyle& style)>;
    CellStyler cellStyle;

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    GridColumn& column(int c) { return columns_[std::size_t(c)]; }
    qx::Field* columnField(int c) const;

    // The row of the dataset's active record; -1 when there is none.
    int currentRow() const;
    // The row of the new record while inserting, else -1.
    int insertRow() const;
    // Values of a row (every field, in field order), read once and kept.
    const std::vector<qx::Value>& rowValues(int row) const;
    // How often rows were read from the dataset (each read is one calculation of the row).
    int rowReads() const { return rowReads_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void refresh() override;
    void dataEvent(qx::DataEvent event) override;
    bool takesFieldFocus() const override { return false; }

signals:
    // The dataset's cursor moved or rows changed: the view follows the current row.
    void cursorMoved();

private:
    struct CachedRow {
        bool valid = false;
        std::vector<qx::Value> values;
        QStringList texts;
    };
    const CachedRow& cached(int row) const;
    void dropAll();

    std::vector<GridColumn> columns_;
    mutable std::vector<CachedRow> cache_;
    mutable int rowReads_ = 0;
    int rows_ = 0;
};
