#pragma once
// Whether a yearly depreciation rate agrees with a number of years.

#include "platform/data/Currency.h"

// The years that the rate implies, 100 / rate (100 x 0.8 / rate on private land), lie within
// half a year of `years`. The rate must be above zero. Exact: no floating point, no overflow.
bool RateMatchesYears(qx::Currency ratePercent, qx::Currency years, bool privateLand);
