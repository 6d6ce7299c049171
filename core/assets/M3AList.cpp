// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsM3AAliNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAbaCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliBeforePost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAbaBeforePost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliAfterPost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliAfterDelete(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliBeforeDelete(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliAfterScroll(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AAliBeforeClose(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AObsNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3AObsCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::GetM3APageCounts(int& aliPages, int& abaPages)
{
}
