// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsM4P1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM4P1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM4P2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM4P2CalcFields(qx::ClientDataSet& dataSet)
{
}
