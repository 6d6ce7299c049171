#pragma once

#include "platform/data/Currency.h"

// Rounds to `decimals` places, halves away from zero, decided by the first dropped digit
// (2.5 -> 3, 2.4999 -> 2, -2.5 -> -3, 1.005 at 2 places -> 1.01). Exact on the currency's
// ten-thousandths. Four or more decimals return the value unchanged. A result beyond the
// currency's range throws qx::CurrencyOverflow.
qx::Currency RoundHalfUp(int decimals, qx::Currency value);
