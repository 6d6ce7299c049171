#include "core/assets/ObsPages.h"

#include "core/module/TdmMain.h"
#include "core/util/TrimBlanks.h"

namespace {

constexpr int kObsLines = 6;

}  // namespace

bool PostPendingObs(qx::ClientDataSet& obs)
{
    if (!obs.active())
        return false;
    if (obs.editing())
        obs.post();
    return obs.state() == qx::DataSetState::Browse;
}

bool ObsRecordHasText(const qx::ClientDataSet& obs)
{
    QString all;
    for (int line = 1; line <= kObsLines; ++line)
        all += obs.fieldByName(QStringLiteral("R%1_Obs").arg(line)).asString();
    return !TrimBlanks(all).isEmpty();
}

void KeepObsRecords(TdmMain& dm, qx::ClientDataSet& obs, int pages)
{
    if (!PostPendingObs(obs))
        return;
    while (obs.recordCount() < pages) {
        const int before = obs.recordCount();
        obs.append();
        try {
            obs.post();
        } catch (...) {
            dm.CancelWithoutQuestion(obs);
            throw;
        }
        if (obs.recordCount() <= before)
            return;
    }
}

void FollowListPage(qx::ClientDataSet& obs, int page)
{
    if (page < 1 || !obs.active() || obs.recNo() == page || obs.recordCount() < page)
        return;
    if (PostPendingObs(obs))
        obs.setRecNo(page);
}

bool TdmMain::ObsPageHasText(qx::ClientDataSet& dataSet, int recNo, bool stayOnRecord)
{
    if (!dataSet.active() || recNo < 1 || recNo > dataSet.recordCount())
        return false;
    const int before = dataSet.recNo();
    if (!PostPendingObs(dataSet))
        return false;
    dataSet.setRecNo(recNo);
    const bool hasText = ObsRecordHasText(dataSet);
    if (!stayOnRecord && before >= 1)
        dataSet.setRecNo(before);
    return hasText;
}
