#include "core/folder/FolderFileShape.h"

#include "core/folder/FolderFileTable.h"

#include <QSet>

namespace {

constexpr int kM3ObsCode = 4013;
constexpr int kM3AObsCode = 5013;

// The first auto-increment data field: the row number of a list or observations page.
int rowKeyIndex(const qx::ClientDataSet& ds)
{
    const auto& defs = ds.fieldDefs();
    for (int i = 0; i < int(defs.size()); ++i)
        if (defs[std::size_t(i)].kind == qx::FieldKind::Data && defs[std::size_t(i)].type == qx::FieldType::AutoInc)
            return i;
    return -1;
}

QString rowKeyFault(const qx::ClientDataSet& ds)
{
    const int key = rowKeyIndex(ds);
    if (key < 0)
        return {};
    const auto& defs = ds.fieldDefs();
    const auto rows = ds.dataRows();
    // dataRows() holds the data fields only, in definition order.
    int dataPos = 0;
    for (int i = 0; i < key; ++i)
        if (defs[std::size_t(i)].kind == qx::FieldKind::Data)
            ++dataPos;
    const QString& name = defs[std::size_t(key)].name;
    QSet<std::int32_t> seen;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const qx::Value& v = rows[r][std::size_t(dataPos)];
        const auto* n = std::get_if<std::int32_t>(&v);
        if (!n)
            return QStringLiteral("row %1 has no %2").arg(r + 1).arg(name);
        if (seen.contains(*n))
            return QStringLiteral("row %1 repeats the %2 %3 of an earlier row").arg(r + 1).arg(name).arg(*n);
        seen.insert(*n);
    }
    return {};
}

}  // namespace

bool IsSingleRecordFile(const TdmMain& dm, const TFolderFile& entry)
{
    if (entry.DataSet == &dm.cdsSys)
        return true;
    // Every page but the observations pages; the lists and tables get no blank record.
    return entry.ObjCode >= 1000 && entry.ObjCode != kM3ObsCode && entry.ObjCode != kM3AObsCode
        && OpenRuleOf(entry.ObjCode).addBlank;
}

QString FolderFileShapeFault(const TdmMain& dm, const TFolderFile& entry)
{
    const qx::ClientDataSet& ds = *entry.DataSet;
    const QString where = QStringLiteral("File \"%1\": ").arg(ds.fileName());
    if (IsSingleRecordFile(dm, entry) && ds.recordCount() > 1)
        return where + QStringLiteral("%1 records in a page that holds one").arg(ds.recordCount());
    const QString keyFault = rowKeyFault(ds);
    return keyFault.isEmpty() ? QString() : where + keyFault;
}
