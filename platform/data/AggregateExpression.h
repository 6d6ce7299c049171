#pragma once
// A maintained aggregate: "sum(<field> +/- <field> ...)", function name in any letter case.
// Null values count 0; the sum over no rows is null; a total outside the currency range is
// reported as an overflow instead of wrapping.

#include "FieldDef.h"
#include "Value.h"

#include <QString>
#include <functional>
#include <vector>

namespace qx::detail {

class AggregateExpression {
public:
    struct Term {
        int fieldIndex;
        bool negative;
    };

    // Parses `text`; field names are resolved by `indexOf` (-1 when unknown). Throws
    // DataSetError naming `fieldName` on a syntax error, an unknown field or a field that is
    // neither a numeric data field.
    static AggregateExpression parse(const QString& text, const QString& fieldName,
                                     const std::vector<FieldDef>& defs,
                                     const std::function<int(QStringView)>& indexOf);

    const std::vector<Term>& terms() const { return terms_; }

    struct Result {
        Value value;            // Currency, or null (no rows or overflow)
        bool overflow = false;  // true when the total left the currency range
    };
    // Sums over `rows`, each a full record of values indexed by field.
    template <typename RowRange, typename ValuesOf>
    Result evaluate(const RowRange& rows, ValuesOf valuesOf) const;

    // Contribution of one record in ten-thousandths.
    __int128 rowTotal(const std::vector<Value>& values) const;

private:
    std::vector<Term> terms_;
};

template <typename RowRange, typename ValuesOf>
AggregateExpression::Result AggregateExpression::evaluate(const RowRange& rows, ValuesOf valuesOf) const
{
    Result r;
    if (rows.empty())
        return r;
    __int128 total = 0;
    for (const auto& row : rows)
        total += rowTotal(valuesOf(row));
    if (total > INT64_MAX || total < INT64_MIN) {
        r.overflow = true;
        return r;
    }
    r.value = Currency::fromRaw(static_cast<std::int64_t>(total));
    return r;
}

}  // namespace qx::detail
