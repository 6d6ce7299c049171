#include "PrintGate.h"

#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"

namespace {

constexpr const char* kRecalcOrder[] = {
    "cdsM4P1",         "cdsM4P2",         "cdsM3AAli",      "cdsM3AAba",       "cdsM3P1",        "cdsM3VCLF",
    "cdsAnexoBP1",     "cdsAnexoBP2",     "cdsAnexoBBankP1", "cdsAnexoBBankP2", "cdsAnexoBSegP1", "cdsAnexoBSegP2",
    "cdsAnexoAP1",     "cdsAnexoAP2",     "cdsAnexoABankP1", "cdsAnexoABankP2", "cdsAnexoASegP1", "cdsAnexoASegP2",
    "cdsM1P1",         "cdsM1P2",         "cdsM1P3",
};

// The pages the gate looks at: M/1, the annex pair of the folder's sector (none without one),
// M/3, M/3A and M/4.
QList<int> gatedPages(int sector)
{
    QList<int> pages{1011, 1012, 1013};
    if (sector == 0)
        pages << 2011 << 2012 << 3011 << 3012;
    else if (sector == 11)
        pages << 2111 << 2112 << 3111 << 3212;
    else if (sector == 21)
        pages << 2211 << 2212 << 3311 << 3312;
    pages << 4011 << 4012 << 5011 << 5012 << 6011 << 6012;
    return pages;
}

bool hasError(TdmMain& dm, int pageCode)
{
    return dm.cdsAlert.active()
        && dm.cdsAlert.locate(QStringLiteral("Obj_Code;Alert_Type"),
                              {qx::Value(std::int32_t{pageCode}), qx::Value(std::int32_t{10})});
}

}  // namespace

QList<int> RecalcCheckAndGate(TdmMain& dm)
{
    for (const char* name : kRecalcOrder) {
        QString visited;
        if (qx::ClientDataSet* ds = dm.DataSetByName(QString::fromLatin1(name)))
            dm.RecalcDataSet(*ds, visited);
    }
    dm.CheckForms(nullptr);
    QList<int> errors;
    for (int page : gatedPages(SectorOf(dm)))
        if (hasError(dm, page))
            errors << page;
    return errors;
}
