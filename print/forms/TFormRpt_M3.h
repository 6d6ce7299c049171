#pragma once
// M/3 sheet 1: the front (QuickRepP1, rows 1-12 below the header and summary of the first sheet,
// with their sums) and the back (QuickRepP2, rows 13-31 with the front's sums carried in and the
// running sums; printed only when it has rows or sheet 1's observations have text).

#include "print/forms/AssetListForm.h"

class TFormRpt_M3 : public AssetListForm {
public:
    explicit TFormRpt_M3(TdmMain& dm);

    void QuickRepP1BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
    void QuickRepP2BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
};
