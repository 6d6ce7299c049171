#pragma once
// Reads the rows of a data packet's text, typed by a dataset's field definitions.

#include "FieldDef.h"
#include "PacketScanner.h"
#include "PacketShape.h"
#include "Value.h"

#include <QStringView>
#include <vector>

namespace qx {

// The values of the data fields of `defs` (in definition order) for every ROW of the packet.
// FIELDs of the file are matched to the definitions by name ignoring case; unknown FIELDs and
// attributes are ignored, a definition missing from the file reads as null. An element the format
// does not put where it stands, or a row value of a field of `defs` that the file's field list does
// not declare, is a fault, as is a row that breaks `shape`. Throws PacketFault at the first fault.
std::vector<std::vector<Value>> readPacket(QStringView text, const std::vector<FieldDef>& defs,
                                           const PacketShape& shape = {});

}  // namespace qx
