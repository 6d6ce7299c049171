// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::cdsM1P1BeforePost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::ZeroNullNumbers(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P1AfterPost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsM1P1BeforeCancel(qx::ClientDataSet& dataSet)
{
}

void TdmMain::InitRecordFields(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsPrnSetupBeforePost(qx::ClientDataSet& dataSet)
{
}

int TdmMain::GetCodeFontSize(const QString& text)
{
    return 0;
}

QString TdmMain::FormatMopText(qx::Currency value)
{
    return {};
}
