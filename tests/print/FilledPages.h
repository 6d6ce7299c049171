#pragma once
// The pages of a folder filled for print tests: every input field of every single-page form gets a
// value (texts and codes a short word, amounts distinct whole numbers with every fifth negative,
// ticks True, dates 5 March 2024); asset lists get rows posted as the editors post them.

#include "core/module/TdmMain.h"

#include <algorithm>

inline void FillEveryInputField(qx::ClientDataSet& ds)
{
    ds.edit();
    int n = 0;
    for (int i = 0; i < ds.fieldCount(); ++i) {
        qx::Field& f = ds.field(i);
        if (!f.isData() || f.readOnly() || f.fieldName() == u"overflow_fields")
            continue;
        ++n;
        switch (f.dataType()) {
        case qx::FieldType::String: f.setAsString(QStringLiteral("W%1").arg(n).left(std::max(f.size(), 1))); break;
        case qx::FieldType::Currency: f.setAsCurrency(qx::Currency::fromUnits(n % 5 == 0 ? -1000 * n : 1000 * n + 7)); break;
        case qx::FieldType::Boolean: f.setAsBoolean(true); break;
        case qx::FieldType::Date: f.setAsDate(QDate(2024, 3, 5)); break;
        case qx::FieldType::Integer: f.setAsInteger(n % 10); break;
        default: break;
        }
    }
    ds.post();
}

// M/1, the six annex variants and M/4.
inline void FillSinglePages(TdmMain& dm)
{
    for (const char* name : {"cdsM1P1", "cdsM1P2", "cdsM1P3", "cdsAnexoAP1", "cdsAnexoAP2", "cdsAnexoASegP1",
                             "cdsAnexoASegP2", "cdsAnexoABankP1", "cdsAnexoABankP2", "cdsAnexoBP1", "cdsAnexoBP2",
                             "cdsAnexoBSegP1", "cdsAnexoBSegP2", "cdsAnexoBBankP1", "cdsAnexoBBankP2", "cdsM4P1",
                             "cdsM4P2"})
        FillEveryInputField(*dm.DataSetByName(QString::fromLatin1(name)));
}

// Appends `count` rows to an asset list, each posted with its checks and upkeep: row i has code
// 1.1, type "T<i>" and Col1_Mop 1000·i (a written-off row its reason too).
inline void AppendAssets(qx::ClientDataSet& list, int count)
{
    for (int i = 1; i <= count; ++i) {
        list.append();
        list.fieldByName(u"Codigo").setAsString(QStringLiteral("1.1"));
        list.fieldByName(u"Tipo").setAsString(QStringLiteral("T%1").arg(i));
        list.fieldByName(u"Col1_Mop").setAsString(QString::number(1000 * i));
        if (qx::Field* reason = list.findField(u"Motivo_Abate"))
            reason->setAsString(QStringLiteral("Venda"));
        list.post();
    }
}

// Every input field of the page at its widest: texts their whole length of a wide letter, amounts
// the negative of the largest of `amountDigits` digits (parentheses), numbers their largest,
// dates 28/12/2099, ticks True. The sums computed from them run past the bound.
inline void FillEveryInputFieldWidest(qx::ClientDataSet& ds, int amountDigits)
{
    std::int64_t largest = 0;
    for (int i = 0; i < amountDigits; ++i)
        largest = largest * 10 + 9;
    ds.edit();
    for (int i = 0; i < ds.fieldCount(); ++i) {
        qx::Field& f = ds.field(i);
        if (!f.isData() || f.readOnly() || f.fieldName() == u"overflow_fields")
            continue;
        switch (f.dataType()) {
        case qx::FieldType::String: f.setAsString(QString(f.size(), u'W')); break;
        case qx::FieldType::Currency:
            // The reduction percentage has no display pattern: 0 to 100 with four decimals.
            f.setAsCurrency(f.displayFormat().isEmpty() ? qx::Currency::fromRaw(999999) : qx::Currency::fromUnits(-largest));
            break;
        case qx::FieldType::LargeInt: f.setValue(qx::Value(std::int64_t(-largest))); break;
        case qx::FieldType::Boolean: f.setAsBoolean(true); break;
        case qx::FieldType::Date: f.setAsDate(QDate(2099, 12, 28)); break;
        case qx::FieldType::Integer: f.setAsInteger(f.fieldName() == u"Ano_Exercicio" ? 9999 : 99999999); break;
        default: break;
        }
    }
    ds.post();
}
