#include "print/dialog/PrintRecalc.h"

#include "core/module/TdmMain.h"

#include <array>

void RecalcAndCheckForPrint(TdmMain& dm)
{
    // Lists and M/4 first, M/1 last: M/1 takes totals from every other form.
    const std::array<qx::ClientDataSet*, 21> order{
        &dm.cdsM4P1,          &dm.cdsM4P2,          &dm.cdsM3AAli,        &dm.cdsM3AAba,      &dm.cdsM3P1,
        &dm.cdsM3VCLF,        &dm.cdsAnexoBP1,      &dm.cdsAnexoBP2,      &dm.cdsAnexoBBankP1, &dm.cdsAnexoBBankP2,
        &dm.cdsAnexoBSegP1,   &dm.cdsAnexoBSegP2,   &dm.cdsAnexoAP1,      &dm.cdsAnexoAP2,    &dm.cdsAnexoABankP1,
        &dm.cdsAnexoABankP2,  &dm.cdsAnexoASegP1,   &dm.cdsAnexoASegP2,   &dm.cdsM1P1,        &dm.cdsM1P2,
        &dm.cdsM1P3,
    };
    for (qx::ClientDataSet* dataSet : order) {
        QString visited;
        dm.RecalcDataSet(*dataSet, visited);
    }
    dm.CheckForms(nullptr);
}
