#pragma once
// A field looked up by name once and kept for repeated use. A name the dataset does not know is
// kept as well, so that using it raises the dataset's own error where a lookup would have.

#include "platform/data/ClientDataSet.h"

#include <QString>

struct FieldRef {
    qx::Field* field = nullptr;
    QString name;
};

inline FieldRef LookUpField(const qx::ClientDataSet& dataSet, const QString& name)
{
    return {dataSet.findField(name), name};
}

// The field; an unknown name throws as ClientDataSet::fieldByName does.
inline qx::Field& FieldOf(const qx::ClientDataSet& dataSet, const FieldRef& ref)
{
    return ref.field ? *ref.field : dataSet.fieldByName(ref.name);
}
