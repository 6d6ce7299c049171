#pragma once
// Conversions between field values and the field types of the data layer, text forms of values
// and the ordering used by indexes. Shared by Field, Locate, filters and row loading.

#include "FieldDef.h"
#include "Value.h"

#include <QString>
#include <optional>

namespace qx::detail {

// A typed whole number: blanks around it, an optional sign ('+' or '-') and digits, as an amount
// is typed. False for anything else or outside the 64-bit range.
bool parseIntegerText(QStringView text, std::int64_t* out);

// Width of `text` in the bytes a field holds: ASCII and the accented letters of Latin-1 (the
// Portuguese texts) one byte, Chinese and any other character two.
int big5Width(const QString& text);

// Index of the first character that text in a file cannot hold (a control character other than
// tab, carriage return and line feed, or a non-character such as U+FFFF); -1 when none.
qsizetype badTextCharacter(QStringView text);
// "U+0001" and the like.
QString characterCode(QStringView text, qsizetype at);

// Whether a value is held to the bounds its field sets for typing (a value read from a file is
// not: a rule of the validation reports it).
enum class Bounds { Checked, Ignored };

// `v` converted to the storage type of `def` (an empty text becomes null). Throws DataSetError
// naming the field for a value that is not of the type, out of its bounds or too wide, or a text
// with a character a file cannot hold; a currency out of range throws CurrencyOverflow. Only data
// texts are held to their width.
Value toFieldType(const FieldDef& def, const Value& v, const QString& dataSetName, Bounds bounds = Bounds::Checked);

// `v` read as an amount: an amount, an integer (CurrencyOverflow beyond the range) or a text
// holding one; nothing for null or any other value.
std::optional<Currency> currencyValue(const Value& v);

// `v` read as a date: a date, the date of a date and time, or a text holding one; nothing for
// null or any other value.
std::optional<QDate> dateValue(const Value& v);

// Plain text of a value: "" for null, "1234.5", "True"/"False", dd/mm/yyyy (hh:nn:ss).
QString plainText(const Value& v);

// True when `v` holds the storage type of `type` (or is null).
bool holdsStorageType(FieldType type, const Value& v);

// Three-way ordering for indexes: null first, then by value; text compares case-sensitively.
int compareValues(const Value& a, const Value& b);

}  // namespace qx::detail
