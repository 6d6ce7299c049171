#include "core/calc/SectorOf.h"

#include "core/module/TdmMain.h"

int SectorOf(const TdmMain& dm)
{
    const qx::ClientDataSet& sys = dm.cdsSys;
    if (!sys.active() || sys.isEmpty())
        return -1;
    const qx::Field* sector = sys.findField(u"Sector_ID");
    return sector && !sector->isNull() ? sector->asInteger() : -1;
}
