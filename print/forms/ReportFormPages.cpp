#include "print/forms/ReportFormPages.h"

#include "print/forms/ReportForms.h"

namespace {

bool IsM1(int pageCode) { return pageCode >= 1011 && pageCode <= 1014; }

}  // namespace

ReportFormPages::ReportFormPages(ReportForms& forms, const LayoutBoxNamer& namer)
{
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        TReportForm& form = *forms.form(QString::fromLatin1(spec.form));
        entries_.push_back({spec.pageCode, &form == &forms.FormRpt_M1_A4,
                            std::make_unique<FormReportPage>(form, *form.page(QString::fromLatin1(spec.page)), nullptr, namer)});
    }
    const struct {
        int pageCode;
        AssetListForm& form;
        qx::report::ReportPage& page;
        int* pagNum;
    } faces[] = {
        {4011, forms.FormRpt_M3, forms.FormRpt_M3.QuickRepP1, nullptr},
        {4014, forms.FormRpt_M3, forms.FormRpt_M3.QuickRepP2, nullptr},
        {4015, forms.FormRpt_M3Cont, forms.FormRpt_M3Cont.QuickRepP1, &forms.FormRpt_M3Cont.PagNum},
        {4016, forms.FormRpt_M3Cont, forms.FormRpt_M3Cont.QuickRepP2, &forms.FormRpt_M3Cont.PagNum},
        {5011, forms.FormRpt_M3A, forms.FormRpt_M3A.QuickRepP1, &forms.FormRpt_M3A.PagNum},
        {5012, forms.FormRpt_M3A, forms.FormRpt_M3A.QuickRepP2, &forms.FormRpt_M3A.PagNum},
    };
    for (const auto& face : faces)
        entries_.push_back({face.pageCode, false, std::make_unique<FormReportPage>(face.form, face.page, face.pagNum, namer)});
}

FormReportPage* ReportFormPages::formPage(int pageCode, bool m1OnA4)
{
    for (const Entry& entry : entries_)
        if (entry.pageCode == pageCode && (!IsM1(pageCode) || entry.m1OnA4 == m1OnA4))
            return entry.page.get();
    return nullptr;
}
