#pragma once
// A maintained aggregate: "sum(<field> +/- <field> ...)", function name in any letter case.
// Null values count 0. The dataset keeps the totals exactly (128 bits) and decides what an
// empty list or a total outside the currency range reads as.

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
    // not a numeric data field.
    static AggregateExpression parse(const QString& text, const QString& fieldName,
                                     const std::vector<FieldDef>& defs,
                                     const std::function<int(QStringView)>& indexOf);

    const std::vector<Term>& terms() const { return terms_; }

    // Contribution of one record in ten-thousandths.
    __int128 rowTotal(const std::vector<Value>& values) const;

private:
    std::vector<Term> terms_;
};

}  // namespace qx::detail
