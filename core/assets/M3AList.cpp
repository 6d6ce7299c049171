// The two M/3A lists (assets alienated, assets written off) and their observation lines: row
// formulas, paging, and the upkeep after a row is posted or deleted.
#include "core/assets/AssetPaging.h"
#include "core/assets/AssetRowRules.h"
#include "platform/data/ExactSum.h"
#include "core/assets/ObsPages.h"
#include "core/calc/Guard.h"
#include "core/module/TdmMain.h"
#include "core/util/Messages.h"

#include <algorithm>

namespace {

int pagesOf(const qx::ClientDataSet& list)
{
    if (!list.active() || list.state() == qx::DataSetState::Insert)
        return 0;
    return M3APagesForRows(list.recordCount());
}

// pag_num of the row, the pages of its own list and of the whole M/3A.
void setPaging(TdmMain& dm, qx::ClientDataSet& list, const char* ownTotalField, bool alienated)
{
    int aliPages = 0;
    int abaPages = 0;
    dm.GetM3APageCounts(aliPages, abaPages);
    const int row = list.recNo();
    if (row < 1)
        return;
    list.fieldByName(u"pag_num").setAsInteger(M3APageOfRow(row));
    list.fieldByName(ownTotalField).setAsInteger(alienated ? aliPages : abaPages);
    list.fieldByName(u"m3a_total_pag").setAsInteger(std::max(aliPages, abaPages));
}

}  // namespace

void TdmMain::cdsM3AAliNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM3AAliCalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);
    const auto a = [&](const char* f) { return AmountOf(dataSet, f); };
    qx::Field& col6 = dataSet.fieldByName(u"col6_mop");
    qx::Field& col7 = dataSet.fieldByName(u"col7_mop");
    Guarded(*this, col6, [&] { return (qx::ExactSum{a("Col1_Mop"), a("Col4_Mop")} - qx::ExactSum{a("Col2_Mop")}).toCurrency(); });
    Guarded(*this, col7, [&] { return (qx::ExactSum{a("Col1_Mop"), a("Col5_Mop")} - qx::ExactSum{a("Col3_Mop")}).toCurrency(); });
    Guarded(*this, dataSet.fieldByName(u"col8_mop"), {&col6, &col7}, [&] { return col6.asCurrency() - col7.asCurrency(); });
    setPaging(*this, dataSet, "ali_total_pag", true);
}

void TdmMain::cdsM3AAbaCalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);
    const auto a = [&](const char* f) { return AmountOf(dataSet, f); };
    qx::Field& col5 = dataSet.fieldByName(u"col5_mop");
    qx::Field& col6 = dataSet.fieldByName(u"col6_mop");
    Guarded(*this, col5, [&] { return a("Col1_Mop") - a("Col3_Mop"); });
    Guarded(*this, col6, [&] { return a("Col2_Mop") - a("Col4_Mop"); });
    Guarded(*this, dataSet.fieldByName(u"col7_mop"), {&col6, &col5}, [&] { return col6.asCurrency() - col5.asCurrency(); });
    setPaging(*this, dataSet, "aba_total_pag", false);
}

// Both lists; also runs after a delete.
void TdmMain::cdsM3AAliAfterPost(qx::ClientDataSet&)
{
    int aliPages = 0;
    int abaPages = 0;
    GetM3APageCounts(aliPages, abaPages);
    KeepObsRecords(*this, cdsM3AObs, std::max(aliPages, abaPages));
    QString visited;
    RecalcDataSet(cdsM3P1, visited);
    CheckForms(&cdsM3P1);
}

void TdmMain::cdsM3AAliAfterDelete(qx::ClientDataSet& dataSet)
{
    cdsM3AAliAfterPost(dataSet);
}

void TdmMain::cdsM3AAliBeforeDelete(qx::ClientDataSet& dataSet)
{
    if (RowHasData(dataSet)
        && ShowMultiLangMsg(QStringLiteral("是否刪除此行？(M/3A)"), QStringLiteral("Apaga esta linha? (M/3A)"),
                            QString(), dtQuestion, QStringLiteral("DM-013"))
               != mrYes)
        throw qx::SilentAbort();
    PostPendingObs(cdsM3AObs);
}

// The observation lines beside the list follow the page of the current row.
void TdmMain::cdsM3AAliAfterScroll(qx::ClientDataSet& dataSet)
{
    FollowListPage(cdsM3AObs, dataSet.fieldByName(u"pag_num").asInteger());
}

void TdmMain::cdsM3AAliBeforeClose(qx::ClientDataSet&)
{
    PostPendingObs(cdsM3AObs);
}

void TdmMain::cdsM3AObsNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

// Record n holds the observations of M/3A page n.
void TdmMain::cdsM3AObsCalcFields(qx::ClientDataSet& dataSet)
{
    if (dataSet.recNo() >= 1)
        dataSet.fieldByName(u"pag_num").setAsInteger(dataSet.recNo());
}

void TdmMain::GetM3APageCounts(int& aliPages, int& abaPages)
{
    aliPages = pagesOf(cdsM3AAli);
    abaPages = pagesOf(cdsM3AAba);
}
