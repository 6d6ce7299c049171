#include "core/module/TdmMain.h"

#include "core/catalogue/FieldCatalogue.h"
#include "core/folder/FolderLock.h"
#include "core/util/Clock.h"
#include "platform/data/DisplayFormat.h"

TdmMain* dmMain = nullptr;

TdmMain::TdmMain()
{
    all_ = {&cdsAlert, &cdsSys, &cdsPrnSetup, &cdsTaxMaxReintAmor, &cdsM1P1, &cdsM1P2, &cdsM1P3,
            &cdsAnexoAP1, &cdsAnexoAP2, &cdsAnexoASegP1, &cdsAnexoASegP2, &cdsAnexoABankP1, &cdsAnexoABankP2,
            &cdsAnexoBP1, &cdsAnexoBP2, &cdsAnexoBSegP1, &cdsAnexoBSegP2, &cdsAnexoBBankP1, &cdsAnexoBBankP2,
            &cdsM3P1, &cdsM3VCLF, &cdsM3Obs, &cdsM3AAli, &cdsM3AAba, &cdsM3AObs, &cdsM4P1, &cdsM4P2,
            &cdsFormField, &cdsRptField};
    for (qx::ClientDataSet* ds : all_)
        ds->setFieldDefs(CatalogueFields(ds->name()));

    cdsAlert.setIndexFieldNames(QStringLiteral("Alert_Seq"));
    cdsM3VCLF.setIndexFieldNames(QStringLiteral("Rec_AID"));
    cdsFormField.setIndexFieldNames(QStringLiteral("Line;Left"));
    cdsRptField.setIndexFieldNames(QStringLiteral("Line;Left"));
    for (qx::ClientDataSet* list : {&cdsM3VCLF, &cdsM3AAli, &cdsM3AAba})
        list->setAggregatesActive(true);

    // Calculated amounts show "**********" when they overflowed; v_r1_7_mop of the banking
    // Anexo A back page shows them too, so that every finding points at a visible mark.
    for (qx::ClientDataSet* ds : all_) {
        for (int i = 0; i < ds->fieldCount(); ++i) {
            qx::Field& f = ds->field(i);
            if (f.fieldKind() == qx::FieldKind::Calculated && f.dataType() == qx::FieldType::Currency)
                f.onGetText = [this](qx::Field& sender, QString& text, bool display) {
                    cdsM1P2r21_mopGetText(sender, text, display);
                };
        }
    }
    BindHandlers();
    // Two-digit years typed into dates are read against the program's clock.
    qx::setTodayForTwoDigitYears([] { return Today(); });
}

TdmMain::~TdmMain()
{
    if (dmMain == this)
        dmMain = nullptr;
}

qx::ClientDataSet* TdmMain::DataSetByName(QStringView name) const
{
    for (qx::ClientDataSet* ds : all_)
        if (name.compare(ds->name(), Qt::CaseInsensitive) == 0)
            return ds;
    return nullptr;
}

int TdmMain::ObjCodeOf(const qx::ClientDataSet& dataSet) const
{
    static const struct { const char* name; int code; } codes[] = {
        {"cdsAlert", 100}, {"cdsSys", 200}, {"cdsPrnSetup", 200}, {"cdsTaxMaxReintAmor", 300},
        {"cdsM1P1", 1011}, {"cdsM1P2", 1012}, {"cdsM1P3", 1013},
        {"cdsAnexoAP1", 2011}, {"cdsAnexoAP2", 2012}, {"cdsAnexoASegP1", 2111}, {"cdsAnexoASegP2", 2112},
        {"cdsAnexoABankP1", 2211}, {"cdsAnexoABankP2", 2212},
        {"cdsAnexoBP1", 3011}, {"cdsAnexoBP2", 3012}, {"cdsAnexoBSegP1", 3111}, {"cdsAnexoBSegP2", 3212},
        {"cdsAnexoBBankP1", 3311}, {"cdsAnexoBBankP2", 3312},
        {"cdsM3P1", 4011}, {"cdsM3VCLF", 4012}, {"cdsM3Obs", 4013},
        {"cdsM3AAli", 5011}, {"cdsM3AAba", 5012}, {"cdsM3AObs", 5013}, {"cdsM4P1", 6011}, {"cdsM4P2", 6012}};
    for (const auto& c : codes)
        if (dataSet.name() == QLatin1String(c.name))
            return c.code;
    return 0;
}
