#pragma once
// Reads the rows of a data packet's text, typed by a dataset's field definitions.

#include "FieldDef.h"
#include "PacketScanner.h"
#include "PacketShape.h"
#include "Value.h"

#include <QByteArray>
#include <QStringView>
#include <vector>

namespace qx {

// The values of the data fields of `defs` (in definition order) for every ROW of the packet.
// FIELDs of the file are matched to the definitions by name ignoring case; unknown FIELDs and
// attributes are ignored (unless `shape` holds the file to the table's fields), a definition missing
// from the file reads as null, but a field list that declares none of the definitions is a fault
// (another table's file). An element the format
// does not put where it stands, or a row value of a field of `defs` that the file's field list does
// not declare, is a fault, as is a row that breaks `shape`. A row without any value of `defs` is
// an empty vector. Throws PacketFault at the first fault.
std::vector<std::vector<Value>> readPacket(QStringView text, const std::vector<FieldDef>& defs,
                                           const PacketShape& shape = {});

// The rows of a packet's bytes as readPacket gives them (DataPacket::parse fills the empty rows
// out). Throws DataPacketError as DataPacket::parse does. The bytes are let go once decoded, so a
// caller that moves them in holds no copy while the rows are read.
std::vector<std::vector<Value>> parsePacketRows(QByteArray bytes, const std::vector<FieldDef>& defs,
                                               const QString& sourceName, const PacketShape& shape);

}  // namespace qx
