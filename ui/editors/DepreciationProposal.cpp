#include "ui/editors/DepreciationProposal.h"

#include "core/util/RoundHalfUp.h"

#include <limits>

namespace {

using Wide = __int128;

Wide checkedProduct(Wide a, Wide b)
{
    Wide out = 0;
    if (__builtin_mul_overflow(a, b, &out))
        throw qx::CurrencyOverflow("depreciation proposal out of range");
    return out;
}

// numerator / denominator (denominator > 0) rounded to an integer, ties to the even neighbour.
Wide divideTiesToEven(Wide numerator, Wide denominator)
{
    const bool negative = numerator < 0;
    const Wide magnitude = negative ? -numerator : numerator;
    Wide quotient = magnitude / denominator;
    const Wide twiceRest = (magnitude % denominator) * 2;
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return negative ? -quotient : quotient;
}

}  // namespace

qx::Currency ProposedDepreciation(qx::Currency value, qx::Currency ratePercent, int months)
{
    // In ten-thousandths: value.raw × rate.raw / 10^4 (rate) / 100 (percent) / 12 × months;
    // a whole year is 12 months of 12.
    const Wide monthsTaken = months > 0 ? months : 12;
    const Wide numerator = checkedProduct(checkedProduct(value.raw(), ratePercent.raw()), monthsTaken);
    const Wide raw = divideTiesToEven(numerator, Wide{qx::Currency::kScale} * 100 * 12);
    if (raw > std::numeric_limits<std::int64_t>::max() || raw < std::numeric_limits<std::int64_t>::min())
        throw qx::CurrencyOverflow("depreciation proposal out of range");
    return RoundHalfUp(0, qx::Currency::fromRaw(static_cast<std::int64_t>(raw)));
}
