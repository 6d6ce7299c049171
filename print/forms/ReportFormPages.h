#pragma once
// The report forms' pages by page code, as the print dialog asks for them: M/1 on A4 (1011-1014)
// or on A3 (1011 the front sheet, 1012 the back sheet), the annex pairs and M/4 by their page
// codes, the M/3 faces (4011 and 4014 the first sheet, 4015 and 4016 a continuation sheet) and the
// M/3A faces (5011 front, 5012 back); the list forms print the sheet or page of the request.

#include "print/forms/FormReportPage.h"

#include <memory>
#include <vector>

class ReportForms;

class ReportFormPages final : public ReportPages {
public:
    // Takes each page's default offsets from the forms as they are now: make it with the forms.
    // `namer` names the boxes in the messages about a print (see FormReportPage).
    explicit ReportFormPages(ReportForms& forms, const LayoutBoxNamer& namer = {});

    ReportPage* reportPage(int pageCode, bool m1OnA4) override { return formPage(pageCode, m1OnA4); }
    FormReportPage* formPage(int pageCode, bool m1OnA4);

private:
    struct Entry {
        int pageCode;
        bool m1OnA4;
        std::unique_ptr<FormReportPage> page;
    };
    std::vector<Entry> entries_;
};
