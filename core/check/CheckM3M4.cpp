// Rules of the M/3 first sheet and the two M/4 pages.
#include "core/check/PageSections.h"

#include "core/module/TdmMain.h"

void CheckM3P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckM4P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckM4P2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}
