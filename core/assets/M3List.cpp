// The M/3 asset list and its observation lines: row formulas, paging over the sheets, and the
// upkeep that keeps the observation records and the first sheet's summary in step with the list.
#include "core/assets/AssetPaging.h"
#include "core/assets/AssetRowRules.h"
#include "platform/data/ExactSum.h"
#include "core/assets/ObsPages.h"
#include "core/calc/Guard.h"
#include "core/module/TdmMain.h"
#include "core/util/Messages.h"

void TdmMain::cdsM3VCLFNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM3VCLFCalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);
    qx::Field& col3 = dataSet.fieldByName(u"col3_mop");
    qx::Field& col7 = dataSet.fieldByName(u"col7_mop");
    qx::Field& col8 = dataSet.fieldByName(u"col8_mop");
    Guarded(*this, col3, [&] { return AmountOf(dataSet, "Col1_Mop") - AmountOf(dataSet, "Col2_Mop"); });
    Guarded(*this, col7, [&] {
        return (qx::ExactSum{AmountOf(dataSet, "Col4_Mop"), AmountOf(dataSet, "Col5_Mop")} - qx::ExactSum{AmountOf(dataSet, "Col6_Mop")}).toCurrency();
    });
    Guarded(*this, col8, {&col3, &col7}, [&] { return col3.asCurrency() - col7.asCurrency(); });

    const M3Place place = M3PlaceOfRow(dataSet.recNo());
    if (place.sheet < 1)
        return;
    dataSet.fieldByName(u"pag_num").setAsInteger(place.sheet);
    dataSet.fieldByName(u"face_num").setAsInteger(place.face);
}

// Also runs after a delete.
void TdmMain::cdsM3VCLFAfterPost(qx::ClientDataSet&)
{
    int pages = 0;
    int lastFace = 0;
    GetM3PageCount(pages, lastFace);
    KeepObsRecords(*this, cdsM3Obs, pages);
    QString visited;
    RecalcDataSet(cdsM3P1, visited);
    CheckForms(&cdsM3P1);
}

void TdmMain::cdsM3VCLFAfterDelete(qx::ClientDataSet& dataSet)
{
    cdsM3VCLFAfterPost(dataSet);
}

void TdmMain::cdsM3VCLFBeforeDelete(qx::ClientDataSet& dataSet)
{
    if (RowHasData(dataSet)
        && ShowMultiLangMsg(QStringLiteral("是否刪除此行？(M/3)"), QStringLiteral("Apaga esta linha? (M/3)"), QString(),
                            dtQuestion, QStringLiteral("DM-011"))
               != mrYes)
        throw qx::SilentAbort();
    PostPendingObs(cdsM3Obs);
}

// The observation lines beside the list follow the sheet of the current row.
void TdmMain::cdsM3VCLFAfterScroll(qx::ClientDataSet& dataSet)
{
    FollowListPage(cdsM3Obs, dataSet.fieldByName(u"pag_num").asInteger());
}

void TdmMain::cdsM3VCLFBeforeClose(qx::ClientDataSet&)
{
    PostPendingObs(cdsM3Obs);
}

void TdmMain::cdsM3ObsNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

// Record n holds the observations of sheet n.
void TdmMain::cdsM3ObsCalcFields(qx::ClientDataSet& dataSet)
{
    if (dataSet.recNo() >= 1)
        dataSet.fieldByName(u"pag_num").setAsInteger(dataSet.recNo());
}

void TdmMain::GetM3PageCount(int& pages, int& lastFace)
{
    pages = 0;
    lastFace = 0;
    if (!cdsM3VCLF.active() || cdsM3VCLF.state() == qx::DataSetState::Insert)
        return;
    const M3Place end = M3SheetsForRows(cdsM3VCLF.recordCount());
    pages = end.sheet;
    lastFace = end.face;
    // Observations are printed on the back of their sheet.
    if (lastFace == 1 && ObsPageHasText(cdsM3Obs, pages, false))
        lastFace = 2;
}
