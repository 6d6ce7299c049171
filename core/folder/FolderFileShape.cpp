#include "core/folder/FolderFileShape.h"

#include "core/folder/FolderFileTable.h"

namespace {

constexpr int kM3ObsCode = 4013;
constexpr int kM3AObsCode = 5013;

// The first auto-increment data field: the row number of a list or observations page.
QString rowKeyOf(const qx::ClientDataSet& ds)
{
    for (const qx::FieldDef& def : ds.fieldDefs())
        if (def.kind == qx::FieldKind::Data && def.type == qx::FieldType::AutoInc)
            return def.name;
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

qx::PacketShape FolderFileShapeOf(const TdmMain& dm, const TFolderFile& entry)
{
    return {IsSingleRecordFile(dm, entry) ? 1 : -1, rowKeyOf(*entry.DataSet)};
}
