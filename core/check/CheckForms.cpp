// The validation frame: which pages are checked, in which order, and what every page section
// does before its own rules.
#include "core/module/TdmMain.h"

#include "core/check/DisabledControls.h"
#include "core/check/PageSections.h"

namespace {

struct SectionEntry {
    int objCode;
    qx::ClientDataSet TdmMain::*dataSet;
    PageSection rules;
};

const SectionEntry kSections[] = {
    {1011, &TdmMain::cdsM1P1, &CheckM1P1},
    {1012, &TdmMain::cdsM1P2, &CheckM1P2},
    {1013, &TdmMain::cdsM1P3, &CheckM1P3},
    {2011, &TdmMain::cdsAnexoAP1, &CheckAnexoAP1},
    {2012, &TdmMain::cdsAnexoAP2, &CheckAnexoAP2},
    {2111, &TdmMain::cdsAnexoASegP1, &CheckAnexoASegP1},
    {2112, &TdmMain::cdsAnexoASegP2, &CheckAnexoASegP2},
    {2211, &TdmMain::cdsAnexoABankP1, &CheckAnexoABankP1},
    {2212, &TdmMain::cdsAnexoABankP2, &CheckAnexoABankP2},
    {3011, &TdmMain::cdsAnexoBP1, &CheckAnexoBP1},
    {3012, &TdmMain::cdsAnexoBP2, &CheckAnexoBP2},
    {3111, &TdmMain::cdsAnexoBSegP1, &CheckAnexoBSegP1},
    {3212, &TdmMain::cdsAnexoBSegP2, &CheckAnexoBSegP2},
    {3311, &TdmMain::cdsAnexoBBankP1, &CheckAnexoBBankP1},
    {3312, &TdmMain::cdsAnexoBBankP2, &CheckAnexoBBankP2},
    {4011, &TdmMain::cdsM3P1, &CheckM3P1},
    {6011, &TdmMain::cdsM4P1, &CheckM4P1},
    {6012, &TdmMain::cdsM4P2, &CheckM4P2},
};

// Message number of the finding that stands for a page check that could not finish.
constexpr int kUnfinishedCheckMsgNo = 90;
constexpr qsizetype kReasonLength = 150;

// A section that fails part-way keeps the findings it made and gets one error finding more, so
// the page never looks clean (and printable) because its check broke off.
void addUnfinishedCheck(TdmMain& dm, int objCode, const QString& reason)
{
    const QString shortReason = reason.left(kReasonLength);
    dm.AddAlert(objCode, QString(QLatin1String("")), 10, kUnfinishedCheckMsgNo,
                QStringLiteral("本頁之檢查因錯誤而未能完成，請檢查本頁之資料．(") + shortReason + QStringLiteral(")"),
                QStringLiteral("A verificação desta página não foi concluída devido a um erro; verifique os dados "
                               "da página. (")
                    + shortReason + QStringLiteral(")"));
}

void runSection(TdmMain& dm, const SectionEntry& section)
{
    qx::ClientDataSet& page = dm.*section.dataSet;
    try {
        const qx::Field* overflowList = page.findField(u"Overflow_Fields");
        dm.CheckOverflowFields(section.objCode, overflowList ? overflowList->asString() : QString());
        section.rules(dm, page, section.objCode);
    } catch (const std::exception& e) {
        addUnfinishedCheck(dm, section.objCode, QString::fromUtf8(e.what()));
    } catch (...) {
        addUnfinishedCheck(dm, section.objCode, QString());
    }
}

}  // namespace

void TdmMain::CheckForms(qx::ClientDataSet* dataSet)
{
    DisabledControls quiet(cdsAlert);
    const auto toFirstRow = [this] {
        if (cdsAlert.active())
            cdsAlert.first();
    };
    try {
        if (!dataSet)
            ClearAlerts();
        for (const SectionEntry& section : kSections) {
            if (dataSet && dataSet != &(this->*section.dataSet))
                continue;
            if (dataSet)
                DeleteAlertsOfObject(section.objCode);
            runSection(*this, section);
        }
    } catch (...) {
        toFirstRow();
        throw;
    }
    toFirstRow();
}
