#pragma once
// The report page that prints a page code, as the print dialog's page list chooses it: M/1 on A4
// (four items) or A3 (two sheets), the front and back of an annex and of M/4, the sheet faces of
// M/3 and the page faces of M/3A (with the sheet or page set on the list form).

#include <QString>
#include <optional>

class ReportForms;
class TReportForm;
class TdmMain;
namespace qx::report {
class ReportPage;
}

struct PrintTarget {
    TReportForm* form = nullptr;
    qx::report::ReportPage* page = nullptr;
    int pageCode = 0;  // the page code of the item printed
};

// The report page of item `item` (-1: the initial item of `pageCode`) of the page list opened on
// `pageCode`; nothing for a page code without a report form or an item out of range. The M/3 and
// M/3A lists are read from `dm`, recomputed.
std::optional<PrintTarget> PrintTargetOf(ReportForms& forms, TdmMain& dm, int pageCode, bool m1OnA4, int sector,
                                         int item);
