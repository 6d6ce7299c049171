#include "ClientDataSetImpl.h"

#include "ValueConvert.h"

#include <algorithm>

namespace qx {

using detail::Row;
using detail::RowPtr;
using detail::RowStatus;
using detail::RowValues;

// ---------------------------------------------------------------- shared rows

int ClientDataSet::Impl::physicalIndexOf(const Row* row) const
{
    const auto it = std::lower_bound(rows.begin(), rows.end(), row->seq,
                                     [](const RowPtr& r, std::int64_t seq) { return r->seq < seq; });
    return it != rows.end() && it->get() == row ? int(it - rows.begin()) : -1;
}

std::int64_t ClientDataSet::Impl::seqForPosition(int physicalIndex)
{
    auto prevSeq = [&] { return physicalIndex > 0 ? rows[std::size_t(physicalIndex - 1)]->seq : 0; };
    if (physicalIndex >= int(rows.size()))
        return prevSeq() + kSeqGap;
    if (rows[std::size_t(physicalIndex)]->seq - prevSeq() < 2)
        renumber();
    const std::int64_t prev = prevSeq();
    return prev + (rows[std::size_t(physicalIndex)]->seq - prev) / 2;
}

void ClientDataSet::Impl::renumber()
{
    std::int64_t seq = 0;
    for (const RowPtr& r : rows)
        r->seq = (seq += kSeqGap);
}

void ClientDataSet::Impl::snapshot()
{
    saved.clear();
    saved.reserve(rows.size());
    for (const RowPtr& r : rows) {
        r->status = RowStatus::Original;
        saved.emplace_back(r, r->values);
    }
    insertedCount = modifiedCount = deletedCount = 0;
}

void ClientDataSet::Impl::countDeletion(Row& row)
{
    switch (row.status) {
    case RowStatus::Inserted: --insertedCount; break;
    case RowStatus::Modified: --modifiedCount; ++deletedCount; break;
    case RowStatus::Original: ++deletedCount; break;
    }
}

void ClientDataSet::Impl::ensureAggregates() const
{
    if (aggregatesStale) {
        aggregateTotals.assign(aggregates.size(), 0);
        for (const RowPtr& r : rows)
            for (std::size_t a = 0; a < aggregates.size(); ++a)
                aggregateTotals[a] += aggregates[a].second.rowTotal(*r->values);
        aggregatesStale = false;
        aggregateValuesStale = true;
    }
    if (!aggregateValuesStale)
        return;
    for (std::size_t a = 0; a < aggregates.size(); ++a) {
        const auto fi = std::size_t(aggregates[a].first);
        const __int128 total = aggregateTotals[a];
        const bool overflow = !rows.empty() && (total > INT64_MAX || total < INT64_MIN);
        aggregateOverflows[fi] = overflow;
        aggregateValues[fi] = rows.empty() || overflow ? Value{} : Value(Currency::fromRaw(std::int64_t(total)));
    }
    aggregateValuesStale = false;
}

void ClientDataSet::Impl::adjustAggregates(const RowValues& values, int sign)
{
    aggregateValuesStale = true;
    if (aggregatesStale)
        return;
    for (std::size_t a = 0; a < aggregates.size(); ++a) {
        const __int128 share = aggregates[a].second.rowTotal(values);
        aggregateTotals[a] += sign > 0 ? share : -share;
    }
}

// ---------------------------------------------------------------- cursor order

bool ClientDataSet::Cursor::before(const Row* a, const Row* b) const
{
    for (int fi : indexFields) {
        const int c = detail::compareValues((*a->values)[std::size_t(fi)], (*b->values)[std::size_t(fi)]);
        if (c != 0)
            return c < 0;
    }
    return a->seq < b->seq;
}

int ClientDataSet::Cursor::find(const Impl& impl, const Row* row) const
{
    if (!ownView)
        return impl.physicalIndexOf(row);
    const auto it = std::find(view.begin(), view.end(), row);
    return it == view.end() ? -1 : int(it - view.begin());
}

int ClientDataSet::Cursor::rowInserted(Row* row, int physicalIndex)
{
    int idx = physicalIndex;
    if (ownView) {
        if (!accepts(row))
            return -1;
        const auto it = std::lower_bound(view.begin(), view.end(), row,
                                         [this](const Row* a, const Row* b) { return before(a, b); });
        idx = int(it - view.begin());
        view.insert(it, row);
    }
    if (pos < 0) {
        pos = idx;
        bof = eof = false;
    } else if (idx <= pos) {
        ++pos;
    }
    return idx;
}

int ClientDataSet::Cursor::rowChanged(Row* row, const Impl& impl)
{
    if (!ownView)
        return impl.physicalIndexOf(row);
    const int old = find(impl, row);
    const bool wasCurrent = old >= 0 && old == pos;
    if (old >= 0) {
        view.erase(view.begin() + old);
        if (old < pos)
            --pos;
    }
    if (!accepts(row)) {
        const int n = int(view.size());
        if (pos >= n)
            pos = n - 1;
        if (n == 0)
            bof = eof = true;
        return -1;
    }
    const auto it = std::lower_bound(view.begin(), view.end(), row,
                                     [this](const Row* a, const Row* b) { return before(a, b); });
    const int idx = int(it - view.begin());
    view.insert(it, row);
    if (wasCurrent || pos < 0) {
        pos = idx;
        bof = eof = false;
    } else if (idx <= pos) {
        ++pos;
    }
    return idx;
}

void ClientDataSet::Cursor::rowDeleted(Row* row, int physicalIndex, const Impl& impl)
{
    if (editRow == row && state == DataSetState::Edit) {
        editRow = nullptr;
        editRowLost = true;
    }
    if (insertBefore == row)
        insertBefore = nullptr;
    int idx = physicalIndex;
    if (ownView) {
        idx = find(impl, row);
        if (idx < 0)
            return;
        view.erase(view.begin() + idx);
    }
    if (idx < pos)
        --pos;
    const int n = size(impl);
    if (pos >= n)
        pos = n - 1;
    if (n == 0)
        bof = eof = true;
}

void ClientDataSet::Cursor::rebuild(const Impl& impl)
{
    view.clear();
    if (!ownView)
        return;
    view.reserve(impl.rows.size());
    for (const RowPtr& r : impl.rows)
        if (accepts(r.get()))
            view.push_back(r.get());
    if (!indexFields.empty())
        std::sort(view.begin(), view.end(), [this](const Row* a, const Row* b) { return before(a, b); });
}

void ClientDataSet::Cursor::placeOn(const Impl& impl, const Row* row, int fallback)
{
    const int n = size(impl);
    const int found = row ? find(impl, row) : -1;
    pos = found >= 0 ? found : std::clamp(fallback, 0, std::max(n - 1, 0));
    if (n == 0)
        pos = -1;
    bof = eof = n == 0;
}

void ClientDataSet::Cursor::clearEdit()
{
    state = DataSetState::Browse;
    buffer.clear();
    editRow = nullptr;
    insertBefore = nullptr;
    editRowLost = false;
    modified = false;
}

}  // namespace qx
