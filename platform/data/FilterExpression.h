#pragma once
// A cursor filter: "Field=Value" terms joined by "and" (any letter case), e.g.
// "Obj_Code=3212" or "Obj_Code=1012 and Alert_Type=10". Values are numbers or quoted text
// ('it''s' or "text"); each is converted to its field's type when parsed. A row passes when
// every term's field equals its value exactly; a null field never passes.

#include "FieldDef.h"
#include "Value.h"

#include <QString>
#include <functional>
#include <vector>

namespace qx::detail {

class FilterExpression {
public:
    struct Term {
        int fieldIndex;
        Value value;
    };

    // Throws DataSetError naming the dataset on a syntax error or an unknown field.
    static FilterExpression parse(const QString& text, const std::vector<FieldDef>& defs,
                                  const std::function<int(QStringView)>& indexOf, const QString& dataSetName);

    bool empty() const { return terms_.empty(); }
    bool accepts(const std::vector<Value>& values) const;

private:
    std::vector<Term> terms_;
};

}  // namespace qx::detail
