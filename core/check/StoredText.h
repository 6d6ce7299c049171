#pragma once
// Text stored in a String field the way the declaration's files hold it: a text wider than its
// field keeps only what fits, instead of failing the whole record.

#include <QString>

namespace qx {
class Field;
}

// The longest start of `text` that fits a field of `size` bytes (0: no limit).
QString CutToFieldSize(const QString& text, int size);
// Sets the field to `text` cut to the field's size.
void SetTextCut(qx::Field& field, const QString& text);
