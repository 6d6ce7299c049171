#include "platform/widgets/DataGridModel.h"

#include "platform/widgets/DataSource.h"

DataGridModel::DataGridModel(QObject* parent) : QAbstractTableModel(parent), DataAware(nullptr) {}

void DataGridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    dropAll();
    endResetModel();
}

qx::Field* DataGridModel::columnField(int c) const
{
    if (!sourceActive() || c < 0 || c >= int(columns_.size()))
        return nullptr;
    return dataSource()->dataSet()->findField(columns_[std::size_t(c)].fieldName);
}

int DataGridModel::insertRow() const
{
    if (!sourceActive() || dataSource()->state() != qx::DataSetState::Insert)
        return -1;
    return dataSource()->dataSet()->recordCount();
}

int DataGridModel::currentRow() const
{
    const int inserting = insertRow();
    if (inserting >= 0)
        return inserting;
    if (!sourceActive())
        return -1;
    const int recNo = dataSource()->dataSet()->recNo();
    return recNo > 0 ? recNo - 1 : -1;
}

const DataGridModel::CachedRow& DataGridModel::cached(int row) const
{
    static const CachedRow empty;
    if (row < 0 || row >= int(cache_.size()) || !sourceActive())
        return empty;
    CachedRow& entry = cache_[std::size_t(row)];
    if (entry.valid)
        return entry;
    qx::ClientDataSet& ds = *dataSource()->dataSet();
    std::vector<qx::Field*> shown;
    for (int c = 0; c < int(columns_.size()); ++c)
        shown.push_back(columnField(c));
    auto read = [&] {
        entry.values.resize(std::size_t(ds.fieldCount()));
        for (int f = 0; f < ds.fieldCount(); ++f)
            entry.values[std::size_t(f)] = ds.field(f).value();
        entry.texts.clear();
        for (qx::Field* f : shown)
            entry.texts << (f ? f->displayText() : QString());
    };
    if (row == insertRow())
        read();  // the new record is the active one
    else
        ds.readRow(row + 1, read);
    ++rowReads_;
    entry.valid = true;
    return entry;
}

const std::vector<qx::Value>& DataGridModel::rowValues(int row) const
{
    return cached(row).values;
}

int DataGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int DataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const GridColumn& col = columns_[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return cached(index.row()).texts.value(index.column());
    case Qt::TextAlignmentRole: {
        if (col.alignment)
            return QVariant::fromValue(*col.alignment);
        const qx::Field* f = columnField(index.column());
        const qx::Alignment a = f ? f->alignment() : qx::Alignment::Left;
        const Qt::Alignment h = a == qx::Alignment::Right    ? Qt::AlignRight
                                : a == qx::Alignment::Center ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    case Qt::FontRole: return col.font ? QVariant(*col.font) : QVariant();
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        if (!cellStyle)
            return {};
        GridCellStyle style;
        cellStyle(index.column(), cached(index.row()).values, style);
        const QColor& c = role == Qt::ForegroundRole ? style.text : style.background;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default: return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        const GridColumn& col = columns_[std::size_t(section)];
        if (!col.title.isEmpty())
            return col.title;
        const qx::Field* f = columnField(section);
        return f ? f->displayLabel() : col.fieldName;
    }
    return {};
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const qx::Field* f = columnField(index.column());
    if (f && f->isData() && !f->readOnly())
        result |= Qt::ItemIsEditable;
    return result;
}

void DataGridModel::dropAll()
{
    for (CachedRow& r : cache_)
        r.valid = false;
}

// Rows appear and disappear as row insertions and removals, so the view keeps its editor and
// current cell across the usual append, post and cancel.
void DataGridModel::refresh()
{
    int rows = sourceActive() ? dataSource()->dataSet()->recordCount() : 0;
    if (insertRow() >= 0)
        ++rows;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        cache_.resize(std::size_t(rows));
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        cache_.resize(std::size_t(rows));
        endRemoveRows();
    }
    dropAll();
    if (rows_ > 0 && !columns_.empty())
        emit dataChanged(index(0, 0), index(rows_ - 1, int(columns_.size()) - 1));
    if (!columns_.empty())
        emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
    emit cursorMoved();
}

void DataGridModel::dataEvent(qx::DataEvent event)
{
    switch (event) {
    case qx::DataEvent::UpdateRecord: return;
    case qx::DataEvent::ScrollChanged: emit cursorMoved(); return;
    case qx::DataEvent::RecordChanged: {
        const int row = currentRow();
        if (row >= 0 && row < rows_) {
            cache_[std::size_t(row)].valid = false;
            emit dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
        }
        return;
    }
    case qx::DataEvent::StateChanged:
    case qx::DataEvent::DataSetChanged: refresh(); return;
    }
}
