#pragma once
// The overflow list of a record: the text of its overflow_fields field, "/" + name + "/" for every
// calculated field whose value left the currency range in the record's last calculation.

#include <QString>
#include <initializer_list>

namespace qx {
class ClientDataSet;
class Field;
}

// True when `name` is listed (exact name, as the list writes it).
bool OverflowListHas(const QString& list, const QString& name);
// The list with `name` appended, or unchanged when it is already listed.
QString OverflowListWith(const QString& list, const QString& name);

// The overflow list of the record `field` belongs to ("" when the dataset has none), and whether
// `field` is listed there.
QString OverflowListOf(const qx::Field& field);
bool IsOverflowFlagged(const qx::Field& field);
// The same for a caller that holds the record's overflow_fields field (nullptr: none).
bool IsListedIn(const qx::Field* list, const qx::Field& field);
// True when one of `fields` (nullptr entries are skipped) is flagged in its own record.
bool AnyOverflowFlagged(std::initializer_list<const qx::Field*> fields);

// Empties the overflow list of the current record: each calculation of a record starts with it.
void ClearOverflowList(qx::ClientDataSet& dataSet);
