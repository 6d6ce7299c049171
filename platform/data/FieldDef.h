#pragma once
// The definition of one field of a dataset: everything fixed at design time.

#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

enum class FieldType {
    String,    // text of at most `size` characters (Chinese counts two bytes a character in Big5)
    Integer,   // 32-bit, "i4"
    LargeInt,  // 64-bit, "i8"
    Currency,  // fixed point, four decimals, "r8" SUBTYPE "Money"
    Boolean,
    Date,
    DateTime,
    AutoInc    // 32-bit key assigned at post, "i4" SUBTYPE "Autoinc"
};

// Numbers and dates show and print whole or not at all: cut to some of its digits, a value would
// read as another. Texts and check marks may be cut.
constexpr bool ShowsWhole(FieldType type) { return type != FieldType::String && type != FieldType::Boolean; }

enum class FieldKind { Data, Calculated, Aggregate };

enum class Alignment { Left, Center, Right };

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    FieldKind kind = FieldKind::Data;
    int size = 0;                 // String: the width
    QString displayLabel;         // empty: the name
    QString displayFormat;        // numeric or date pattern (see DisplayFormat.h)
    QString editFormat;
    QString displayValues;        // Boolean: "TrueText;FalseText", e.g. "X;"
    QString expression;           // Aggregate: e.g. "sum(Col1_Mop-Col2_Mop)"
    bool readOnly = false;
    Alignment alignment = Alignment::Left;
    std::optional<std::int64_t> maxValue;  // Integer fields with a bound (checked at assignment)
    std::optional<std::int64_t> minValue;
};

}  // namespace qx
