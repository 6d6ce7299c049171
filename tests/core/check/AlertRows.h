#pragma once
// The rows of the alert list as plain values, in the list's current order.

#include "platform/data/ClientDataSet.h"

#include <QString>
#include <vector>

struct AlertRow {
    int objCode = 0;
    QString fieldName;
    int type = 0;
    QString typeChn, typePor;
    QString code;
    QString chn, por;
    int seq = 0;
};

inline std::vector<AlertRow> AlertRows(qx::ClientDataSet& alerts)
{
    std::vector<AlertRow> rows;
    const int keep = alerts.recNo();
    for (alerts.first(); !alerts.eof(); alerts.next()) {
        auto s = [&](const char* name) { return alerts.fieldByName(QString::fromLatin1(name)).asString(); };
        auto i = [&](const char* name) { return alerts.fieldByName(QString::fromLatin1(name)).asInteger(); };
        rows.push_back({i("Obj_Code"), s("Field_Name"), i("Alert_Type"), s("Alert_Type_Chn"), s("Alert_Type_Por"),
                        s("Msg_Code"), s("Msg_Chn"), s("Msg_Por"), i("Alert_Seq")});
    }
    if (keep > 0)
        alerts.setRecNo(keep);
    return rows;
}

// The alerts of one page, in list order.
inline std::vector<AlertRow> AlertsOf(qx::ClientDataSet& alerts, int objCode)
{
    std::vector<AlertRow> out;
    for (const AlertRow& r : AlertRows(alerts))
        if (r.objCode == objCode)
            out.push_back(r);
    return out;
}
