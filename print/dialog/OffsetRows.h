#pragma once
// The stored offsets (the printer-offset table of the form folder): one row per page key,
// computer and printer, with the top and left offsets in millimetres.
//
// Page keys are the page code as decimal text, except the two A3 sheets of M/1, which have keys
// of their own ("1011-A3", "1012-A3"): their offsets start more than 200 mm away from those of
// the A4 pages 1 and 2, which keep "1011" and "1012". Older folders stored both under "1011" and
// "1012"; such a row is read as belonging to the print whose default left offset is nearer to
// its own left offset, so old rows keep working for the paper they were calibrated on.

#include "platform/data/Currency.h"

#include <QString>
#include <optional>

namespace qx {
class ClientDataSet;
}

struct StoredOffsets {
    qx::Currency top;
    qx::Currency left;
};

// Who a row belongs to.
struct OffsetOwner {
    int pageCode = 0;
    bool m1OnA4 = false;
    QString computerName;
    QString printerName;
};

// Where an older shared row of M/1 pages 1 and 2 could belong: the default left offsets of this
// print and of the other paper's print of the same page code. Without both, shared rows are
// taken as this print's.
struct SharedKeyDefaults {
    std::optional<qx::Currency> ownLeft;
    std::optional<qx::Currency> otherLeft;
};

// The row key of a page code in a print on A4 or A3.
QString OffsetKey(int pageCode, bool m1OnA4);

// The stored offsets of the owner; nothing when no row holds them.
std::optional<StoredOffsets> FindStoredOffsets(qx::ClientDataSet& rows, const OffsetOwner& owner,
                                               const SharedKeyDefaults& defaults);

// Stores the offsets for the owner: edits its row or appends one, and posts. A shared older row
// of the other paper that this save would overwrite is moved to the other paper's own key.
void StoreOffsets(qx::ClientDataSet& rows, const OffsetOwner& owner, const SharedKeyDefaults& defaults,
                  const StoredOffsets& offsets);
