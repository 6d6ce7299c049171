#include "core/folder/FolderFileShape.h"

#include "core/assets/AssetPaging.h"
#include "core/folder/FolderFileTable.h"

namespace {

constexpr int kM3ListCode = 4012;
constexpr int kM3ObsCode = 4013;
constexpr int kM3AAliCode = 5011;
constexpr int kM3AAbaCode = 5012;
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
    // A file's field list is its table's: a field more is another table's file under its name.
    qx::PacketShape shape{IsSingleRecordFile(dm, entry) ? 1 : -1, rowKeyOf(*entry.DataSet), {}, true};
    const QString sheets = QString::number(kMaxListSheets);
    switch (entry.ObjCode) {
    case kM3ListCode:
        shape.maxRows = kM3MaxRows;
        shape.maxRowsWhy = QStringLiteral("the M/3 list prints on at most %1 sheets, %2 rows on the first and %3 on each further one")
                               .arg(sheets).arg(kM3FirstSheetRows).arg(kM3SheetRows);
        break;
    case kM3AAliCode:
    case kM3AAbaCode:
        shape.maxRows = kM3AMaxRows;
        shape.maxRowsWhy = QStringLiteral("an M/3A list prints on at most %1 pages of %2 rows").arg(sheets).arg(kM3ARowsPerPage);
        break;
    case kM3ObsCode:
        shape.maxRows = kMaxListSheets;
        shape.maxRowsWhy = QStringLiteral("one per printed M/3 sheet, and the list prints on at most %1 sheets").arg(sheets);
        break;
    case kM3AObsCode:
        shape.maxRows = kMaxListSheets;
        shape.maxRowsWhy = QStringLiteral("one per printed M/3A page, and the lists print on at most %1 pages").arg(sheets);
        break;
    default:
        break;
    }
    return shape;
}
