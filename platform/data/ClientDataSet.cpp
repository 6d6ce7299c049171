#include "ClientDataSet.h"

#include "ClientDataSetImpl.h"
#include "DataPacket.h"
#include "ValueConvert.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

namespace qx {

using detail::Row;
using detail::RowPtr;
using detail::RowStatus;
using detail::RowValues;

namespace {

const Value kNull;

[[noreturn]] void fail(const QString& dataSetName, const QString& message)
{
    const QString text = dataSetName.isEmpty() ? message : dataSetName + QStringLiteral(": ") + message;
    throw DataSetError(text.toStdString());
}

bool sameData(const RowValues& a, const RowValues& b, const std::vector<int>& dataFields)
{
    for (int fi : dataFields)
        if (!(a[std::size_t(fi)] == b[std::size_t(fi)]))
            return false;
    return true;
}

QStringList splitNames(const QString& names)
{
    QStringList out;
    for (const QString& part : names.split(QLatin1Char(';'))) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            out << name;
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------- construction and schema

ClientDataSet::ClientDataSet(QString name) : ClientDataSet(std::move(name), std::make_shared<Impl>()) {}

ClientDataSet::ClientDataSet(QString name, std::shared_ptr<Impl> shared)
    : name_(std::move(name)), shared_(std::move(shared)), cursor_(std::make_unique<Cursor>())
{
    shared_->cursors.push_back(this);
    rebuildFields();
}

ClientDataSet::~ClientDataSet()
{
    auto& cursors = shared_->cursors;
    cursors.erase(std::remove(cursors.begin(), cursors.end(), this), cursors.end());
}

void ClientDataSet::rebuildFields()
{
    static std::atomic<std::uint64_t> lastStamp{0};
    fieldsStamp_ = ++lastStamp;
    fields_.clear();
    const auto& defs = shared_->defs;
    fields_.reserve(defs.size());
    for (std::size_t i = 0; i < defs.size(); ++i)
        fields_.push_back(std::make_unique<Field>(*this, defs[i], int(i)));
    cursor_->calc.assign(defs.size(), Value{});
}

void ClientDataSet::setFieldDefs(std::vector<FieldDef> defs)
{
    if (active())
        fail(name_, QStringLiteral("Cannot perform this operation on an open dataset"));
    if (shared_->cursors.size() > 1)
        fail(name_, QStringLiteral("Cannot change the fields of a dataset that has cloned cursors"));

    QHash<QString, int> names;
    for (std::size_t i = 0; i < defs.size(); ++i) {
        const QString key = defs[i].name.toLower();
        if (key.isEmpty())
            fail(name_, QStringLiteral("Field %1 has no name").arg(i + 1));
        if (names.contains(key))
            fail(name_, QStringLiteral("Duplicate field name '%1'").arg(defs[i].name));
        names.insert(key, int(i));
    }
    auto indexOf = [&names](QStringView n) { return names.value(n.toString().toLower(), -1); };
    std::vector<std::pair<int, detail::AggregateExpression>> aggregates;
    for (std::size_t i = 0; i < defs.size(); ++i)
        if (defs[i].kind == FieldKind::Aggregate)
            aggregates.emplace_back(int(i), detail::AggregateExpression::parse(defs[i].expression, defs[i].name, defs, indexOf));

    Impl& s = *shared_;
    s.defs = std::move(defs);
    s.nameIndex = std::move(names);
    s.buildAsciiIndex();
    s.aggregates = std::move(aggregates);
    s.dataFields.clear();
    s.nonDataFields.clear();
    s.calcFields.clear();
    s.autoIncFields.clear();
    for (std::size_t i = 0; i < s.defs.size(); ++i) {
        const FieldDef& d = s.defs[i];
        (d.kind == FieldKind::Data ? s.dataFields : s.nonDataFields).push_back(int(i));
        if (d.kind == FieldKind::Calculated)
            s.calcFields.push_back(int(i));
        if (d.kind == FieldKind::Data && d.type == FieldType::AutoInc)
            s.autoIncFields.push_back(int(i));
    }
    s.autoIncNext.assign(s.defs.size(), 1);
    s.aggregateValues.assign(s.defs.size(), Value{});
    s.aggregateOverflows.assign(s.defs.size(), false);
    s.aggregatesStale = true;
    s.rows.clear();
    s.saved.clear();
    rebuildFields();
    resolveOrder();
}

void ClientDataSet::addFieldDef(FieldDef def)
{
    std::vector<FieldDef> defs = shared_->defs;
    defs.push_back(std::move(def));
    setFieldDefs(std::move(defs));
}

const std::vector<FieldDef>& ClientDataSet::fieldDefs() const { return shared_->defs; }

int ClientDataSet::fieldCount() const { return int(fields_.size()); }

Field& ClientDataSet::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        fail(name_, QStringLiteral("Field index %1 out of range").arg(index));
    return *fields_[std::size_t(index)];
}

namespace {

constexpr qsizetype kShortName = 64;

// FNV-1a over the lower-cased UTF-16 code units.
struct NameHash {
    std::uint32_t value = 2166136261u;
    void add(char16_t c) { value = (value ^ c) * 16777619u; }
};

// Lower-cases an ASCII name of up to kShortName characters into `out`; false for any other.
bool foldShortAscii(QAnyStringView name, char16_t* out, qsizetype& n, NameHash& hash)
{
    if (name.size() > kShortName)
        return false;
    return name.visit([&](auto view) {
        for (const auto c : view) {
            auto u = static_cast<char16_t>(QChar(c).unicode());
            if (u >= 0x80)
                return false;
            if (u >= u'A' && u <= u'Z')
                u = char16_t(u + 32);
            out[n++] = u;
            hash.add(u);
        }
        return true;
    });
}

}  // namespace

void ClientDataSet::Impl::buildAsciiIndex()
{
    lowerNames.clear();
    for (const FieldDef& d : defs)
        lowerNames.push_back(d.name.toLower());
    std::size_t size = 16;
    while (size < 2 * defs.size())
        size *= 2;
    asciiSlots.assign(size, NameSlot{});
    for (std::size_t i = 0; i < defs.size(); ++i) {
        char16_t folded[kShortName];
        qsizetype n = 0;
        NameHash hash;
        if (!foldShortAscii(lowerNames[i], folded, n, hash))
            continue;  // found through nameIndex only
        std::size_t slot = hash.value & (size - 1);
        while (asciiSlots[slot].field >= 0)
            slot = (slot + 1) & (size - 1);
        asciiSlots[slot] = {hash.value, int(i)};
    }
}

// Names are looked up by every calculation step and every check, so the usual short ASCII name
// is folded and hashed in one pass on the stack and found without allocating; any other takes
// the long way.
int ClientDataSet::Impl::indexOf(QAnyStringView name) const
{
    char16_t folded[kShortName];
    qsizetype n = 0;
    NameHash hash;
    if (!foldShortAscii(name, folded, n, hash))
        return nameIndex.value(name.toString().toLower(), -1);
    if (asciiSlots.empty())
        return -1;
    const std::size_t mask = asciiSlots.size() - 1;
    for (std::size_t slot = hash.value & mask;; slot = (slot + 1) & mask) {
        const NameSlot& s = asciiSlots[slot];
        if (s.field < 0)
            return -1;
        const QString& candidate = lowerNames[std::size_t(s.field)];
        if (s.hash == hash.value && candidate.size() == n
            && std::memcmp(candidate.utf16(), folded, std::size_t(n) * sizeof(char16_t)) == 0)
            return s.field;
    }
}

int ClientDataSet::indexOfName(QAnyStringView name) const { return shared_->indexOf(name); }

Field* ClientDataSet::findField(QAnyStringView name) const
{
    const int i = indexOfName(name);
    return i < 0 ? nullptr : fields_[std::size_t(i)].get();
}

Field& ClientDataSet::fieldByName(QAnyStringView name) const
{
    Field* f = findField(name);
    if (!f)
        fail(name_, QStringLiteral("Field '%1' not found").arg(name.toString()));
    return *f;
}

// ---------------------------------------------------------------- helpers

void ClientDataSet::runHandler(const Handler& handler, ClientDataSet& self)
{
    if (handler) {
        const Handler call = handler;  // the handler may replace itself
        call(self);
    }
}

void ClientDataSet::checkActive() const
{
    if (!active())
        fail(name_, QStringLiteral("Cannot perform this operation on a closed dataset"));
}

// A move while editing posts a modified record; an untouched one is simply left.
void ClientDataSet::checkBrowseMode()
{
    checkActive();
    if (!cursor_->editing())
        return;
    if (cursor_->modified)
        post();
    else
        discardEdit();
}

void ClientDataSet::discardEdit()
{
    if (!cursor_->editing())
        return;
    cursor_->clearEdit();
    calcCurrent();
    notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
}

void ClientDataSet::notify(DataEvent event)
{
    if (cursor_->disableCount > 0 || cursor_->observers.empty())
        return;
    const auto observers = cursor_->observers;  // an observer may remove itself
    for (const auto& entry : observers)
        entry.second(event);
}

// Other cursors on the same rows recompute their current row and tell their controls.
void ClientDataSet::afterSharedChange()
{
    const bool quiet = controlsDisabled();
    const auto cursors = shared_->cursors;
    for (ClientDataSet* other : cursors) {
        if (other == this || !other->active())
            continue;
        other->calcCurrent();
        if (!quiet)
            other->notify(DataEvent::DataSetChanged);
    }
}

void ClientDataSet::runCalc(const RowValues* data, RowValues* calc, int recNo)
{
    if (!onCalcFields)
        return;
    cursor_->calcStack.push_back({data, calc, recNo});
    try {
        const Handler call = onCalcFields;
        call(*this);
    } catch (...) {
        cursor_->calcStack.pop_back();
        throw;
    }
    cursor_->calcStack.pop_back();
}

void ClientDataSet::calcCurrent()
{
    Cursor& c = *cursor_;
    if (shared_->calcFields.empty() || state() != DataSetState::Browse)
        return;
    for (int fi : shared_->calcFields)
        c.calc[std::size_t(fi)] = Value{};
    const Row* row = c.current(*shared_);
    if (!row)
        return;
    const auto hold = row->values;
    runCalc(hold.get(), &c.calc, c.pos + 1);
}

void ClientDataSet::calcBuffer()
{
    Cursor& c = *cursor_;
    if (shared_->calcFields.empty())
        return;
    for (int fi : shared_->calcFields)
        c.buffer[std::size_t(fi)] = Value{};
    runCalc(&c.buffer, &c.buffer, c.state == DataSetState::Insert ? -1 : c.pos + 1);
}

void ClientDataSet::resolveOrder()
{
    Cursor& c = *cursor_;
    c.indexFields.clear();
    c.filterExpr = {};
    if (fieldCount() > 0) {
        for (const QString& name : splitNames(indexFieldNames_)) {
            const int fi = indexOfName(name);
            if (fi < 0)
                fail(name_, QStringLiteral("Field '%1' not found").arg(name));
            c.indexFields.push_back(fi);
        }
        c.filterExpr = detail::FilterExpression::parse(filter_, shared_->defs,
                                                       [this](QStringView n) { return indexOfName(n); }, name_);
    }
    c.filtering = filtered_ && !c.filterExpr.empty();
    c.ownView = !c.indexFields.empty() || c.filtering;
}

void ClientDataSet::rebuildView(bool keepCurrent)
{
    Cursor& c = *cursor_;
    const Row* current = keepCurrent ? c.current(*shared_) : nullptr;
    const int fallback = keepCurrent ? c.pos : 0;
    c.rebuild(*shared_);
    c.placeOn(*shared_, current, fallback);
    if (!keepCurrent)
        c.bof = true;  // on the first row, as after first()
}

// ---------------------------------------------------------------- life cycle

DataSetState ClientDataSet::state() const
{
    return shared_->open ? cursor_->state : DataSetState::Inactive;
}

void ClientDataSet::open()
{
    if (active())
        return;
    if (cursor_->isClone) {
        if (!shared_->open)
            fail(name_, QStringLiteral("Cannot open a cloned cursor of a closed dataset"));
        cursor_->state = DataSetState::Browse;
        rebuildView(false);
        calcCurrent();
        notify(DataEvent::StateChanged);
        runHandler(afterOpen, *this);
        return;
    }
    if (fileName_.isEmpty())
        fail(name_, QStringLiteral("Missing data provider or data packet"));
    DataPacket::load(*this, fileName_);
}

void ClientDataSet::createDataSet()
{
    if (active())
        return;
    if (cursor_->isClone) {
        open();
        return;
    }
    loadRows({});
}

void ClientDataSet::loadRows(std::vector<std::vector<Value>> rows)
{
    if (cursor_->isClone)
        fail(name_, QStringLiteral("Cannot load rows into a cloned cursor"));
    Impl& s = *shared_;
    const std::size_t width = s.defs.size();
    std::vector<RowPtr> built;
    built.reserve(rows.size());
    std::vector<std::int64_t> autoNext(width, 1);
    std::int64_t seq = 0;
    std::shared_ptr<const RowValues> nulls;  // shared by every row without a value
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto& src = rows[r];
        if (src.empty() && !s.dataFields.empty()) {
            if (!nulls)
                nulls = std::make_shared<const RowValues>(width);
            auto row = std::make_shared<Row>();
            row->values = nulls;
            row->seq = (seq += Impl::kSeqGap);
            built.push_back(std::move(row));
            continue;
        }
        if (src.size() != s.dataFields.size())
            fail(name_, QStringLiteral("Row %1 has %2 values, expected %3").arg(r + 1).arg(src.size()).arg(s.dataFields.size()));
        RowValues values(width);
        for (std::size_t k = 0; k < src.size(); ++k) {
            const int fi = s.dataFields[k];
            const FieldDef& def = s.defs[std::size_t(fi)];
            Value& v = src[k];
            if (isNull(v))
                continue;
            // Stored values are not held to the bounds of typing: the validation reports them.
            const bool plain = detail::holdsStorageType(def.type, v) && def.type != FieldType::String;
            try {
                values[std::size_t(fi)] = plain ? std::move(v) : detail::toFieldType(def, v, QString(), detail::Bounds::Ignored);
            } catch (const DataSetError& e) {
                fail(name_, QStringLiteral("row %1: %2").arg(r + 1).arg(QString::fromStdString(e.what())));
            } catch (const CurrencyOverflow& e) {
                fail(name_, QStringLiteral("row %1, field '%2': %3").arg(r + 1).arg(def.name, QString::fromStdString(e.what())));
            }
            if (def.type == FieldType::AutoInc)
                if (const auto* n = std::get_if<std::int32_t>(&values[std::size_t(fi)]))
                    autoNext[std::size_t(fi)] = std::max(autoNext[std::size_t(fi)], std::int64_t(*n) + 1);
        }
        std::vector<Value>().swap(src);  // the source row's memory goes as the row is built
        auto row = std::make_shared<Row>();
        row->values = std::make_shared<const RowValues>(std::move(values));
        row->seq = (seq += Impl::kSeqGap);
        built.push_back(std::move(row));
    }

