#pragma once
// M/3A page N (PagNum, set by the print dialog): the front (QuickRepP1) lists the assets
// alienated, the back (QuickRepP2) the assets written off with the page's observations; each
// shows the running totals of its list up to page N. A face without rows of its own prints (when
// the page has something elsewhere) one blank row band and no sums.

#include "print/forms/AssetFace.h"
#include "print/forms/TReportForm.h"

class TFormRpt_M3A : public TReportForm {
public:
    explicit TFormRpt_M3A(TdmMain& dm);

    int PagNum = 1;
    qx::report::ReportPage& QuickRepP1;
    qx::report::ReportPage& QuickRepP2;
    AssetFace Front;
    AssetFace Back;

    void QuickRepP1BeforePrint(qx::report::ReportPage& sender, bool& printReport);
    void QuickRepP1NeedData(qx::report::ReportPage& sender, bool& moreData);
    void QuickRepP2BeforePrint(qx::report::ReportPage& sender, bool& printReport);
    void QuickRepP2NeedData(qx::report::ReportPage& sender, bool& moreData);

private:
    TdmMain& dm_;
};
