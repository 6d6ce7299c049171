// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsAnexoBP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBP2CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBSegP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBSegP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBSegP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBSegP2CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBBankP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBBankP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBBankP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoBBankP2CalcFields(qx::ClientDataSet& dataSet)
{
}
