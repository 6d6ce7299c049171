#pragma once
// Asset lists of a given length loaded straight into the data module's datasets (no row checks,
// no upkeep), with amounts that tell the rows apart: row i has Col1_Mop 1000·i, Col2_Mop 10·i,
// Col3_Mop 20·i, Col4_Mop 100·i, Col5_Mop 50·i, Col6_Mop i.

#include "platform/data/ClientDataSet.h"

#include <QHash>
#include <functional>

using RowValues = QHash<QString, qx::Value>;

inline qx::Currency Units(std::int64_t n) { return qx::Currency::fromUnits(n); }

inline RowValues AssetRow(int i)
{
    return {{QStringLiteral("codigo"), QStringLiteral("A%1").arg(i)},
            {QStringLiteral("tipo"), QStringLiteral("Tipo %1").arg(i)},
            {QStringLiteral("ano_aqu"), QStringLiteral("2020")},
            {QStringLiteral("col1_mop"), Units(1000 * i)},
            {QStringLiteral("col2_mop"), Units(10 * i)},
            {QStringLiteral("col3_mop"), Units(20 * i)},
            {QStringLiteral("col4_mop"), Units(100 * i)},
            {QStringLiteral("col5_mop"), Units(50 * i)},
            {QStringLiteral("col6_mop"), Units(i)},
            {QStringLiteral("da_taxas"), qx::Currency::parse(u"12.5")},
            {QStringLiteral("motivo_abate"), QStringLiteral("Abate")}};
}

// Replaces the rows of `list` with `count` rows; `row(i)` gives the values of row i (from 1) by
// field name in lower case; fields it leaves out stay null.
inline void LoadRows(qx::ClientDataSet& list, int count, const std::function<RowValues(int)>& row = AssetRow)
{
    std::vector<std::vector<qx::Value>> rows;
    for (int i = 1; i <= count; ++i) {
        const RowValues values = row(i);
        std::vector<qx::Value> r;
        for (const qx::FieldDef& d : list.fieldDefs())
            if (d.kind == qx::FieldKind::Data)
                r.push_back(d.type == qx::FieldType::AutoInc ? qx::Value(std::int32_t(i)) : values.value(d.name.toLower()));
        rows.push_back(std::move(r));
    }
    list.loadRows(std::move(rows));
}

// Observation records 1..pages, page `withText` (0: none) holding a text in its first line.
inline void LoadObs(qx::ClientDataSet& obs, int pages, int withText)
{
    LoadRows(obs, pages, [withText](int i) {
        return i == withText ? RowValues{{QStringLiteral("r1_obs"), QStringLiteral("Observacao %1").arg(i)}} : RowValues{};
    });
}

// Sum 1 + 2 + ... + n times `k`, in units.
inline std::int64_t SumTo(int n, std::int64_t k) { return k * n * (n + 1) / 2; }
