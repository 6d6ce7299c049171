#pragma once
// How each field type is named and how its values are written in a data packet.
//
//   String    "string" WIDTH=size        text
//   Integer   "i4"                       -2147483648 .. 2147483647
//   LargeInt  "i8"                       64-bit
//   Currency  "r8" SUBTYPE="Money"       decimal ("1234.5"; read rounded to four decimals, exponent allowed)
//   Boolean   "boolean"                  TRUE / FALSE
//   Date      "date"                     yyyymmdd
//   DateTime  "dateTime"                 yyyymmddThh:nn:sszzz (seconds and milliseconds in five digits)
//   AutoInc   "i4" SUBTYPE="Autoinc"     as Integer

#include "FieldDef.h"
#include "Value.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <string>

namespace qx {

struct PacketType {
    QLatin1StringView fieldType;
    QLatin1StringView subType;  // empty when none
};

PacketType packetTypeOf(FieldType type);

enum class TypeMatch { Same, Disagrees, Unknown };
// Whether a FIELD of a file with this fieldtype (ignoring case) holds values of `type`. The
// SUBTYPE never changes how values read: "i4" serves Integer and AutoInc alike, "r8" with or
// without "Money" serves Currency.
TypeMatch matchPacketType(QStringView fieldType, FieldType type);

// Appends the text of a non-null, non-text value (ASCII, nothing to escape). Returns false with
// `error` set when the value cannot be written as `type` (another kind of value, or a date
// outside the years 1 to 9999).
bool appendValueText(std::string& out, FieldType type, const Value& value, QString* error);

// Parses the text of a non-text field. Returns false with `error` set when the text is not a
// value of the type or is out of its range. Amounts are rounded to four decimals.
bool parseValueText(QStringView text, FieldType type, Value* value, QString* error);

}  // namespace qx
