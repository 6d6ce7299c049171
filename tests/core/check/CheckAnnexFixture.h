#pragma once
// A fresh folder whose annex pages are filled field by field and posted (PostFields), so that the
// page's own check runs as it does in an editor; the page's findings are then read in the order
// they were made.

#include "support/DmFixture.h"
#include "tests/core/check/AlertRows.h"

#include <algorithm>

class CheckAnnexFixture : public DmFixture {
protected:
    // The page's findings in the order they were added.
    std::vector<AlertRow> Findings(int objCode)
    {
        std::vector<AlertRow> rows = AlertsOf(dm->cdsAlert, objCode);
        std::stable_sort(rows.begin(), rows.end(), [](const AlertRow& a, const AlertRow& b) { return a.seq < b.seq; });
        return rows;
    }

    // "code field" of each finding of the page, in order.
    QStringList Codes(int objCode)
    {
        QStringList out;
        for (const AlertRow& r : Findings(objCode))
            out << r.code + QLatin1Char(' ') + r.fieldName;
        return out;
    }
};
