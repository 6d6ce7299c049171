// Rules of the Anexo A and Anexo B pages, general, insurance and banking.
#include "core/check/PageSections.h"

#include "core/module/TdmMain.h"

void CheckAnexoAP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoAP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoASegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoASegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoABankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoABankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBSegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBSegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBBankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}

void CheckAnexoBBankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
}
