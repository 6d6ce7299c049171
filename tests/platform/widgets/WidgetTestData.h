#pragma once
// A small dataset for the control tests: a text, an amount, a date, a bounded integer, a flag
// and a calculated amount (twice the amount) whose calculations are counted.

#include "platform/data/ClientDataSet.h"

#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>
#include <memory>

inline std::unique_ptr<qx::ClientDataSet> MakeTestDataSet(int rows, int* calcRuns = nullptr)
{
    using namespace qx;
    auto ds = std::make_unique<ClientDataSet>(QStringLiteral("cdsTest"));
    auto def = [](const char* name, FieldType type) {
        FieldDef d;
        d.name = QString::fromLatin1(name);
        d.type = type;
        return d;
    };
    FieldDef name = def("Nome", FieldType::String);
    name.size = 10;
    FieldDef amount = def("Valor_Mop", FieldType::Currency);
    amount.displayFormat = QStringLiteral(",0;(,0)");
    amount.alignment = Alignment::Right;
    FieldDef qty = def("Qtd", FieldType::Integer);
    qty.maxValue = 99;
    FieldDef twice = def("dobro_mop", FieldType::Currency);
    twice.kind = FieldKind::Calculated;
    twice.displayFormat = amount.displayFormat;
    ds->setFieldDefs({name, amount, def("Dia", FieldType::Date), qty, def("Marca", FieldType::Boolean), twice});
    ds->onCalcFields = [calcRuns](ClientDataSet& d) {
        if (calcRuns)
            ++*calcRuns;
        const Field& v = d.fieldByName("Valor_Mop");
        if (!v.isNull())
            d.fieldByName("dobro_mop").setAsCurrency(v.asCurrency() * std::int64_t(2));
    };
    std::vector<std::vector<Value>> data;
    for (int r = 1; r <= rows; ++r)
        data.push_back({QStringLiteral("R%1").arg(r), Currency::fromUnits(r * 1000), Value{}, Value{}, Value{}});
    ds->loadRows(std::move(data));
    return ds;
}

// Shows a window and makes it active, so that focus moves as for a user.
inline void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}
