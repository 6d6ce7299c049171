#pragma once
// The M/3 editor: the first sheet's header and summary over its picture (page 1, code 4011) and
// the list of fixed assets with the observations of the current sheet (page 2, code 4012).
// Printing opens the print dialog on the first sheet, or on the sheet and face of the current row
// (an empty list: the first sheet, its back when its observations hold text).

#include "ui/editors/TFormFillList.h"

class TListGridPage;

class TFormFillM3 : public TFormFillList {
    Q_OBJECT
public:
    explicit TFormFillM3(TdmMain& dm, QWidget* parent = nullptr);

    TListGridPage* ListPage = nullptr;

    void ActionPrintP1Execute();
    void ActionPrintP2Execute();

private:
    bool postForPrint();
};
