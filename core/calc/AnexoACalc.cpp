// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsAnexoAP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoAP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoAP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoAP2CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoASegP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoASegP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoASegP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoASegP2CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoABankP1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoABankP1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoABankP2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAnexoABankP2CalcFields(qx::ClientDataSet& dataSet)
{
}
