#pragma once
// In-memory dataset: typed fields (data, calculated, aggregate), a cursor with the
// browse/edit/insert cycle and its events, a change log, an index by field names, Locate,
// cloned cursors with their own filter and index, and change notifications for controls.
//
// Rows are shared between a dataset and its clones; each cursor keeps its own order, filter,
// position and edit buffer. Calculated fields are cached per row: they are cleared and
// recomputed by OnCalcFields when a row becomes current (open, scroll, Locate, RecNo), when
// editing starts, after every field change while editing, after a post or cancel, and by
// refresh(). Reading a calculated field never computes anything, so a handler may read other
// datasets' cached values even where pages feed each other in cycles.

#include "Field.h"
#include "FieldDef.h"
#include "Value.h"

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace qx {

// Any failure of a dataset operation (state, unknown field, bad value, ...).
class DataSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value a field refuses for a field of its type: what() is the English text naming the dataset
// and the field; the fault and its figures let a caller word it for the person who typed it.
enum class ValueFault { NotADate, NotADateTime, NotAnAmount, NotAnInteger, NotABoolean, OutOfRange, TooLong, BadCharacter };

class FieldValueError : public DataSetError {
public:
    FieldValueError(const QString& message, ValueFault fault, QString fieldName, QString value)
        : DataSetError(message.toStdString()), fault(fault), fieldName(std::move(fieldName)), value(std::move(value))
    {
    }

    ValueFault fault;
    QString fieldName;
    QString value;              // the refused value as text
    std::int64_t low = 0;       // OutOfRange: the range allowed
    std::int64_t high = 0;
    int maxBytes = 0;           // TooLong: the field's size in bytes
    QString character;          // BadCharacter: "U+0001"
};

// Raised by an event handler to stop the operation silently; the operation leaves the dataset
// as it was (a refused post stays in edit, a refused cancel or delete does not happen).
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

enum class DataSetState { Inactive, Browse, Edit, Insert };

enum class DataEvent {
    RecordChanged,    // a field of the active record changed (edit buffer)
    DataSetChanged,   // rows, order or content changed; controls re-read everything
    ScrollChanged,    // the cursor moved
    StateChanged,     // state changed (open, close, edit, insert, browse)
    UpdateRecord,     // a post begins: controls write their pending input into the buffer
};

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;  // text values match by prefix
};

class ClientDataSet {
public:
    using Handler = std::function<void(ClientDataSet&)>;

    explicit ClientDataSet(QString name = {});
    ~ClientDataSet();
    ClientDataSet(const ClientDataSet&) = delete;
    ClientDataSet& operator=(const ClientDataSet&) = delete;

    const QString& name() const { return name_; }

    // ---- schema (only while inactive) ----
    void setFieldDefs(std::vector<FieldDef> defs);
    void addFieldDef(FieldDef def);
    const std::vector<FieldDef>& fieldDefs() const;
    int fieldCount() const;
    Field& field(int index) const;
    // Names in any string form (QString, u"..", QLatin1String, "..").
    Field& fieldByName(QAnyStringView name) const;  // ignores case; throws DataSetError
    Field* findField(QAnyStringView name) const;    // ignores case; nullptr when unknown
    // Changes whenever the Field objects are rebuilt and is never given to another dataset: a
    // Field pointer looked up under one stamp stays valid while the dataset keeps that stamp.
    std::uint64_t fieldsStamp() const { return fieldsStamp_; }

    // ---- events ----
    Handler onNewRecord, beforePost, afterPost, beforeCancel, afterCancel, beforeDelete, afterDelete,
        beforeScroll, afterScroll, onCalcFields, beforeClose, afterOpen;

    // ---- life cycle ----
    DataSetState state() const;
    bool active() const { return state() != DataSetState::Inactive; }
    bool editing() const { return state() == DataSetState::Edit || state() == DataSetState::Insert; }
    // The file a plain open() loads (and that persistence layers write); may be empty.
    void setFileName(const QString& path) { fileName_ = path; }
    const QString& fileName() const { return fileName_; }
    // Opens by loading fileName() as a data packet (nothing when already active). A missing
    // file or a load failure throws (the error names the file and the place) and leaves the
    // dataset inactive and unchanged.
    void open();
    void createDataSet();  // opens empty with the field definitions (nothing when already active)
    // Runs beforeClose, discards an edit buffer, the rows and the change log. Never writes a file.
    void close();
    void emptyDataSet();   // deletes every row (each deletion logged)

    // ---- editing ----
    // Both move the cursor (scroll events), then run onNewRecord; a failing onNewRecord abandons
    // the insert. The record is not "modified" by what onNewRecord sets.
    void append();
    void insert();  // before the current row (appends when the dataset has an index or is empty)
    void edit();    // on an empty dataset: append()
    // Stores the buffer: beforePost (a throw leaves the buffer in edit/insert and propagates),
    // auto-increment keys assigned (null or <= 0), the row placed by the index, afterPost (a
    // throw propagates after the row is stored). An edit that changes no stored value is not
    // logged. Nothing happens in browse state.
    void post();
    void cancel();        // beforeCancel can refuse it; nothing happens in browse state
    void deleteRecord();  // the next row becomes current; in insert state it cancels
    // Recomputes the current row's calculated fields and the aggregates; notifies controls.
    void refresh();
    // True in edit/insert state when a field of the buffer was set since edit()/insert().
    bool modified() const;

