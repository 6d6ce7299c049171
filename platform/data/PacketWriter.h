#pragma once
// Writes the data packet of rows: the field list of the data fields and one ROW per row.

#include "FieldDef.h"
#include "Value.h"

#include <QByteArray>
#include <vector>

namespace qx {

// `rows` hold the values of the data fields of `defs`, in definition order (other kinds of
// field are skipped). Throws DataPacketError when a value cannot be written so that it reads
// back the same (text over its width, a value of another type, a date outside 1..9999).
QByteArray writePacket(const std::vector<FieldDef>& defs, const std::vector<std::vector<Value>>& rows);

}  // namespace qx
