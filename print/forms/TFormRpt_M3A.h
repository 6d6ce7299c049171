#pragma once
// M/3A page N (PagNum, set by the print dialog): the front (QuickRepP1) lists the assets
// alienated, the back (QuickRepP2) the assets written off with the page's observations; each
// shows the running totals of its list up to page N. A face without rows of its own prints (when
// the page has something elsewhere) one blank row band and no sums.

#include "print/forms/AssetListForm.h"

class TFormRpt_M3A : public AssetListForm {
public:
    explicit TFormRpt_M3A(TdmMain& dm);

    int PagNum = 1;
    void QuickRepP1BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
    void QuickRepP2BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
};
