#pragma once
// Sums over numbered fields: the fields a name pattern with "%d" gives for first..last.

#include "core/calc/FieldRef.h"

#include <vector>

class TdmMain;

std::vector<FieldRef> SeriesFields(const qx::ClientDataSet& record, const QString& pattern, int first, int last);

// target := target + each addend in turn, guarded (see Guard.h); `flagged` tells whether the
// target is already listed as overflowed. A flagged addend flags the target.
void AddSeries(TdmMain& dm, qx::Field& target, const std::vector<FieldRef>& addends, bool flagged);
