// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

bool TdmMain::AddAlert(int objCode, const QString& fieldName, int alertType, int msgNo, const QString& msgChn, const QString& msgPor)
{
    return false;
}

bool TdmMain::ClearAlerts()
{
    return false;
}

bool TdmMain::DeleteAlertsOfObject(int objCode)
{
    return false;
}

void TdmMain::cdsAlertNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsAlertBeforePost(qx::ClientDataSet& dataSet)
{
}

void TdmMain::CheckForms(qx::ClientDataSet* dataSet)
{
}
