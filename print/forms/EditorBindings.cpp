#include "print/forms/EditorBindings.h"

#include "platform/layout/PageLayout.h"
#include "print/binding/BindReportFields.h"
#include "print/binding/LayoutPageControls.h"
#include "print/forms/ReportForms.h"

const std::vector<EditorBindingSpec>& EditorBindingSpecs()
{
    static const std::vector<EditorBindingSpec> specs = {
        {"TFormFillM1", "ScrollBoxP1", "M1P1", "FormRpt_M1", "QuickRepP1", 0, -1},
        {"TFormFillM1", "ScrollBoxP2", "M1P2", "FormRpt_M1", "QuickRepP2P3", 0, 800},
        {"TFormFillM1", "ScrollBoxP3", "M1P3", "FormRpt_M1", "QuickRepP2P3", 801, -1},
        {"TFormFillM1", "ScrollBoxP1", "M1P1", "FormRpt_M1_A4", "QuickRepP1", 0, -1},
        {"TFormFillM1", "ScrollBoxP2", "M1P2", "FormRpt_M1_A4", "QuickRepP2", 0, -1},
        {"TFormFillM1", "ScrollBoxP3", "M1P3", "FormRpt_M1_A4", "QuickRepP3", 0, -1},
        {"TFormFillAnexoA", "ScrollBoxP1", "AnexoAP1", "FormRpt_AnexoA", "QuickRepP1", 0, -1},
        {"TFormFillAnexoA", "ScrollBoxP2", "AnexoAP2", "FormRpt_AnexoA", "QuickRepP2", 0, -1},
        {"TFormFillAnexoASeg", "ScrollBoxP1", "AnexoASegP1", "FormRpt_AnexoASeg", "QuickRepP1", 0, -1},
        {"TFormFillAnexoASeg", "ScrollBoxP2", "AnexoASegP2", "FormRpt_AnexoASeg", "QuickRepP2", 0, -1},
        {"TFormFillAnexoABank", "ScrollBoxP1", "AnexoABankP1", "FormRpt_AnexoABank", "QuickRepP1", 0, -1},
        {"TFormFillAnexoABank", "ScrollBoxP2", "AnexoABankP2", "FormRpt_AnexoABank", "QuickRepP2", 0, -1},
        {"TFormFillAnexoB", "ScrollBoxP1", "AnexoBP1", "FormRpt_AnexoB", "QuickRepP1", 0, -1},
        {"TFormFillAnexoB", "ScrollBoxP2", "AnexoBP2", "FormRpt_AnexoB", "QuickRepP2", 0, -1},
        {"TFormFillAnexoBSeg", "ScrollBoxP1", "AnexoBSegP1", "FormRpt_AnexoBSeg", "QuickRepP1", 0, -1},
        {"TFormFillAnexoBSeg", "ScrollBoxP2", "AnexoBSegP2", "FormRpt_AnexoBSeg", "QuickRepP2", 0, -1},
        {"TFormFillAnexoBBank", "ScrollBoxP1", "AnexoBBankP1", "FormRpt_AnexoBBank", "QuickRepP1", 0, -1},
        {"TFormFillAnexoBBank", "ScrollBoxP2", "AnexoBBankP2", "FormRpt_AnexoBBank", "QuickRepP2", 0, -1},
        {"TFormFillM4", "ScrollBoxP1", "M4P1", "FormRpt_M4", "QuickRepP1", 0, -1},
        {"TFormFillM4", "ScrollBoxP2", "M4P2", "FormRpt_M4", "QuickRepp2", 0, -1},
    };
    return specs;
}

bool BindReportPagesFromLayouts(ReportForms& forms, const TdmMain& dm)
{
    bool clean = true;
    for (const EditorBindingSpec& b : EditorBindingSpecs()) {
        qx::report::ReportPage* page = forms.page(QString::fromLatin1(b.form), QString::fromLatin1(b.page));
        qx::report::ReportBand& band = page->band(0);
        const EditorPageControls controls =
            LayoutPageControls(qx::pageLayout(QString::fromLatin1(b.layout)), QString::fromLatin1(b.scrollBox), dm);
        const int maxLeft = b.maxLeft < 0 ? int(band.width) : b.maxLeft;
        clean = BindReportFields(controls, band, b.minLeft, maxLeft) && clean;
    }
    return clean;
}
