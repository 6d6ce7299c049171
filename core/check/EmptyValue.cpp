#include "core/check/EmptyValue.h"

#include "platform/data/Field.h"

bool IsEmptyValue(const qx::Field& field)
{
    if (field.isNull())
        return true;
    switch (field.dataType()) {
    case qx::FieldType::String: return field.asString().isEmpty();
    case qx::FieldType::Integer:
    case qx::FieldType::LargeInt: return field.asLargeInt() == 0;
    case qx::FieldType::Currency: return field.asCurrency().isZero();
    case qx::FieldType::Boolean:
    case qx::FieldType::Date:
    case qx::FieldType::DateTime:
    case qx::FieldType::AutoInc: break;
    }
    return false;
}
