#include "print/dialog/OffsetRows.h"

#include "platform/data/ClientDataSet.h"

namespace {

const QString kRowKeyFields = QStringLiteral("Rpt_ID;Computer_Name;Printer_Name");

bool IsSharedM1Code(int pageCode) { return pageCode == 1011 || pageCode == 1012; }

bool LocateRow(qx::ClientDataSet& rows, const QString& key, const OffsetOwner& owner)
{
    return rows.active() &&
           rows.locate(kRowKeyFields, {qx::Value(key), qx::Value(owner.computerName), qx::Value(owner.printerName)});
}

qx::Currency Distance(qx::Currency a, qx::Currency b) { return a < b ? b - a : a - b; }

// Whether the current row, stored under a shared key, was calibrated for this print.
bool SharedRowIsOwn(qx::ClientDataSet& rows, const SharedKeyDefaults& defaults)
{
    if (!defaults.ownLeft || !defaults.otherLeft)
        return true;
    const qx::Currency left = rows.fieldByName(u"Left_Margin").asCurrency();
    return Distance(left, *defaults.ownLeft) <= Distance(left, *defaults.otherLeft);
}

StoredOffsets CurrentOffsets(qx::ClientDataSet& rows)
{
    return {rows.fieldByName(u"Top_Margin").asCurrency(), rows.fieldByName(u"Left_Margin").asCurrency()};
}

}  // namespace

QString OffsetKey(int pageCode, bool m1OnA4)
{
    if (IsSharedM1Code(pageCode) && !m1OnA4)
        return QString::number(pageCode) + QStringLiteral("-A3");
    return QString::number(pageCode);
}

std::optional<StoredOffsets> FindStoredOffsets(qx::ClientDataSet& rows, const OffsetOwner& owner,
                                               const SharedKeyDefaults& defaults)
{
    const QString key = OffsetKey(owner.pageCode, owner.m1OnA4);
    if (LocateRow(rows, key, owner)) {
        if (!IsSharedM1Code(owner.pageCode) || !owner.m1OnA4 || SharedRowIsOwn(rows, defaults))
            return CurrentOffsets(rows);
        return std::nullopt;
    }
    // An A3 sheet without a row of its own reads an older shared row calibrated for A3.
    if (IsSharedM1Code(owner.pageCode) && !owner.m1OnA4 &&
        LocateRow(rows, QString::number(owner.pageCode), owner) && SharedRowIsOwn(rows, defaults))
        return CurrentOffsets(rows);
    return std::nullopt;
}

void StoreOffsets(qx::ClientDataSet& rows, const OffsetOwner& owner, const SharedKeyDefaults& defaults,
                  const StoredOffsets& offsets)
{
    const QString key = OffsetKey(owner.pageCode, owner.m1OnA4);
    bool found = LocateRow(rows, key, owner);
    if (found && IsSharedM1Code(owner.pageCode) && owner.m1OnA4 && !SharedRowIsOwn(rows, defaults)) {
        // An older A3 row under the shared key: give it the A3 key unless A3 has one already.
        const QString a3Key = OffsetKey(owner.pageCode, false);
        if (!LocateRow(rows, a3Key, owner)) {
            LocateRow(rows, key, owner);
            rows.edit();
            rows.fieldByName(u"Rpt_ID").setAsString(a3Key);
            rows.post();
            found = false;
        } else {
            found = LocateRow(rows, key, owner);
        }
    }
    if (found) {
        rows.edit();
    } else {
        rows.append();
        rows.fieldByName(u"Rpt_ID").setAsString(key);
        rows.fieldByName(u"Computer_Name").setAsString(owner.computerName);
        rows.fieldByName(u"Printer_Name").setAsString(owner.printerName);
    }
    rows.fieldByName(u"Top_Margin").setAsCurrency(offsets.top);
    rows.fieldByName(u"Left_Margin").setAsCurrency(offsets.left);
    rows.post();
}
