#pragma once
// A fresh folder whose pages are posted (PostFields), so that each page's own check runs as it does
// in an editor; the page's findings are read in the order of the alert list.

#include "support/DmFixture.h"
#include "tests/core/check/AlertRows.h"

#include <vector>

class CheckPageFixture : public DmFixture {
protected:
    // "code field" of each finding of the page (of the given codes only, when any), in list order.
    QStringList findings(int objCode, const QStringList& onlyCodes = {})
    {
        QStringList out;
        for (const AlertRow& r : AlertsOf(dm->cdsAlert, objCode))
            if (onlyCodes.isEmpty() || onlyCodes.contains(r.code))
                out << r.code + QLatin1Char(' ') + r.fieldName;
        return out;
    }

    // The findings of the page with this code, in list order.
    std::vector<AlertRow> rowsWith(int objCode, const char* code)
    {
        std::vector<AlertRow> out;
        for (const AlertRow& r : AlertsOf(dm->cdsAlert, objCode))
            if (r.code == QLatin1String(code))
                out.push_back(r);
        return out;
    }
};
