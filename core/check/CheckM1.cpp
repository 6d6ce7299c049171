// Rules of the three M/1 pages.
#include "core/check/PageSections.h"

#include "core/module/TdmMain.h"

void CheckM1P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckM1P2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckM1P3(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}
