// libFuzzer target for the data packet reader. Every input must either read into rows or be
// refused with DataPacketError; rows that were read must load into a dataset, write back and read
// again to the same values. Anything else (a crash, a sanitizer report, another exception, a
// round trip that changes a value) is a finding.
#include "platform/data/ClientDataSet.h"
#include "platform/data/DataPacket.h"
#include "platform/data/FieldDef.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <vector>

namespace {

qx::FieldDef def(const char* name, qx::FieldType type, int size = 0)
{
    qx::FieldDef d;
    d.name = QString::fromLatin1(name);
    d.type = type;
    d.size = size;
    return d;
}

// One field of every type, named as in the seeds (an asset-list row and a page of amounts).
const std::vector<qx::FieldDef>& fuzzDefs()
{
    static const std::vector<qx::FieldDef> defs = [] {
        using qx::FieldType;
        std::vector<qx::FieldDef> d{
            def("Id", FieldType::AutoInc),
            def("Codigo", FieldType::String, 10),
            def("Desc_Chn", FieldType::String, 60),
            def("Desc_Por", FieldType::String, 60),
            def("Valor_Mop", FieldType::Currency),
            def("Abatido", FieldType::Boolean),
            def("Data_Aq", FieldType::Date),
            def("Update_Time", FieldType::DateTime),
            def("Qtd", FieldType::Integer),
            def("Total_Big", FieldType::LargeInt),
            def("1_R1_Col1_Mop", FieldType::Currency),
        };
        d.push_back(def("Meses", FieldType::Integer));
        d.back().minValue = 0;
        d.back().maxValue = 12;
        return d;
    }();
    return defs;
}

[[noreturn]] void finding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto& defs = fuzzDefs();
    std::vector<std::vector<qx::Value>> rows;
    try {
        rows = qx::DataPacket::parse(bytes, defs, QStringLiteral("fuzz.xml"));
    } catch (const qx::DataPacketError&) {
        return 0;  // refused with a clear error: the expected outcome for bad input
    }

    qx::ClientDataSet ds(QStringLiteral("cdsFuzz"));
    ds.setFieldDefs(defs);
    try {
        ds.loadRows(rows);
    } catch (const std::exception&) {
        // Rows the reader accepted that the dataset refuses (a duplicate key, for instance) are a
        // reader fault only when the dataset would take them from any other source; keep going.
        return 0;
    }
    QByteArray written;
    try {
        written = qx::DataPacket::serialize(ds);
    } catch (const qx::DataPacketError&) {
        finding("rows that were read cannot be written back");
    }
    std::vector<std::vector<qx::Value>> again;
    try {
        again = qx::DataPacket::parse(written, defs, QStringLiteral("fuzz-again.xml"));
    } catch (const qx::DataPacketError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        finding("a written packet does not read back");
    }
    if (again != ds.dataRows())
        finding("a value changed through write and read");
    return 0;
}
