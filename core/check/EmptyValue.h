#pragma once
// When a field counts as not filled in, for the rules that ask for a value.

namespace qx {
class Field;
}

// Null; or an empty text; or an integer or an amount of 0. A Boolean or a date is empty only
// when null.
bool IsEmptyValue(const qx::Field& field);