    // ---- navigation ----
    // Every move first leaves edit/insert state: a modified record is posted (a refused post
    // stops the move), an untouched buffer is dropped without events. Moves run beforeScroll
    // (may refuse) and afterScroll, and recompute the calculated fields of the row they reach;
    // first() and last() always do, also when already there.
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    bool bof() const;
    bool eof() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const;  // rows visible through this cursor (filter applied)
    // 1-based position of the active record; -1 for an unposted insert or an empty dataset.
    // Inside OnCalcFields: the position of the row being calculated.
    int recNo() const;
    void setRecNo(int recNo);  // out of range or already there: no move

    // ---- change log ----
    int changeCount() const;   // inserts, modifications and deletions since the last merge
    void mergeChangeLog();     // the current rows become the saved state
    void cancelUpdates();      // back to the saved state (also cancels a pending edit)

    // ---- order and search ----
    // Stable sort by the ';'-separated field names (case ignored); "" is the physical order.
    void setIndexFieldNames(const QString& names);
    const QString& indexFieldNames() const { return indexFieldNames_; }
    // Moves to the first row (in the cursor's order) whose fields equal the values; true when
    // found, else the cursor stays. Values are compared after conversion to each field's type (a
    // value that is no value of the type matches nothing); a null value matches null fields.
    bool locate(const QString& fieldNames, const std::vector<Value>& values, LocateOptions options = {});

    // ---- clones and filters ----
    // A cursor on the same rows with its own position, filter and index; its fields and events
    // are its own (events start empty). It starts unfiltered in physical order on the first row.
    // It is inactive while the dataset is closed and follows it when it is loaded again; rows
    // posted or deleted through any cursor show in all of them, each of whose observers hears
    // DataSetChanged (after enableControls when the changing cursor's controls are disabled).
    std::unique_ptr<ClientDataSet> cloneCursor();
    // Simple filters: "Field=Value" terms joined by "and"; values are numbers or quoted text.
    // A bad expression or an unknown field throws DataSetError and keeps the old filter.
    void setFilter(const QString& expression);
    const QString& filter() const { return filter_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // ---- controls ----
    void disableControls();
    // Notifies DataSetChanged (here and on every clone) when the count returns to 0; an
    // unbalanced call is ignored.
    void enableControls();
    bool controlsDisabled() const;
    using Observer = std::function<void(DataEvent)>;
    int addObserver(Observer observer);  // returns a handle for removeObserver
    void removeObserver(int handle);

    // ---- aggregates ----
    // Aggregate fields ("sum(...)") are computed over all rows when active; otherwise they read
    // as null. A sum over no rows is null.
    void setAggregatesActive(bool on);
    bool aggregatesActive() const;
    // True when the aggregate field's total left the currency range; the field then reads as
    // null instead of a wrong number.
    bool aggregateOverflow(int fieldIndex) const;

    // ---- raw row access (data packets, grids, tests) ----
    // Value of field `fieldIndex` in row `recNo` (1-based, cursor order); null out of range.
    // The row under edit shows its buffer; calculated fields of a row that is not current are
    // computed on demand for that row (each call runs onCalcFields once; nothing is kept).
    Value rowValue(int recNo, int fieldIndex);
    // Runs `read` with row `recNo` (1-based, cursor order) as the active record, as OnCalcFields
    // sees a row: fields read that row's values, its calculated fields computed once for the
    // whole call (the current row's cached ones, the row under edit its buffer). Lets a grid show
    // any row through the fields' display texts without moving the cursor. Out of range: nothing.
    void readRow(int recNo, const std::function<void()>& read);
    // Replaces every row with `rows` (data fields in definition order, calculated ones ignored; an
    // empty row stands for a row of nulls, and all such rows share one row of values),
    // opens the dataset in browse state on the first row, with an empty change log. Auto-increment
    // numbering continues above the largest value loaded. Values of another type are converted
    // and checked as by Field::setValue, but not held to the bounds a field sets for typing; on
    // any error DataSetError names the row and the dataset
    // is exactly as before.
    void loadRows(std::vector<std::vector<Value>> rows);
    // The data-field values of every row in physical order (as a data packet stores them).
    std::vector<std::vector<Value>> dataRows() const;

    // Used by Field.
    const Value& activeValue(int fieldIndex) const;
    void setActiveValue(int fieldIndex, Value v);
    bool calculating() const;

    struct Impl;    // shared rows, schema, change log and aggregates
    struct Cursor;  // this cursor's state, order, position and buffers

private:
    ClientDataSet(QString name, std::shared_ptr<Impl> shared);

    void rebuildFields();
    int indexOfName(QAnyStringView name) const;
    void checkActive() const;
    void checkBrowseMode();
    void discardEdit();
    void beginInsert(bool atCursor);
    void moveTo(int position, bool forceCalc);
    void calcCurrent();
    void calcBuffer();
    void runCalc(const std::vector<Value>* data, std::vector<Value>* calc, int recNo);
    void notify(DataEvent event);
    void afterSharedChange();
    void resolveOrder();
    void rebuildView(bool keepCurrent);
    static void runHandler(const Handler& handler, ClientDataSet& self);

    QString name_;
    QString fileName_;
    QString indexFieldNames_;
    QString filter_;
    bool filtered_ = false;
    std::shared_ptr<Impl> shared_;
    std::unique_ptr<Cursor> cursor_;
    std::vector<std::unique_ptr<Field>> fields_;
    std::uint64_t fieldsStamp_ = 0;
};

}  // namespace qx
