#pragma once
// Private parts of ClientDataSet: the rows shared by a dataset and its clones, and the state of
// one cursor, with how each keeps its order and position. Used by ClientDataSet.cpp only.

#include "AggregateExpression.h"
#include "ClientDataSet.h"
#include "FilterExpression.h"

#include <QHash>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace qx {

namespace detail {

using RowValues = std::vector<Value>;  // one slot per field; only data slots are stored

enum class RowStatus : std::uint8_t { Original, Inserted, Modified };

struct Row {
    std::shared_ptr<const RowValues> values;  // replaced, never changed in place (the change log keeps old ones)
    std::int64_t seq = 0;                     // physical order key, rising along the physical order
    RowStatus status = RowStatus::Original;   // against the saved state of the change log
};

using RowPtr = std::shared_ptr<Row>;

}  // namespace detail

struct ClientDataSet::Impl {
    static constexpr std::int64_t kSeqGap = std::int64_t(1) << 16;

    // schema
    std::vector<FieldDef> defs;
    QHash<QString, int> nameIndex;  // lower-cased name -> field index
    // The same for ASCII names, searched without building a string: open addressing over
    // (hash, field index), with the lower-cased names to compare.
    struct NameSlot {
        std::uint32_t hash = 0;
        int field = -1;  // -1: empty
    };
    std::vector<NameSlot> asciiSlots;  // a power of two in size, at most half full
    std::vector<QString> lowerNames;   // per field
    void buildAsciiIndex();
    std::vector<int> dataFields;    // data fields in definition order
    std::vector<int> nonDataFields;
    std::vector<int> calcFields;
    std::vector<int> autoIncFields;
    std::vector<std::pair<int, detail::AggregateExpression>> aggregates;

    // rows
    bool open = false;
    std::vector<detail::RowPtr> rows;  // physical order
    std::vector<std::int64_t> autoIncNext;

    // change log: the rows and values as of the last merge or load
    std::vector<std::pair<detail::RowPtr, std::shared_ptr<const detail::RowValues>>> saved;
    int insertedCount = 0;
    int modifiedCount = 0;
    int deletedCount = 0;

    // aggregates: exact running totals kept through every post and delete, recounted over
    // all rows only after a bulk change (load, undo, empty); values derived on first read
    bool aggregatesActive = false;
    mutable bool aggregatesStale = true;  // totals must be recounted
    mutable bool aggregateValuesStale = true;
    mutable std::vector<__int128> aggregateTotals;  // per entry of `aggregates`
    mutable std::vector<Value> aggregateValues;     // per field
    mutable std::vector<bool> aggregateOverflows;   // per field

    std::vector<ClientDataSet*> cursors;  // every cursor on these rows, the dataset first

    int indexOf(QAnyStringView name) const;
    int physicalIndexOf(const detail::Row* row) const;
    std::int64_t seqForPosition(int physicalIndex);
    void renumber();
    void snapshot();
    void countDeletion(detail::Row& row);
    void ensureAggregates() const;
    // Adds (sign +1) or removes (sign -1) one row's share of every total.
    void adjustAggregates(const detail::RowValues& values, int sign);
};

struct ClientDataSet::Cursor {
    struct CalcContext {
        const detail::RowValues* data;
        detail::RowValues* calc;
        int recNo;
    };

    bool isClone = false;
    DataSetState state = DataSetState::Inactive;

    // order: physical unless an index or a filter is in effect
    std::vector<int> indexFields;
    detail::FilterExpression filterExpr;
    bool filtering = false;
    bool ownView = false;
    std::vector<detail::Row*> view;

    int pos = -1;  // index in the cursor's order; -1 only when empty
    bool bof = true;
    bool eof = true;

    detail::RowValues calc;    // calculated values of the current row
    detail::RowValues buffer;  // the record in edit or insert state
    detail::Row* editRow = nullptr;
    detail::Row* insertBefore = nullptr;
    bool editRowLost = false;  // the row under edit was deleted through another cursor
    bool modified = false;
    std::vector<CalcContext> calcStack;

    int disableCount = 0;
    std::vector<std::pair<int, Observer>> observers;
    int nextObserver = 1;

    int size(const Impl& impl) const { return ownView ? int(view.size()) : int(impl.rows.size()); }
    detail::Row* at(const Impl& impl, int i) const
    {
        return ownView ? view[std::size_t(i)] : impl.rows[std::size_t(i)].get();
    }
    detail::Row* current(const Impl& impl) const { return pos >= 0 && pos < size(impl) ? at(impl, pos) : nullptr; }
    bool editing() const { return state == DataSetState::Edit || state == DataSetState::Insert; }

    bool before(const detail::Row* a, const detail::Row* b) const;
    bool accepts(const detail::Row* row) const { return !filtering || filterExpr.accepts(*row->values); }
    int find(const Impl& impl, const detail::Row* row) const;

    // Keep the view and the position in step with a change of the shared rows; each returns
    // the row's place in this cursor's order (-1 when the filter leaves it out).
    int rowInserted(detail::Row* row, int physicalIndex);
    int rowChanged(detail::Row* row, const Impl& impl);
    void rowDeleted(detail::Row* row, int physicalIndex, const Impl& impl);
    void rebuild(const Impl& impl);
    void placeOn(const Impl& impl, const detail::Row* row, int fallback);
    void clearEdit();
};

}  // namespace qx
