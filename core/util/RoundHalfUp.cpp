#include "core/util/RoundHalfUp.h"

#include <cstdint>

namespace {

constexpr std::int64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000};

}  // namespace

qx::Currency RoundHalfUp(int decimals, qx::Currency value)
{
    if (decimals >= 4 || decimals < 0)
        return value;
    // The value with one place more than kept, truncated toward zero: its last digit is the
    // first dropped one.
    const std::int64_t withGuard = value.raw() / kPowersOfTen[3 - decimals];
    const std::int64_t dropped = withGuard % 10;
    const std::int64_t rounded = withGuard / 10 + (dropped >= 5 ? 1 : dropped <= -5 ? -1 : 0);
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(rounded, kPowersOfTen[4 - decimals], &raw))
        throw qx::CurrencyOverflow("Rounded amount out of range");
    return qx::Currency::fromRaw(raw);
}