    // Nothing below can fail on the data: replace the rows of every cursor.
    const bool wasActive = active();
    for (ClientDataSet* cs : s.cursors)
        if (cs->cursor_->editing())
            cs->cursor_->clearEdit();
    const auto oldRows = std::move(s.rows);  // alive until every view let go of them
    s.rows = std::move(built);
    s.snapshot();
    s.autoIncNext = std::move(autoNext);
    s.open = true;
    s.aggregatesStale = true;
    cursor_->state = DataSetState::Browse;
    for (ClientDataSet* cs : s.cursors) {
        if (cs->cursor_->state == DataSetState::Inactive)
            continue;
        cs->rebuildView(false);
    }
    for (ClientDataSet* cs : std::vector<ClientDataSet*>(s.cursors)) {
        if (!cs->active())
            continue;
        cs->calcCurrent();
        if (cs == this && !wasActive)
            cs->notify(DataEvent::StateChanged);
        cs->notify(DataEvent::DataSetChanged);
    }
    if (!wasActive)
        runHandler(afterOpen, *this);
}

std::vector<std::vector<Value>> ClientDataSet::dataRows() const
{
    const Impl& s = *shared_;
    std::vector<std::vector<Value>> out;
    out.reserve(s.rows.size());
    for (const RowPtr& r : s.rows) {
        std::vector<Value> values;
        values.reserve(s.dataFields.size());
        for (int fi : s.dataFields)
            values.push_back((*r->values)[std::size_t(fi)]);
        out.push_back(std::move(values));
    }
    return out;
}

void ClientDataSet::close()
{
    Cursor& c = *cursor_;
    if (!active()) {
        if (c.isClone)
            c.state = DataSetState::Inactive;
        return;
    }
    runHandler(beforeClose, *this);
    if (c.isClone) {
        c.clearEdit();
        c.state = DataSetState::Inactive;
        c.view.clear();
        c.pos = -1;
        c.bof = c.eof = true;
        notify(DataEvent::StateChanged);
        return;
    }
    Impl& s = *shared_;
    for (ClientDataSet* cs : s.cursors)
        if (cs->cursor_->editing())
            cs->cursor_->clearEdit();
    const auto oldRows = std::move(s.rows);
    s.rows.clear();
    s.saved.clear();
    s.insertedCount = s.modifiedCount = s.deletedCount = 0;
    s.open = false;
    s.aggregatesStale = true;
    c.state = DataSetState::Inactive;
    for (ClientDataSet* cs : s.cursors) {
        Cursor& o = *cs->cursor_;
        o.view.clear();
        o.pos = -1;
        o.bof = o.eof = true;
        std::fill(o.calc.begin(), o.calc.end(), Value{});
    }
    for (ClientDataSet* cs : std::vector<ClientDataSet*>(s.cursors))
        if (cs->cursor_->state != DataSetState::Inactive || cs == this)
            cs->notify(DataEvent::StateChanged);
}

void ClientDataSet::emptyDataSet()
{
    checkActive();
    discardEdit();
    Impl& s = *shared_;
    for (const RowPtr& r : s.rows)
        s.countDeletion(*r);
    for (ClientDataSet* cs : s.cursors) {
        Cursor& o = *cs->cursor_;
        o.insertBefore = nullptr;  // a pending insert of another cursor is appended
        if (o.state == DataSetState::Edit) {
            o.editRow = nullptr;
            o.editRowLost = true;
        }
    }
    const auto oldRows = std::move(s.rows);
    s.rows.clear();
    s.aggregatesStale = true;
    for (ClientDataSet* cs : s.cursors)
        if (cs->active())
            cs->rebuildView(false);
    calcCurrent();
    notify(DataEvent::DataSetChanged);
    afterSharedChange();
}

// ---------------------------------------------------------------- editing

void ClientDataSet::append() { beginInsert(false); }

void ClientDataSet::insert() { beginInsert(true); }

void ClientDataSet::beginInsert(bool atCursor)
{
    checkBrowseMode();
    runHandler(beforeScroll, *this);
    Cursor& c = *cursor_;
    c.buffer.assign(shared_->defs.size(), Value{});
    c.insertBefore = atCursor && c.indexFields.empty() ? c.current(*shared_) : nullptr;
    c.editRow = nullptr;
    c.editRowLost = false;
    c.state = DataSetState::Insert;
    c.modified = false;
    try {
        calcBuffer();
        runHandler(onNewRecord, *this);
    } catch (...) {
        c.clearEdit();
        throw;
    }
    c.modified = false;
    notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
    runHandler(afterScroll, *this);
}

void ClientDataSet::edit()
{
    checkActive();
    Cursor& c = *cursor_;
    if (c.editing())
        return;
    Row* row = c.current(*shared_);
    if (!row) {
        beginInsert(false);
        return;
    }
    c.buffer = *row->values;
    c.editRow = row;
    c.editRowLost = false;
    c.state = DataSetState::Edit;
    c.modified = false;
    try {
        calcBuffer();
    } catch (...) {
        c.clearEdit();
        throw;
    }
    notify(DataEvent::StateChanged);
}

// A number for a new row once the numbering has reached the largest integer: one above the highest
// number below the run of numbers that ends at the largest, so rows appended meanwhile keep their
// order and follow every row numbered before them except that run. Nothing when all are taken.
static std::optional<std::int32_t> freeNumberBelowTop(const ClientDataSet::Impl& s, int field)
{
    std::vector<std::int32_t> used;
    used.reserve(s.rows.size());
    for (const RowPtr& row : s.rows)
        if (const auto* n = std::get_if<std::int32_t>(&(*row->values)[std::size_t(field)]); n && *n > 0)
            used.push_back(*n);
    std::sort(used.begin(), used.end());
    std::int64_t runBottom = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (auto it = used.rbegin(); it != used.rend(); ++it) {
        if (*it >= runBottom - 1) {
            runBottom = *it;
            continue;
        }
        return *it + 1;  // below the run: its successor is free
    }
    if (runBottom <= 1)
        return std::nullopt;
    return 1;
}

void ClientDataSet::post()
{
    checkActive();
    Cursor& c = *cursor_;
    if (!c.editing())
        return;
    if (c.state == DataSetState::Edit && c.editRowLost)
        fail(name_, QStringLiteral("The record being edited was deleted"));
    notify(DataEvent::UpdateRecord);
    if (!c.editing())
        return;
    runHandler(beforePost, *this);

    Impl& s = *shared_;
    RowValues values = c.buffer;
    for (int fi : s.nonDataFields)
        values[std::size_t(fi)] = Value{};
    int newPos = c.pos;
    bool changed = true;
    if (c.state == DataSetState::Insert) {
        std::vector<std::int64_t> next = s.autoIncNext;
        for (int fi : s.autoIncFields) {
            Value& v = values[std::size_t(fi)];
            const auto* given = std::get_if<std::int32_t>(&v);
            if (given && *given > 0) {
                next[std::size_t(fi)] = std::max(next[std::size_t(fi)], std::int64_t(*given) + 1);
                continue;
            }
            if (next[std::size_t(fi)] > std::numeric_limits<std::int32_t>::max()) {
                // A row holds the largest number: later rows take free numbers below it.
                const std::optional<std::int32_t> free = freeNumberBelowTop(s, fi);
                if (!free)
                    fail(name_, QStringLiteral("No more numbers for field '%1'").arg(s.defs[std::size_t(fi)].name));
                v = *free;
                continue;
            }
            v = std::int32_t(next[std::size_t(fi)]++);
        }
        auto row = std::make_shared<Row>();
        row->values = std::make_shared<const RowValues>(std::move(values));
        row->status = RowStatus::Inserted;
        int phys = c.insertBefore ? s.physicalIndexOf(c.insertBefore) : -1;
        if (phys < 0)
            phys = int(s.rows.size());
        row->seq = s.seqForPosition(phys);
        s.autoIncNext = std::move(next);
        s.rows.insert(s.rows.begin() + phys, row);
        ++s.insertedCount;
        s.adjustAggregates(*row->values, +1);
        for (ClientDataSet* cs : s.cursors) {
            if (cs->cursor_->state == DataSetState::Inactive)
                continue;
            const int p = cs->cursor_->rowInserted(row.get(), phys);
            if (cs == this)
                newPos = p;
        }
    } else {
        Row* row = c.editRow;
        changed = !sameData(values, *row->values, s.dataFields);
        if (changed) {
            if (row->status == RowStatus::Original) {
                row->status = RowStatus::Modified;
                ++s.modifiedCount;
            }
            s.adjustAggregates(*row->values, -1);
            row->values = std::make_shared<const RowValues>(std::move(values));
            s.adjustAggregates(*row->values, +1);
            for (ClientDataSet* cs : s.cursors) {
                if (cs->cursor_->state == DataSetState::Inactive)
                    continue;
                const int p = cs->cursor_->rowChanged(row, s);
                if (cs == this)
                    newPos = p;
            }
        }
    }

    c.clearEdit();
    const int n = c.size(s);
    if (newPos >= 0)
        c.pos = newPos;
    c.pos = std::min(c.pos, n - 1);
    if (c.pos < 0 && n > 0)
        c.pos = 0;
    c.bof = c.eof = n == 0;
    calcCurrent();
    if (changed)
        afterSharedChange();
    notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
    runHandler(afterPost, *this);
}

void ClientDataSet::cancel()
{
    checkActive();
    if (!cursor_->editing())
        return;
    runHandler(beforeCancel, *this);
    discardEdit();
    runHandler(afterCancel, *this);
}

void ClientDataSet::deleteRecord()
{
    checkActive();
    Cursor& c = *cursor_;
    if (c.state == DataSetState::Insert) {
        cancel();
        return;
    }
    Impl& s = *shared_;
    if (c.editRowLost) {
        discardEdit();
        return;
    }
    Row* row = c.current(s);
    if (!row)
        fail(name_, QStringLiteral("Cannot perform this operation on an empty dataset"));
    runHandler(beforeDelete, *this);
    runHandler(beforeScroll, *this);
    row = c.current(s);  // a handler may have moved other cursors; this one stays
    if (!row)
        return;
    const bool wasEditing = c.editing();
    const int phys = s.physicalIndexOf(row);
    const RowPtr hold = s.rows[std::size_t(phys)];
    s.countDeletion(*row);
    s.adjustAggregates(*row->values, -1);
    s.rows.erase(s.rows.begin() + phys);
    c.clearEdit();
    for (ClientDataSet* cs : s.cursors)
        if (cs->cursor_->state != DataSetState::Inactive)
            cs->cursor_->rowDeleted(row, phys, s);
    c.bof = c.eof = c.size(s) == 0;
    calcCurrent();
    afterSharedChange();
    if (wasEditing)
        notify(DataEvent::StateChanged);
    notify(DataEvent::DataSetChanged);
    runHandler(afterDelete, *this);
    runHandler(afterScroll, *this);
}

void ClientDataSet::refresh()
{
    checkActive();
    shared_->aggregatesStale = true;
    if (cursor_->editing())
        calcBuffer();
    else
        calcCurrent();
    notify(DataEvent::DataSetChanged);
}

bool ClientDataSet::modified() const { return active() && cursor_->editing() && cursor_->modified; }

// ---------------------------------------------------------------- navigation

void ClientDataSet::moveTo(int position, bool forceCalc)
{
    Cursor& c = *cursor_;
    const bool moved = position != c.pos;
    c.pos = position;
    if (moved || forceCalc) {
        calcCurrent();
        notify(DataEvent::ScrollChanged);
    }
}

void ClientDataSet::first()
{
    checkBrowseMode();
    runHandler(beforeScroll, *this);
    Cursor& c = *cursor_;
    const int n = c.size(*shared_);
    moveTo(n > 0 ? 0 : -1, true);
    c.bof = true;
    c.eof = n == 0;
    runHandler(afterScroll, *this);
}

void ClientDataSet::last()
{
    checkBrowseMode();
    runHandler(beforeScroll, *this);
    Cursor& c = *cursor_;
    const int n = c.size(*shared_);
    moveTo(n - 1, true);
    c.eof = true;
    c.bof = n == 0;
    runHandler(afterScroll, *this);
}

void ClientDataSet::next() { moveBy(1); }

void ClientDataSet::prior() { moveBy(-1); }

void ClientDataSet::moveBy(int distance)
{
    checkBrowseMode();
    if (distance == 0)
        return;
    runHandler(beforeScroll, *this);
    Cursor& c = *cursor_;
    if ((distance > 0 && c.eof) || (distance < 0 && c.bof))
        return;
    const int n = c.size(*shared_);
    if (n == 0) {
        c.bof = c.eof = true;
        runHandler(afterScroll, *this);
        return;
    }
    const long long target = static_cast<long long>(c.pos) + distance;
    c.bof = c.eof = false;
    int to = int(std::clamp<long long>(target, 0, n - 1));
    if (target >= n)
        c.eof = true;
    if (target < 0)
        c.bof = true;
    moveTo(to, false);
    runHandler(afterScroll, *this);
}

bool ClientDataSet::bof() const { return !active() || cursor_->bof; }

bool ClientDataSet::eof() const { return !active() || cursor_->eof; }

int ClientDataSet::recordCount() const { return active() ? cursor_->size(*shared_) : 0; }

int ClientDataSet::recNo() const
{
    const Cursor& c = *cursor_;
    if (!c.calcStack.empty())
        return c.calcStack.back().recNo;
    if (!active() || c.state == DataSetState::Insert || c.pos < 0)
        return -1;
    return c.pos + 1;
}

void ClientDataSet::setRecNo(int recNo)
{
    checkBrowseMode();
    Cursor& c = *cursor_;
    if (recNo < 1 || recNo > c.size(*shared_) || recNo == c.pos + 1)
        return;
    runHandler(beforeScroll, *this);
    moveTo(recNo - 1, true);
    c.bof = c.eof = false;
    runHandler(afterScroll, *this);
}

// ---------------------------------------------------------------- change log

int ClientDataSet::changeCount() const
{
    const Impl& s = *shared_;
    return s.insertedCount + s.modifiedCount + s.deletedCount;
}

void ClientDataSet::mergeChangeLog()
{
    if (shared_->open)
        shared_->snapshot();
}

void ClientDataSet::cancelUpdates()
{
    checkActive();
    Impl& s = *shared_;
    struct Place {
        ClientDataSet* cursor;
        const Row* row;
        int pos;
        bool wasEditing;
    };
    std::vector<Place> places;
    for (ClientDataSet* cs : s.cursors) {
        Cursor& o = *cs->cursor_;
        places.push_back({cs, o.current(s), o.pos, o.editing()});
        if (o.editing())
            o.clearEdit();
    }
    const auto oldRows = std::move(s.rows);  // inserted rows live until the views dropped them
    s.rows.clear();
    s.rows.reserve(s.saved.size());
    for (auto& [row, values] : s.saved) {
        row->values = values;
        row->status = RowStatus::Original;
        s.rows.push_back(row);
    }
    s.renumber();
    s.insertedCount = s.modifiedCount = s.deletedCount = 0;
    s.aggregatesStale = true;
    for (const Place& p : places) {
        Cursor& o = *p.cursor->cursor_;
        if (o.state == DataSetState::Inactive)
            continue;
        o.rebuild(s);
        o.placeOn(s, p.row, p.pos);
    }
    for (const Place& p : places) {
        if (!p.cursor->active())
            continue;
        p.cursor->calcCurrent();
        if (p.wasEditing)
            p.cursor->notify(DataEvent::StateChanged);
        if (p.cursor == this || !controlsDisabled())
            p.cursor->notify(DataEvent::DataSetChanged);
    }
}

// ---------------------------------------------------------------- order and search

void ClientDataSet::setIndexFieldNames(const QString& names)
{
    if (active())
        checkBrowseMode();
    const QString old = indexFieldNames_;
    indexFieldNames_ = names;
    try {
        resolveOrder();
    } catch (...) {
        indexFieldNames_ = old;
        resolveOrder();
        throw;
    }
    if (!active())
        return;
    const Row* before = cursor_->current(*shared_);
    rebuildView(true);
    if (cursor_->current(*shared_) != before)
        calcCurrent();
    notify(DataEvent::DataSetChanged);
}

bool ClientDataSet::locate(const QString& fieldNames, const std::vector<Value>& values, LocateOptions options)
{
    checkBrowseMode();
    const Impl& s = *shared_;
    const QStringList names = splitNames(fieldNames);
    if (names.size() != qsizetype(values.size()))
        fail(name_, QStringLiteral("Locate on '%1' needs %2 values, got %3").arg(fieldNames).arg(names.size()).arg(values.size()));
    std::vector<int> fields;
    std::vector<Value> keys;
    for (qsizetype k = 0; k < names.size(); ++k) {
        const int fi = fieldByName(names[k]).index();
        FieldDef def = s.defs[std::size_t(fi)];
        def.size = 0;  // a key too long simply matches nothing
        def.minValue.reset();
        def.maxValue.reset();
        try {
            keys.push_back(detail::toFieldType(def, values[std::size_t(k)], name_));
        } catch (const std::exception&) {
            return false;  // a key that is no value of the field's type matches no row
        }
        fields.push_back(fi);
    }
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    auto matches = [&](const Row* row) {
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const Value& v = (*row->values)[std::size_t(fields[k])];
            const Value& key = keys[k];
            if (isNull(key) || isNull(v)) {
                if (isNull(key) && (isNull(v) || options.partialKey))
                    continue;
                return false;
            }
            if (const auto* text = std::get_if<QString>(&v)) {
                const QString& want = std::get<QString>(key);
                if (options.partialKey ? !text->startsWith(want, cs) : text->compare(want, cs) != 0)
                    return false;
            } else if (detail::compareValues(v, key) != 0) {
                return false;
            }
        }
        return true;
    };
    Cursor& c = *cursor_;
    const int n = c.size(s);
    for (int i = 0; i < n; ++i) {
        if (!matches(c.at(s, i)))
            continue;
        runHandler(beforeScroll, *this);
        moveTo(i, true);
        c.bof = c.eof = false;
        runHandler(afterScroll, *this);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- clones and filters

std::unique_ptr<ClientDataSet> ClientDataSet::cloneCursor()
{
    std::unique_ptr<ClientDataSet> clone(new ClientDataSet(name_, shared_));
    clone->cursor_->isClone = true;
    if (shared_->open) {
        clone->cursor_->state = DataSetState::Browse;
        clone->rebuildView(false);
        clone->calcCurrent();
    }
    return clone;
}

void ClientDataSet::setFilter(const QString& expression)
{
    if (expression == filter_)
        return;
    if (fieldCount() > 0)
        detail::FilterExpression::parse(expression, shared_->defs, [this](QStringView n) { return indexOfName(n); }, name_);
    if (active() && filtered_)
        checkBrowseMode();
    filter_ = expression;
    resolveOrder();
    if (active() && filtered_) {
        rebuildView(false);
        calcCurrent();
        notify(DataEvent::DataSetChanged);
    }
}

void ClientDataSet::setFiltered(bool on)
{
    if (on == filtered_)
        return;
    if (active())
        checkBrowseMode();
    filtered_ = on;
    resolveOrder();
    if (active()) {
        rebuildView(false);
        calcCurrent();
        notify(DataEvent::DataSetChanged);
    }
}

// ---------------------------------------------------------------- controls

void ClientDataSet::disableControls() { ++cursor_->disableCount; }

void ClientDataSet::enableControls()
{
    if (cursor_->disableCount == 0)
        return;
    if (--cursor_->disableCount > 0)
        return;
    notify(DataEvent::DataSetChanged);
    const auto cursors = shared_->cursors;
    for (ClientDataSet* other : cursors)
        if (other != this)
            other->notify(DataEvent::DataSetChanged);
}

bool ClientDataSet::controlsDisabled() const { return cursor_->disableCount > 0; }

int ClientDataSet::addObserver(Observer observer)
{
    const int handle = cursor_->nextObserver++;
    cursor_->observers.emplace_back(handle, std::move(observer));
    return handle;
}

void ClientDataSet::removeObserver(int handle)
{
    auto& obs = cursor_->observers;
    obs.erase(std::remove_if(obs.begin(), obs.end(), [handle](const auto& e) { return e.first == handle; }), obs.end());
}

// ---------------------------------------------------------------- aggregates

void ClientDataSet::setAggregatesActive(bool on)
{
    shared_->aggregatesActive = on;
    shared_->aggregatesStale = true;
    if (active())
        notify(DataEvent::DataSetChanged);
}

bool ClientDataSet::aggregatesActive() const { return shared_->aggregatesActive; }

bool ClientDataSet::aggregateOverflow(int fieldIndex) const
{
    const Impl& s = *shared_;
    if (!s.aggregatesActive || !s.open || fieldIndex < 0 || fieldIndex >= int(s.defs.size()))
        return false;
    s.ensureAggregates();
    return s.aggregateOverflows[std::size_t(fieldIndex)];
}

// ---------------------------------------------------------------- values

const Value& ClientDataSet::activeValue(int fieldIndex) const
{
    const Impl& s = *shared_;
    const FieldDef& def = s.defs[std::size_t(fieldIndex)];
    if (def.kind == FieldKind::Aggregate) {
        if (!s.aggregatesActive || !s.open)
            return kNull;
        s.ensureAggregates();
        return s.aggregateValues[std::size_t(fieldIndex)];
    }
    const Cursor& c = *cursor_;
    if (!c.calcStack.empty()) {
        const auto& ctx = c.calcStack.back();
        return def.kind == FieldKind::Calculated ? (*ctx.calc)[std::size_t(fieldIndex)] : (*ctx.data)[std::size_t(fieldIndex)];
    }
    if (!s.open)
        return kNull;
    if (c.editing())
        return c.buffer[std::size_t(fieldIndex)];
    if (c.state != DataSetState::Browse)
        return kNull;
    const Row* row = c.current(s);
    if (!row)
        return kNull;
    return def.kind == FieldKind::Calculated ? c.calc[std::size_t(fieldIndex)] : (*row->values)[std::size_t(fieldIndex)];
}

void ClientDataSet::setActiveValue(int fieldIndex, Value v)
{
    const FieldDef& def = shared_->defs[std::size_t(fieldIndex)];
    Cursor& c = *cursor_;
    if (def.kind == FieldKind::Aggregate)
        fail(name_, QStringLiteral("Field '%1' cannot be modified").arg(def.name));
    if (!c.calcStack.empty()) {
        if (def.kind != FieldKind::Calculated)
            fail(name_, QStringLiteral("Field '%1' cannot be modified while calculating").arg(def.name));
        (*c.calcStack.back().calc)[std::size_t(fieldIndex)] = std::move(v);
        return;
    }
    if (!active() || !c.editing())
        fail(name_, QStringLiteral("Dataset not in edit or insert mode"));
    c.buffer[std::size_t(fieldIndex)] = std::move(v);
    if (def.kind == FieldKind::Data) {
        c.modified = true;
        calcBuffer();
    }
    notify(DataEvent::RecordChanged);
}

bool ClientDataSet::calculating() const { return !cursor_->calcStack.empty(); }

Value ClientDataSet::rowValue(int recNo, int fieldIndex)
{
    const Impl& s = *shared_;
    Cursor& c = *cursor_;
    if (!active() || fieldIndex < 0 || fieldIndex >= int(s.defs.size()) || recNo < 1 || recNo > c.size(s))
        return {};
    const FieldDef& def = s.defs[std::size_t(fieldIndex)];
    if (def.kind == FieldKind::Aggregate)
        return activeValue(fieldIndex);
    const Row* row = c.at(s, recNo - 1);
    if (c.state == DataSetState::Edit && row == c.editRow)
        return c.buffer[std::size_t(fieldIndex)];
    if (def.kind == FieldKind::Data)
        return (*row->values)[std::size_t(fieldIndex)];
    if (c.state == DataSetState::Browse && recNo - 1 == c.pos && c.calcStack.empty())
        return c.calc[std::size_t(fieldIndex)];
    RowValues calc(s.defs.size());
    const auto hold = row->values;
    runCalc(hold.get(), &calc, recNo);
    return calc[std::size_t(fieldIndex)];
}

void ClientDataSet::readRow(int recNo, const std::function<void()>& read)
{
    const Impl& s = *shared_;
    Cursor& c = *cursor_;
    if (!active() || recNo < 1 || recNo > c.size(s))
        return;
    const Row* row = c.at(s, recNo - 1);
    std::shared_ptr<const RowValues> hold;
    const RowValues* data = nullptr;
    RowValues calc;
    if (c.state == DataSetState::Edit && row == c.editRow) {
        data = &c.buffer;
        calc = c.buffer;
    } else {
        hold = row->values;
        data = hold.get();
        if (c.state == DataSetState::Browse && recNo - 1 == c.pos && c.calcStack.empty()) {
            calc = c.calc;
        } else {
            calc.assign(s.defs.size(), Value{});
            runCalc(data, &calc, recNo);
        }
    }
    c.calcStack.push_back({data, &calc, recNo});
    try {
        read();
    } catch (...) {
        c.calcStack.pop_back();
        throw;
    }
    c.calcStack.pop_back();
}

}  // namespace qx
