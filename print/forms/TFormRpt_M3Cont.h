#pragma once
// M/3 continuation sheet N (N >= 2, PagNum, set by the print dialog): the front (QuickRepP1) and
// the back (QuickRepP2), 19 rows each, each with the totals of every row before it carried in and
// the running totals. The front prints only with rows; the back with rows or when sheet N's
// observations have text.

#include "print/forms/AssetFace.h"
#include "print/forms/TReportForm.h"

class TFormRpt_M3Cont : public TReportForm {
public:
    explicit TFormRpt_M3Cont(TdmMain& dm);

    int PagNum = 2;
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
