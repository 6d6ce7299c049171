#pragma once
// Page code of a page dataset and the dataset of a page code, over the 18 page datasets whose
// editor pages bind report bands by position (M/1, the annexes, the M/3 header, M/4).

#include <QString>

namespace qx {
class ClientDataSet;
}
class TdmMain;

// 0 for any other dataset (or none).
int PageCodeOfDataSet(const TdmMain& dm, const qx::ClientDataSet* dataSet);
// nullptr for any other code.
qx::ClientDataSet* DataSetOfPageCode(const TdmMain& dm, int pageCode);
