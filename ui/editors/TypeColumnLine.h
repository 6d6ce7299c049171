#pragma once
// An asset type as the paper list's type column holds it: the first line of the text wrapped in a
// column 215 pixels wide in 12-pixel Courier New (at blanks, or anywhere in a word or a run of
// Chinese that is wider than the column), cut further to what the row's field holds.

#include <QString>

namespace qx {
class Field;
}

// The first line of `text` in the type column (a line break in the text ends it too).
QString TypeColumnFirstLine(const QString& text);
// Sets the field to the first line of `text`, cut to the field's size.
void SetTypeFromRate(qx::Field& field, const QString& text);
