#pragma once
// What a final print asks before it would put a row of '#' on paper in place of a value of the
// declaration: PS-007 lists, in each language, every such value with its page and box, and asks
// whether to print anyway.

#include "print/dialog/ReportPage.h"

#include <QString>
#include <vector>

// The title of the paper page `pageCode` in each language, as the print dialog lists the pages
// (the sheets and pages of the asset lists followed by the page list's item, `itemText`).
struct PageTitle {
    QString chn, por;
};
PageTitle PrintedPageTitle(int pageCode, int sectorId, const QString& itemText);

// True when the print may go on: nothing would print as '#', or the person answers Yes. The
// values' page code 0 stands for `pageCode`.
bool ConfirmPrintWithMarks(const std::vector<MarkedValue>& values, int pageCode, int sectorId, const QString& itemText);
