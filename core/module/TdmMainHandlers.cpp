// Which handler answers which event of which dataset.
#include "core/module/TdmMain.h"

namespace {

using Method = void (TdmMain::*)(qx::ClientDataSet&);

qx::ClientDataSet::Handler to(TdmMain* dm, Method m)
{
    return [dm, m](qx::ClientDataSet& ds) { (dm->*m)(ds); };
}

}  // namespace

void TdmMain::BindHandlers()
{
    // Single-record pages: shared before-post, after-post and before-cancel; own new record and calc.
    struct Page {
        qx::ClientDataSet& ds;
        Method newRecord;
        Method calcFields;
    };
    const Page pages[] = {
        {cdsM1P1, &TdmMain::cdsM1P1NewRecord, &TdmMain::cdsM1P1CalcFields},
        {cdsM1P2, &TdmMain::cdsM1P2NewRecord, &TdmMain::cdsM1P2CalcFields},
        {cdsM1P3, &TdmMain::cdsM1P3NewRecord, &TdmMain::cdsM1P3CalcFields},
        {cdsAnexoAP1, &TdmMain::cdsAnexoAP1NewRecord, &TdmMain::cdsAnexoAP1CalcFields},
        {cdsAnexoAP2, &TdmMain::cdsAnexoAP2NewRecord, &TdmMain::cdsAnexoAP2CalcFields},
        {cdsAnexoASegP1, &TdmMain::cdsAnexoASegP1NewRecord, &TdmMain::cdsAnexoASegP1CalcFields},
        {cdsAnexoASegP2, &TdmMain::cdsAnexoASegP2NewRecord, &TdmMain::cdsAnexoASegP2CalcFields},
        {cdsAnexoABankP1, &TdmMain::cdsAnexoABankP1NewRecord, &TdmMain::cdsAnexoABankP1CalcFields},
        {cdsAnexoABankP2, &TdmMain::cdsAnexoABankP2NewRecord, &TdmMain::cdsAnexoABankP2CalcFields},
        {cdsAnexoBP1, &TdmMain::cdsAnexoBP1NewRecord, &TdmMain::cdsAnexoBP1CalcFields},
        {cdsAnexoBP2, &TdmMain::cdsAnexoBP2NewRecord, &TdmMain::cdsAnexoBP2CalcFields},
        {cdsAnexoBSegP1, &TdmMain::cdsAnexoBSegP1NewRecord, &TdmMain::cdsAnexoBSegP1CalcFields},
        {cdsAnexoBSegP2, &TdmMain::cdsAnexoBSegP2NewRecord, &TdmMain::cdsAnexoBSegP2CalcFields},
        {cdsAnexoBBankP1, &TdmMain::cdsAnexoBBankP1NewRecord, &TdmMain::cdsAnexoBBankP1CalcFields},
        {cdsAnexoBBankP2, &TdmMain::cdsAnexoBBankP2NewRecord, &TdmMain::cdsAnexoBBankP2CalcFields},
        {cdsM3P1, &TdmMain::cdsM3P1NewRecord, &TdmMain::cdsM3P1CalcFields},
        {cdsM4P1, &TdmMain::cdsM4P1NewRecord, &TdmMain::cdsM4P1CalcFields},
        {cdsM4P2, &TdmMain::cdsM4P2NewRecord, &TdmMain::cdsM4P2CalcFields},
    };
    for (const Page& p : pages) {
        p.ds.onNewRecord = to(this, p.newRecord);
        p.ds.onCalcFields = to(this, p.calcFields);
        p.ds.beforePost = to(this, &TdmMain::cdsM1P1BeforePost);
        p.ds.afterPost = to(this, &TdmMain::cdsM1P1AfterPost);
        p.ds.beforeCancel = to(this, &TdmMain::cdsM1P1BeforeCancel);
    }

    // Observation pages: shared before-post and before-cancel, no page check after post.
    cdsM3Obs.onNewRecord = to(this, &TdmMain::cdsM3ObsNewRecord);
    cdsM3Obs.onCalcFields = to(this, &TdmMain::cdsM3ObsCalcFields);
    cdsM3AObs.onNewRecord = to(this, &TdmMain::cdsM3AObsNewRecord);
    cdsM3AObs.onCalcFields = to(this, &TdmMain::cdsM3AObsCalcFields);
    for (qx::ClientDataSet* obs : {&cdsM3Obs, &cdsM3AObs}) {
        obs->beforePost = to(this, &TdmMain::cdsM1P1BeforePost);
        obs->beforeCancel = to(this, &TdmMain::cdsM1P1BeforeCancel);
    }

    // M/3 list.
    cdsM3VCLF.onNewRecord = to(this, &TdmMain::cdsM3VCLFNewRecord);
    cdsM3VCLF.onCalcFields = to(this, &TdmMain::cdsM3VCLFCalcFields);
    cdsM3VCLF.beforePost = to(this, &TdmMain::cdsM3VCLFBeforePost);
    cdsM3VCLF.afterPost = to(this, &TdmMain::cdsM3VCLFAfterPost);
    cdsM3VCLF.afterDelete = to(this, &TdmMain::cdsM3VCLFAfterDelete);
    cdsM3VCLF.beforeDelete = to(this, &TdmMain::cdsM3VCLFBeforeDelete);
    cdsM3VCLF.afterScroll = to(this, &TdmMain::cdsM3VCLFAfterScroll);
    cdsM3VCLF.beforeClose = to(this, &TdmMain::cdsM3VCLFBeforeClose);
    cdsM3VCLF.beforeCancel = to(this, &TdmMain::cdsM1P1BeforeCancel);

    // M/3A lists: shared handlers but their own calc and row checks.
    cdsM3AAli.onCalcFields = to(this, &TdmMain::cdsM3AAliCalcFields);
    cdsM3AAba.onCalcFields = to(this, &TdmMain::cdsM3AAbaCalcFields);
    cdsM3AAli.beforePost = to(this, &TdmMain::cdsM3AAliBeforePost);
    cdsM3AAba.beforePost = to(this, &TdmMain::cdsM3AAbaBeforePost);
    for (qx::ClientDataSet* list : {&cdsM3AAli, &cdsM3AAba}) {
        list->onNewRecord = to(this, &TdmMain::cdsM3AAliNewRecord);
        list->afterPost = to(this, &TdmMain::cdsM3AAliAfterPost);
        list->afterDelete = to(this, &TdmMain::cdsM3AAliAfterDelete);
        list->beforeDelete = to(this, &TdmMain::cdsM3AAliBeforeDelete);
        list->afterScroll = to(this, &TdmMain::cdsM3AAliAfterScroll);
        list->beforeClose = to(this, &TdmMain::cdsM3AAliBeforeClose);
        list->beforeCancel = to(this, &TdmMain::cdsM1P1BeforeCancel);
    }

    // Settings, printer offsets, rate table, alert list.
    cdsSys.onNewRecord = to(this, &TdmMain::cdsSysNewRecord);
    cdsSys.onCalcFields = to(this, &TdmMain::cdsSysCalcFields);
    cdsPrnSetup.beforePost = to(this, &TdmMain::cdsPrnSetupBeforePost);
    cdsTaxMaxReintAmor.onNewRecord = to(this, &TdmMain::cdsTaxMaxReintAmorNewRecord);
    cdsTaxMaxReintAmor.beforePost = to(this, &TdmMain::cdsTaxMaxReintAmorBeforePost);
    cdsAlert.onNewRecord = to(this, &TdmMain::cdsAlertNewRecord);
    cdsAlert.beforePost = to(this, &TdmMain::cdsAlertBeforePost);
}
