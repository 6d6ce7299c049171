#pragma once
// The XML data packet: one dataset's field list and rows in a file.
//
//   <?xml version="1.0" standalone="yes"?>
//   <DATAPACKET Version="2.0"><METADATA><FIELDS><FIELD attrname=".." fieldtype=".." WIDTH=".."/>
//   ...</FIELDS><PARAMS/></METADATA><ROWDATA><ROW Name="value" .../>...</ROWDATA></DATAPACKET>
//
// Only data fields are written, in definition order; a null value is left out. Text is written
// in Big5 (CP950); a character Big5 cannot hold becomes a numeric character reference. Reading
// honours an encoding declaration (UTF-8 and others iconv knows) and takes CP950 otherwise,
// accepts field names that start with a digit, rows with a RowState, and ignores unknown
// attributes and fields; names match ignoring case.

#include "PacketShape.h"
#include "StagedFile.h"
#include "Value.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace qx {

class ClientDataSet;
struct FieldDef;

// A packet that cannot be read or written. what() names the file and, for a bad packet, the
// line and column of the fault.
class DataPacketError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace DataPacket {

// No data packet of a declaration comes near it: larger files are refused before reading.
constexpr qint64 kMaxPacketBytes = 256LL * 1024 * 1024;

// Packet bytes of the dataset's rows (physical order) and data fields. Throws DataPacketError
// for a value that would not read back the same (text over its width, a date outside 1..9999).
QByteArray serialize(const ClientDataSet& dataSet);
// The same for rows of data-field values in the order of the data fields of `defs`.
QByteArray serialize(const std::vector<FieldDef>& defs, const std::vector<std::vector<Value>>& rows);
// Rows of a packet, typed by `defs` (data fields in order). Throws DataPacketError naming
// `sourceName` for bad input: malformed XML, an element out of its place, unknown fieldtype, a
// FIELD whose type disagrees with the definition, a field list with none of the fields of `defs`
// or, where `shape` says so, with one `defs` lacks (another table's packet), a row value of an
// undeclared field of `defs`, a
// value not of its field's type, text over its width or holding a character text cannot hold, rows
// that break `shape`, a value or text of more than a megabyte, rows that would take many times the
// packet's size in memory. Amounts with more than four decimals or in exponent form are read rounded to
// four decimals, halves away from zero.
std::vector<std::vector<Value>> parse(const QByteArray& bytes, const std::vector<FieldDef>& defs,
                                      const QString& sourceName, const PacketShape& shape = {});

// Reads the file into the dataset (inactive or open; replaces its rows, opens it). On any
// failure the dataset is exactly as before and DataPacketError is thrown. Values are not held to
// the bounds a field sets for typing. The file is opened as RegularFile::open does: a link, a
// pipe or a device in its place is refused.
void load(ClientDataSet& dataSet, const QString& path, const PacketShape& shape = {});
// The same from the file open as `fd` (read from its current place), named `path` in messages.
void load(ClientDataSet& dataSet, int fd, const QString& path, const PacketShape& shape = {});
// Writes atomically (temporary file in the same folder, flushed, then renamed; see StagedFile);
// the old file stays whole on failure, and a symbolic link in its place is refused. Throws
// DataPacketError with the system's reason.
void save(const ClientDataSet& dataSet, const QString& path);
// The first step of save(): the packet written to a temporary beside the file `path` names in
// the open folder `folder` (under `temporaryName` when one is given, see StagedFile); commit()
// puts it in place, destroying it without commit() leaves the old file as it was.
StagedFile stage(const ClientDataSet& dataSet, int folder, const QString& path, const QString& temporaryName = {});

}  // namespace DataPacket

// Big5 (CP950) text codec through iconv.
namespace Big5 {
// Characters Big5 cannot hold become "&#NNN;" when `escapeUnmappable`, else '?'.
QByteArray encode(const QString& text, bool escapeUnmappable = true);
QString decode(const QByteArray& bytes);  // invalid bytes become U+FFFD
// Width of `text` in the bytes a field holds (ASCII and Latin-1 letters one byte, Chinese and
// any other character two).
int byteWidth(const QString& text);
}  // namespace Big5

}  // namespace qx
