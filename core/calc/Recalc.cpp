// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::RecalcDataSet(qx::ClientDataSet& dataSet, QString& visited)
{
}

void TdmMain::AddFieldSeries(qx::Field& target, const QString& pattern, int first, int last)
{
}

void TdmMain::FlagOverflow(qx::Field& field)
{
}

void TdmMain::cdsM1P2r21_mopGetText(qx::Field& sender, QString& text, bool displayText)
{
}
