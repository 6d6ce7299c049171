#include "core/util/RowMoves.h"

#include "core/util/Clock.h"
#include "platform/data/ClientDataSet.h"

#include <utility>
#include <vector>

namespace {

using qx::ClientDataSet;
using qx::Value;
using RowValues = std::vector<Value>;

class ControlsDisabled {
public:
    explicit ControlsDisabled(ClientDataSet& dataSet) : dataSet_(dataSet) { dataSet_.disableControls(); }
    ~ControlsDisabled() { dataSet_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    ClientDataSet& dataSet_;
};

// Data fields other than the auto-increment key: calculated and aggregate fields are never written.
std::vector<int> copyableFields(const ClientDataSet& dataSet)
{
    std::vector<int> out;
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        const qx::Field& f = dataSet.field(i);
        if (f.isData() && f.dataType() != qx::FieldType::AutoInc)
            out.push_back(i);
    }
    return out;
}

// Runs `action` with one of the dataset's handlers switched off.
template <typename Action>
void withoutHandler(ClientDataSet::Handler& handler, Action action)
{
    ClientDataSet::Handler saved = std::exchange(handler, nullptr);
    try {
        action();
    } catch (...) {
        handler = std::move(saved);
        throw;
    }
    handler = std::move(saved);
}

// Discards the operation's own pending edit; never asks the user, since the edit is not theirs.
void cancelOwnEdit(ClientDataSet& dataSet)
{
    if (dataSet.editing())
        withoutHandler(dataSet.beforeCancel, [&] { dataSet.cancel(); });
}

// Leaves edit or insert state as any move of the cursor does: a modified record is posted, an
// untouched one (a new row nothing was typed into) is dropped rather than stored as an empty row.
void leaveEdit(ClientDataSet& dataSet)
{
    if (dataSet.modified())
        dataSet.post();
    else
        cancelOwnEdit(dataSet);
}

RowValues valuesAt(ClientDataSet& dataSet, int recNo, const std::vector<int>& fields)
{
    RowValues out;
    out.reserve(fields.size());
    for (int index : fields)
        out.push_back(dataSet.rowValue(recNo, index));
    return out;
}

RowValues emptyValues(const std::vector<int>& fields) { return RowValues(fields.size()); }

// Rewrites rows and remembers what they held, so that a failed operation can put every
// rewritten row back.
class RowRewriter {
public:
    RowRewriter(ClientDataSet& dataSet) : dataSet_(dataSet), fields_(copyableFields(dataSet)) {}

    RowValues valuesAt(int recNo) { return ::valuesAt(dataSet_, recNo, fields_); }
    RowValues empty() const { return emptyValues(fields_); }

    // Puts `values` into row `recNo` and posts. A refused post leaves the row unchanged.
    void write(int recNo, const RowValues& values)
    {
        RowValues previous = valuesAt(recNo);
        store(recNo, values);
        written_.push_back({recNo, std::move(previous)});
    }

    // Gives every rewritten row its values back, the latest first. The values were posted
    // before, so the row checks are not asked again: a restore must not be refused.
    void undo()
    {
        cancelOwnEdit(dataSet_);
        withoutHandler(dataSet_.beforePost, [&] {
            for (auto it = written_.rbegin(); it != written_.rend(); ++it)
                store(it->first, it->second);
        });
        written_.clear();
    }

private:
    void store(int recNo, const RowValues& values)
    {
        dataSet_.setRecNo(recNo);
        try {
            dataSet_.edit();
            for (std::size_t i = 0; i < fields_.size(); ++i) {
                qx::Field& f = dataSet_.field(fields_[i]);
                if (qx::isNull(values[i]))
                    f.clear();
                else
                    f.setValue(values[i]);
            }
            dataSet_.post();
        } catch (...) {
            cancelOwnEdit(dataSet_);
            throw;
        }
    }

    ClientDataSet& dataSet_;
    std::vector<int> fields_;
    std::vector<std::pair<int, RowValues>> written_;
};

// Runs `body`; when it fails, undoes its rewrites, then `cleanUp`, returns the cursor to
// `recNo` and raises the failure again.
template <typename Body, typename CleanUp>
void allOrNothing(ClientDataSet& dataSet, RowRewriter& rows, int recNo, Body body, CleanUp cleanUp)
{
    try {
        body();
    } catch (...) {
        try {
            rows.undo();
            cleanUp();
            dataSet.setRecNo(recNo);
        } catch (...) {
            // The original failure is the one to report.
        }
        throw;
    }
}

// Exchanges the values of the current row with those of the row `step` away and follows them.
bool exchangeWithNeighbour(ClientDataSet& dataSet, int step)
{
    leaveEdit(dataSet);
    const int recNo = dataSet.recNo();
    const int target = recNo + step;
    if (dataSet.isEmpty() || recNo < 1 || target < 1 || target > dataSet.recordCount()) {
        Beep();
        return true;
    }
    ControlsDisabled disabled(dataSet);
    RowRewriter rows(dataSet);
    const RowValues moving = rows.valuesAt(recNo);
    const RowValues displaced = rows.valuesAt(target);
    allOrNothing(
        dataSet, rows, recNo,
        [&] {
            rows.write(target, moving);
            rows.write(recNo, displaced);
            dataSet.setRecNo(target);
        },
        [] {});
    return true;
}

// Appends a row and posts it; a refused post leaves no row behind.
void appendEmptyRow(ClientDataSet& dataSet)
{
    dataSet.append();
    try {
        dataSet.post();
    } catch (...) {
        cancelOwnEdit(dataSet);
        throw;
    }
}

}  // namespace

bool InsertRowAtCursor(ClientDataSet& dataSet)
{
    leaveEdit(dataSet);
    if (dataSet.isEmpty()) {
        appendEmptyRow(dataSet);
        return true;
    }
    ControlsDisabled disabled(dataSet);
    const int recNo = dataSet.recNo();
    RowRewriter rows(dataSet);
    try {
        appendEmptyRow(dataSet);
    } catch (...) {
        dataSet.setRecNo(recNo);
        throw;
    }
    const int added = dataSet.recordCount();
    allOrNothing(
        dataSet, rows, recNo,
        [&] {
            for (int row = added; row > recNo; --row)
                rows.write(row, rows.valuesAt(row - 1));
            rows.write(recNo, rows.empty());
            dataSet.first();
            dataSet.setRecNo(recNo);
        },
        [&] {
            // The operation's own row, empty again: deleted without asking.
            dataSet.setRecNo(added);
            withoutHandler(dataSet.beforeDelete, [&] { dataSet.deleteRecord(); });
        });
    return true;
}

bool MoveRowUp(ClientDataSet& dataSet) { return exchangeWithNeighbour(dataSet, -1); }

bool MoveRowDown(ClientDataSet& dataSet) { return exchangeWithNeighbour(dataSet, +1); }
