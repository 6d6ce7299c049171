// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

void TdmMain::CheckAmountField(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod, bool checkNegative, const QString& labelChn, const QString& labelPor, const QString& fieldName)
{
}

void TdmMain::CheckItemAmountDesc(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod, const QString& itemLabel, const QString& fieldPrefix)
{
}

void TdmMain::CheckChoiceCount(qx::ClientDataSet& dataSet, int objCode, const QString& labelChn, const QString& labelPor, const QStringList& fieldNames, int min, int max)
{
}

void TdmMain::CheckRequiredField(int objCode, qx::Field& field, const QString& msgChn, const QString& msgPor)
{
}

void TdmMain::CheckOverflowFields(int objCode, const QString& overflowFields)
{
}

void TdmMain::CheckDividendLines(const QString& line)
{
}
