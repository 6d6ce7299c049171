#include "core/rates/RateYears.h"

bool RateMatchesYears(qx::Currency ratePercent, qx::Currency years, bool privateLand)
{
    // With t and y the raw ten-thousandths of rate and years, and F = n / d the land factor:
    //   |100 F / (t / 10^4) - y / 10^4| <= 1/2
    //   <=> |2 * 10^10 * n - 2 * d * y * t| <= d * t * 10^4        (multiplied by 2 d t 10^4 > 0)
    __extension__ using int128 = __int128;
    const int128 t = ratePercent.raw();
    const int128 y = years.raw();
    const int128 n = privateLand ? 8 : 1;
    const int128 d = privateLand ? 10 : 1;
    // 100 F / rate is at most 10^6 years (rate >= 0.0001); a year count far above it cannot match,
    // and leaving it out keeps every product below 2^127.
    constexpr int128 kFarTooManyYears = int128{10000000} * qx::Currency::kScale;
    if (t <= 0 || y > kFarTooManyYears || y < -kFarTooManyYears)
        return false;
    int128 diff = int128{20000000000} * n - 2 * d * y * t;
    if (diff < 0)
        diff = -diff;
    return diff <= d * t * 10000;
}
