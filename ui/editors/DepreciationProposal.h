#pragma once
// The period's depreciation the M/3 list proposes for an asset row: acquisition value × rate % /
// 12 × months, or a whole year when the months are 0 or fewer. The exact product is taken to the
// currency's four decimals with ties to the even neighbour, then to a whole amount with halves
// away from zero. A result beyond the currency's range throws qx::CurrencyOverflow.

#include "platform/data/Currency.h"

qx::Currency ProposedDepreciation(qx::Currency value, qx::Currency ratePercent, int months);
