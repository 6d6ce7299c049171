#pragma once
// M/3 continuation sheet N (N >= 2, PagNum, set by the print dialog): the front (QuickRepP1) and
// the back (QuickRepP2), 19 rows each, each with the totals of every row before it carried in and
// the running totals. The front prints only with rows; the back with rows or when sheet N's
// observations have text.

#include "print/forms/AssetListForm.h"

class TFormRpt_M3Cont : public AssetListForm {
public:
    explicit TFormRpt_M3Cont(TdmMain& dm);

    int PagNum = 2;
    void QuickRepP1BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
    void QuickRepP2BeforePrint(qx::report::ReportPage& sender, bool& printReport) override;
};
