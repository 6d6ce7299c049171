#include "print/binding/PageCodes.h"

#include "core/module/TdmMain.h"

namespace {

constexpr const char* kBoundPageDataSets[] = {
    "cdsM1P1",         "cdsM1P2",         "cdsM1P3",        "cdsAnexoAP1",    "cdsAnexoAP2",    "cdsAnexoASegP1",
    "cdsAnexoASegP2",  "cdsAnexoABankP1", "cdsAnexoABankP2", "cdsAnexoBP1",   "cdsAnexoBP2",    "cdsAnexoBSegP1",
    "cdsAnexoBSegP2",  "cdsAnexoBBankP1", "cdsAnexoBBankP2", "cdsM3P1",       "cdsM4P1",        "cdsM4P2",
};

bool isBoundPageDataSet(const QString& name)
{
    for (const char* n : kBoundPageDataSets)
        if (name == QLatin1String(n))
            return true;
    return false;
}

}  // namespace

int PageCodeOfDataSet(const TdmMain& dm, const qx::ClientDataSet* dataSet)
{
    return dataSet && isBoundPageDataSet(dataSet->name()) ? dm.ObjCodeOf(*dataSet) : 0;
}

qx::ClientDataSet* DataSetOfPageCode(const TdmMain& dm, int pageCode)
{
    for (const char* n : kBoundPageDataSets) {
        qx::ClientDataSet* ds = dm.DataSetByName(QString::fromLatin1(n));
        if (ds && dm.ObjCodeOf(*ds) == pageCode)
            return ds;
    }
    return nullptr;
}
