#pragma once
// The single-page report forms: M/1 on A3 and on A4, the six annex variants and M/4. Each report
// page is built from its page layouts when the forms are created: paper, band, default margins,
// the data texts at their boxes (font, alignment; dataset and field come from the binding, except
// on M/1 page 1, which is bound to cdsM1P1 from the start), the calibration marks (closed into one
// rectangle, printed on a test page only), the date boxes' patterns and, for M/1 on A4, the page
// picture under the values and the test stamp. It also holds the list forms of M/3 and M/3A.

#include "print/forms/ReportPageTable.h"
#include "print/forms/TFormRpt_M3.h"
#include "print/forms/TFormRpt_M3A.h"
#include "print/forms/TFormRpt_M3Cont.h"
#include "print/forms/TReportForm.h"

class TdmMain;

class ReportForms {
public:
    explicit ReportForms(TdmMain& dm);
    ReportForms(const ReportForms&) = delete;
    ReportForms& operator=(const ReportForms&) = delete;

    TReportForm FormRpt_M1{QStringLiteral("FormRpt_M1")};
    TReportForm FormRpt_M1_A4{QStringLiteral("FormRpt_M1_A4")};
    TReportForm FormRpt_AnexoA{QStringLiteral("FormRpt_AnexoA")};
    TReportForm FormRpt_AnexoASeg{QStringLiteral("FormRpt_AnexoASeg")};
    TReportForm FormRpt_AnexoABank{QStringLiteral("FormRpt_AnexoABank")};
    TReportForm FormRpt_AnexoB{QStringLiteral("FormRpt_AnexoB")};
    TReportForm FormRpt_AnexoBSeg{QStringLiteral("FormRpt_AnexoBSeg")};
    TReportForm FormRpt_AnexoBBank{QStringLiteral("FormRpt_AnexoBBank")};
    TReportForm FormRpt_M4{QStringLiteral("FormRpt_M4")};
    TFormRpt_M3 FormRpt_M3;
    TFormRpt_M3Cont FormRpt_M3Cont;
    TFormRpt_M3A FormRpt_M3A;

    TReportForm* form(const QString& name);
    // The report page `page` of form `form`, or nullptr.
    qx::report::ReportPage* page(const QString& form, const QString& page);
};
