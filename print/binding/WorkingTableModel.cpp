#include "print/binding/WorkingTableModel.h"

#include "platform/data/ClientDataSet.h"

WorkingTableModel::WorkingTableModel(qx::ClientDataSet& dataSet, QStringList columns, QObject* parent)
    : QAbstractTableModel(parent), dataSet_(dataSet), columns_(std::move(columns))
{
    reload();
}

void WorkingTableModel::reload()
{
    beginResetModel();
    rows_.clear();
    if (dataSet_.active()) {
        const int keep = dataSet_.recNo();
        for (dataSet_.first(); !dataSet_.eof(); dataSet_.next()) {
            QStringList row;
            for (const QString& c : columns_)
                row << dataSet_.fieldByName(c).asString();
            rows_.push_back(row);
        }
        dataSet_.setRecNo(keep);
    }
    endResetModel();
}

int WorkingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WorkingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant WorkingTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return rows_.at(static_cast<size_t>(index.row())).at(index.column());
}

QVariant WorkingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? QVariant(columns_.at(section)) : QVariant(section + 1);
}
