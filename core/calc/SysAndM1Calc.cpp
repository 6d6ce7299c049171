// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsSysNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsSysCalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P1NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P1CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P2NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P2CalcFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P3NewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P3CalcFields(qx::ClientDataSet& dataSet)
{
}

bool TdmMain::ApplyCalcFieldValue(qx::Field& source, qx::Field& target)
{
    return false;
}

bool TdmMain::ApplyCalculatedValue(qx::Field& field, qx::Currency value)
{
    return false;
}
