#pragma once
// Ways a folder file gets damaged (a full disk, a bad copy, a hand edit), applied to the bytes of
// a packet the program wrote, and the small file helpers the robustness tests share.

#include "platform/data/FieldDef.h"
#include "support/FileBytes.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace damage {

using qxtest::copyFolder;
using qxtest::readBytes;
using qxtest::snapshot;
using qxtest::writeBytes;

// The bytes with one kind of damage; nothing when the kind does not apply to the packet.
using Damage = std::function<std::optional<QByteArray>(const QByteArray& packet, const std::vector<qx::FieldDef>& defs)>;

struct Kind {
    const char* name;
    Damage apply;
};

// Empty, truncated, binary, malformed, wrong field type, number out of range, text over its
// width, a row misspelt, ROWDATA renamed, the field list emptied, a FIELD line lost: each applies
// to every packet of a dataset with a row.
const std::vector<Kind>& kindsForEveryFile();
// A second copy of the first row: several records in a page that holds one.
std::optional<QByteArray> duplicateFirstRow(const QByteArray& packet);
// The first row without its value of `field`.
std::optional<QByteArray> dropAttribute(const QByteArray& packet, const QString& field);
// The first row with `field` set to `value` (added when the row has none).
std::optional<QByteArray> setAttribute(const QByteArray& packet, const QString& field, const QByteArray& value);
// A FIELD added to the metadata (before the first one) and its value in every row.
QByteArray addUnknownField(const QByteArray& packet, const QByteArray& fieldXml, const QByteArray& attribute);
// The FIELD `field` and its values removed from the packet.
QByteArray removeField(const QByteArray& packet, const QString& field);

}  // namespace damage
