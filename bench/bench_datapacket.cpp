// Writing and reading a 5,000-row list of 25 fields as a data packet.
#include "platform/data/ClientDataSet.h"
#include "platform/data/DataPacket.h"
#include "platform/data/FieldDef.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

using namespace qx;

namespace {

constexpr int kRows = 5000;

std::vector<FieldDef> listDefs()
{
    std::vector<FieldDef> defs;
    const auto add = [&defs](QString name, FieldType type, int size = 0) {
        FieldDef d;
        d.name = std::move(name);
        d.type = type;
        d.size = size;
        defs.push_back(d);
    };
    add(QStringLiteral("Id"), FieldType::AutoInc);
    add(QStringLiteral("Codigo"), FieldType::String, 10);
    add(QStringLiteral("Desc_Chn"), FieldType::String, 60);
    add(QStringLiteral("Desc_Por"), FieldType::String, 60);
    add(QStringLiteral("Obs"), FieldType::String, 40);
    add(QStringLiteral("Ano"), FieldType::Integer);
    add(QStringLiteral("Qty"), FieldType::Integer);
    add(QStringLiteral("Seq"), FieldType::LargeInt);
    add(QStringLiteral("Abatido"), FieldType::Boolean);
    add(QStringLiteral("Data_Aq"), FieldType::Date);
    add(QStringLiteral("Update_Time"), FieldType::DateTime);
    for (int i = 1; i <= 14; ++i)
        add(QStringLiteral("%1_Col_Mop").arg(i), FieldType::Currency);
    return defs;
}

std::vector<std::vector<Value>> listRows()
{
    std::vector<std::vector<Value>> rows;
    rows.reserve(kRows);
    for (int r = 0; r < kRows; ++r) {
        std::vector<Value> row;
        row.push_back(std::int32_t(r + 1));
        row.push_back(QStringLiteral("C%1").arg(r));
        row.push_back(QString::fromUtf8("辦公室設備 第%1號").arg(r));
        row.push_back(QString::fromUtf8("Equipamento de escritório n.º %1").arg(r));
        row.push_back(r % 3 == 0 ? Value() : Value(QStringLiteral("a < b & \"c\"")));
        row.push_back(std::int32_t(1990 + r % 30));
        row.push_back(std::int32_t(r % 17));
        row.push_back(std::int64_t(r) * 1000003);
        row.push_back(r % 2 == 0);
        row.push_back(QDate(2000 + r % 20, 1 + r % 12, 1 + r % 28));
        row.push_back(QDateTime(QDate(2023, 5, 1), QTime(r % 24, r % 60, r % 60, r % 1000)));
        for (int i = 1; i <= 14; ++i)
            row.push_back(Currency::fromRaw(std::int64_t(r) * 1234567 + i * 10001));
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_SerializeRows(benchmark::State& state)
{
    const auto defs = listDefs();
    const auto rows = listRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(DataPacket::serialize(defs, rows));
    state.SetLabel(QStringLiteral("%1 bytes").arg(DataPacket::serialize(defs, rows).size()).toStdString());
}
BENCHMARK(BM_SerializeRows)->Unit(benchmark::kMillisecond);

void BM_ParseRows(benchmark::State& state)
{
    const auto defs = listDefs();
    const QByteArray bytes = DataPacket::serialize(defs, listRows());
    for (auto _ : state)
        benchmark::DoNotOptimize(DataPacket::parse(bytes, defs, QStringLiteral("bench.xml")));
}
BENCHMARK(BM_ParseRows)->Unit(benchmark::kMillisecond);

void BM_SaveDataSet(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("M3VCLF.xml"));
    ClientDataSet ds(QStringLiteral("cdsList"));
    ds.setFieldDefs(listDefs());
    ds.loadRows(listRows());
    for (auto _ : state)
        DataPacket::save(ds, path);
}
BENCHMARK(BM_SaveDataSet)->Unit(benchmark::kMillisecond);

void BM_LoadDataSet(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("M3VCLF.xml"));
    ClientDataSet ds(QStringLiteral("cdsList"));
    ds.setFieldDefs(listDefs());
    ds.loadRows(listRows());
    DataPacket::save(ds, path);
    for (auto _ : state)
        DataPacket::load(ds, path);
}
BENCHMARK(BM_LoadDataSet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
