#pragma once
// A read-only table model over some fields of a dataset, row for row in the dataset's order.

#include <QAbstractTableModel>
#include <QStringList>

namespace qx {
class ClientDataSet;
}

class WorkingTableModel : public QAbstractTableModel {
public:
    WorkingTableModel(qx::ClientDataSet& dataSet, QStringList columns, QObject* parent = nullptr);

    // Re-reads the dataset.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    qx::ClientDataSet& dataSet_;
    QStringList columns_;
    std::vector<QStringList> rows_;
};
