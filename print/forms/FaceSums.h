#pragma once
// The column sums of a printed list face (page sums, carried totals, running totals). Amounts are
// added with the currency's checked arithmetic: a column whose sum leaves the currency range, or
// that takes in a row value which itself overflowed, shows the asterisks of an overflowed sum and
// never a wrong figure.

#include "platform/data/Currency.h"

#include <QString>
#include <vector>

namespace qx {
class ClientDataSet;
class Field;
}

class FaceSums {
public:
    explicit FaceSums(int columns = 0) : values_(size_t(columns)), overflowed_(size_t(columns), false) {}

    int columns() const { return int(values_.size()); }
    void clear();
    // Column `column` (from 0) += value; an overflow marks the column for good.
    void add(int column, qx::Currency value);
    void markOverflowed(int column) { overflowed_.at(size_t(column)) = true; }
    bool overflowed(int column) const { return overflowed_.at(size_t(column)); }
    qx::Currency value(int column) const { return values_.at(size_t(column)); }
    // What a sum label prints: the amount as FormatMopText gives it, or the asterisks.
    QString text(int column) const;

private:
    std::vector<qx::Currency> values_;
    std::vector<bool> overflowed_;
};

// The summed columns of a list: its fields, looked up by name (case ignored), and the record's
// overflow list. Look the fields up again after the dataset's fields were rebuilt.
class SumColumns {
public:
    SumColumns(qx::ClientDataSet& list, std::vector<QString> fieldNames);
    int count() const { return int(names_.size()); }
    // Adds the current row's values to `sums`.
    void addCurrentRow(FaceSums& sums);

private:
    void lookUp();
    qx::ClientDataSet& list_;
    std::vector<QString> names_;
    std::vector<const qx::Field*> fields_;
    const qx::Field* overflowList_ = nullptr;
    std::uint64_t stamp_ = 0;
};
