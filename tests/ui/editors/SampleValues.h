#pragma once
// A valid value of every input field, as the user would type it, and a folder filled with them.

#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"

#include <QString>

// The n-th sample text of a field: fits its width and its bounds.
inline QString SampleText(const qx::Field& f, int n)
{
    switch (f.dataType()) {
    case qx::FieldType::String: return QStringLiteral("T%1").arg(n).left(f.size());
    case qx::FieldType::Integer:
    case qx::FieldType::LargeInt: {
        const std::int64_t lo = f.def().minValue.value_or(1);
        const std::int64_t hi = f.def().maxValue.value_or(lo + 1000);
        return QString::number(qMin(hi, lo + n));
    }
    case qx::FieldType::Currency: return QString::number(1000 + 37 * n);
    case qx::FieldType::Date:
    case qx::FieldType::DateTime: return QDate(2023, 1, 1).addDays(n).toString(QStringLiteral("dd/MM/yyyy"));
    case qx::FieldType::Boolean: return n % 2 ? QStringLiteral("True") : QStringLiteral("False");
    case qx::FieldType::AutoInc: break;
    }
    return QString();
}

// True when the field holds what SampleText typed.
inline bool HoldsText(const qx::Field& f, const QString& text)
{
    switch (f.dataType()) {
    case qx::FieldType::Currency: return f.asCurrency() == qx::Currency::parse(text);
    case qx::FieldType::Integer:
    case qx::FieldType::LargeInt: return f.asLargeInt() == text.toLongLong();
    case qx::FieldType::Date:
    case qx::FieldType::DateTime: return f.asDate() == QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    default: return f.asString() == text;
    }
}

// Every input field of the pages the editors show, filled and posted.
inline void FillPages(TdmMain& dm)
{
    for (const char* name : {"cdsM1P1", "cdsM1P2", "cdsM1P3", "cdsAnexoAP1", "cdsAnexoAP2", "cdsAnexoASegP1",
                             "cdsAnexoASegP2", "cdsAnexoABankP1", "cdsAnexoABankP2", "cdsAnexoBP1", "cdsAnexoBP2",
                             "cdsAnexoBSegP1", "cdsAnexoBSegP2", "cdsAnexoBBankP1", "cdsAnexoBBankP2", "cdsM4P1",
                             "cdsM4P2"}) {
        qx::ClientDataSet& ds = *dm.DataSetByName(QString::fromLatin1(name));
        ds.edit();
        for (int i = 0; i < ds.fieldCount(); ++i) {
            qx::Field& f = ds.field(i);
            if (f.isData() && !f.readOnly())
                f.setAsString(SampleText(f, i));
        }
        ds.post();
    }
}
