#pragma once
// Small schemas and helpers shared by the dataset and data packet tests.

#include "platform/data/ClientDataSet.h"

#include <QString>
#include <vector>

namespace qxtest {

inline qx::FieldDef def(const char* name, qx::FieldType type, qx::FieldKind kind = qx::FieldKind::Data, int size = 0)
{
    qx::FieldDef d;
    d.name = QString::fromLatin1(name);
    d.type = type;
    d.kind = kind;
    d.size = size;
    return d;
}

// A data field; `size` is the width of a text field.
inline qx::FieldDef def(const char* name, qx::FieldType type, int size)
{
    return def(name, type, qx::FieldKind::Data, size);
}

inline qx::FieldDef aggregate(const char* name, const char* expression)
{
    qx::FieldDef d = def(name, qx::FieldType::Currency, qx::FieldKind::Aggregate);
    d.expression = QString::fromLatin1(expression);
    return d;
}

// An asset list: key, code, two amounts, a difference and the row's page, two totals.
inline std::vector<qx::FieldDef> listFields()
{
    using qx::FieldKind;
    using qx::FieldType;
    return {def("Rec_AID", FieldType::AutoInc),
            def("Codigo", FieldType::String, FieldKind::Data, 5),
            def("Col1_Mop", FieldType::Currency),
            def("Col2_Mop", FieldType::Currency),
            def("col3_mop", FieldType::Currency, FieldKind::Calculated),
            def("pag_num", FieldType::Integer, FieldKind::Calculated),
            aggregate("COL1_TTL", "SUM(Col1_Mop)"),
            aggregate("COL3_TTL", "sum(col1_mop - Col2_Mop)")};
}

// Data-field values of rows, as a data packet holds them.
using Rows = std::vector<std::vector<qx::Value>>;

inline qx::Currency money(const char* text) { return qx::Currency::parse(QString::fromLatin1(text)); }

// Appends and posts one row of the list schema.
inline void addRow(qx::ClientDataSet& ds, const char* code, const char* col1, const char* col2 = "0")
{
    ds.append();
    ds.fieldByName(u"Codigo").setAsString(QString::fromLatin1(code));
    ds.fieldByName(u"Col1_Mop").setAsCurrency(money(col1));
    ds.fieldByName(u"Col2_Mop").setAsCurrency(money(col2));
    ds.post();
}

// The codes of every row in the cursor's order (moves the cursor).
inline QStringList codes(qx::ClientDataSet& ds, const char* field = "Codigo")
{
    QStringList out;
    for (ds.first(); !ds.eof(); ds.next())
        out << ds.fieldByName(QString::fromLatin1(field)).asString();
    return out;
}

}  // namespace qxtest
