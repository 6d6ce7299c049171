// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

bool TdmMain::BuildTaxMaxReintAmor(const QString& titleChn, const QString& titlePor)
{
    return false;
}

void TdmMain::cdsTaxMaxReintAmorNewRecord(qx::ClientDataSet& dataSet)
{
}

void TdmMain::cdsTaxMaxReintAmorBeforePost(qx::ClientDataSet& dataSet)
{
}
