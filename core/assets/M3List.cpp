// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsM3VCLFNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFBeforePost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFAfterPost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFAfterDelete(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFBeforeDelete(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFAfterScroll(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3VCLFBeforeClose(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3ObsNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3ObsCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3P1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM3P1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::GetM3PageCount(int& pages, int& lastFace)
{
}

bool TdmMain::ObsPageHasText(qx::ClientDataSet& dataSet, int recNo, bool stayOnRecord)
{
    return false;
}
