#pragma once
// M/3 sheet 1: the front (QuickRepP1, rows 1-12 below the header and summary of the first sheet,
// with their sums) and the back (QuickRepP2, rows 13-31 with the front's sums carried in and the
// running sums; printed only when it has rows or sheet 1's observations have text).

#include "print/forms/AssetFace.h"
#include "print/forms/TReportForm.h"

class TFormRpt_M3 : public TReportForm {
public:
    explicit TFormRpt_M3(TdmMain& dm);

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
