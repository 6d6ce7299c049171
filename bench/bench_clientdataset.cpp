// The dataset on an M/3-sized list: 5,000 rows of 26 fields (12 data, 6 calculated, 8 totals).
#include "platform/data/ClientDataSet.h"

#include <benchmark/benchmark.h>

namespace {

using qx::ClientDataSet;
using qx::Currency;
using qx::FieldDef;
using qx::FieldKind;
using qx::FieldType;
using qx::Value;

FieldDef field(QString name, FieldType type, FieldKind kind = FieldKind::Data, int size = 0)
{
    FieldDef d;
    d.name = std::move(name);
    d.type = type;
    d.kind = kind;
    d.size = size;
    return d;
}

std::vector<FieldDef> listFields()
{
    std::vector<FieldDef> f = {field(QStringLiteral("Rec_AID"), FieldType::AutoInc),
                               field(QStringLiteral("Codigo"), FieldType::String, FieldKind::Data, 5),
                               field(QStringLiteral("Tipo"), FieldType::String, FieldKind::Data, 30),
                               field(QStringLiteral("Ano_Aqu"), FieldType::String, FieldKind::Data, 5),
                               field(QStringLiteral("DA_Taxas"), FieldType::String, FieldKind::Data, 10),
                               field(QStringLiteral("Num_Anos"), FieldType::Integer)};
    for (int i = 1; i <= 6; ++i)
        f.push_back(field(QStringLiteral("Col%1_Mop").arg(i), FieldType::Currency));
    for (int i = 1; i <= 6; ++i)
        f.push_back(field(QStringLiteral("calc%1_mop").arg(i), FieldType::Currency, FieldKind::Calculated));
    for (int i = 1; i <= 8; ++i) {
        FieldDef a = field(QStringLiteral("COL%1_TTL").arg(i), FieldType::Currency, FieldKind::Aggregate);
        a.expression = i <= 6 ? QStringLiteral("sum(Col%1_Mop)").arg(i) : QStringLiteral("sum(Col1_Mop-Col2_Mop - Col4_Mop-Col5_Mop+Col6_Mop)");
        f.push_back(a);
    }
    return f;
}

std::vector<std::vector<Value>> listRows(int count)
{
    std::vector<std::vector<Value>> rows;
    rows.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r) {
        std::vector<Value> row = {std::int32_t(r + 1), QStringLiteral("0102"), QStringLiteral("Edifícios comerciais"),
                                  QStringLiteral("2019"), QStringLiteral("4%"), std::int32_t(5)};
        for (int i = 1; i <= 6; ++i)
            row.push_back(Currency::fromRaw(std::int64_t(r) * 10000 + i));
        rows.push_back(std::move(row));
    }
    return rows;
}

void setUpList(ClientDataSet& ds)
{
    ds.setFieldDefs(listFields());
    ds.setIndexFieldNames(QStringLiteral("Rec_AID"));
    ds.setAggregatesActive(true);
    ds.onCalcFields = [](ClientDataSet& d) {
        for (int i = 1; i <= 6; ++i)
            d.field(11 + i).setAsCurrency(d.field(5 + i).asCurrency() - d.field(6).asCurrency());
    };
}

void BM_LoadRows(benchmark::State& state)
{
    const auto rows = listRows(5000);
    ClientDataSet ds;
    setUpList(ds);
    for (auto _ : state) {
        ds.loadRows(rows);
        benchmark::DoNotOptimize(ds.recordCount());
    }
}
BENCHMARK(BM_LoadRows)->Unit(benchmark::kMillisecond);

void BM_EditAndPostOneRow(benchmark::State& state)
{
    ClientDataSet ds;
    setUpList(ds);
    ds.loadRows(listRows(5000));
    ds.setRecNo(2500);
    const bool readTotals = state.range(0) != 0;
    std::int64_t n = 0;
    for (auto _ : state) {
        ds.edit();
        ds.field(7).setAsCurrency(Currency::fromRaw(++n));
        ds.post();
        if (readTotals)
            benchmark::DoNotOptimize(ds.fieldByName(u"COL8_TTL").value());
    }
}
BENCHMARK(BM_EditAndPostOneRow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AppendAndPostOneRow(benchmark::State& state)
{
    ClientDataSet ds;
    setUpList(ds);
    ds.loadRows(listRows(5000));
    for (auto _ : state) {
        ds.append();
        ds.fieldByName(u"Codigo").setAsString(QStringLiteral("0103"));
        ds.field(7).setAsCurrency(Currency::fromRaw(1));
        ds.post();
        state.PauseTiming();
        ds.deleteRecord();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendAndPostOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
