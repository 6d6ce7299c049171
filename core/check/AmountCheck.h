#pragma once
// TdmMain::CheckAmountField for callers whose labels take work to compose: the labels are made
// only when the amount has a finding.

#include <QString>
#include <functional>

class TdmMain;
namespace qx {
class ClientDataSet;
}

struct AmountLabels {
    QString chn;
    QString por;
};

using AmountLabelMaker = std::function<AmountLabels()>;

void CheckAmountFieldLabelled(TdmMain& dm, qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod,
                              bool checkNegative, const AmountLabelMaker& labels, const QString& fieldName);
