#pragma once
// An exact sum of amounts, held in 128-bit ten-thousandths. Adding or subtracting currency
// values can never overflow it (2^63 terms would be needed), so a rule that compares totals,
// such as (3)+(4) > (1)+(2), always gets the true answer and never throws; and a calculated
// amount such as a + b - c overflows only when its result leaves the range, never on the way.

#include "platform/data/Currency.h"

#include <compare>
#include <cstdint>
#include <initializer_list>

namespace qx {

class ExactSum {
public:
    constexpr ExactSum() = default;
    // A single amount; implicit so that a sum compares directly with a field's value.
    constexpr ExactSum(Currency value) : raw_(value.raw()) {}
    // The sum of the terms.
    constexpr ExactSum(std::initializer_list<Currency> terms)
    {
        for (Currency t : terms)
            raw_ += t.raw();
    }

    constexpr ExactSum& operator+=(const ExactSum& o)
    {
        raw_ += o.raw_;
        return *this;
    }
    constexpr ExactSum& operator-=(const ExactSum& o)
    {
        raw_ -= o.raw_;
        return *this;
    }
    friend constexpr ExactSum operator+(ExactSum a, const ExactSum& b) { return a += b; }
    friend constexpr ExactSum operator-(ExactSum a, const ExactSum& b) { return a -= b; }

    friend constexpr bool operator==(const ExactSum& a, const ExactSum& b) { return a.raw_ == b.raw_; }
    friend constexpr std::strong_ordering operator<=>(const ExactSum& a, const ExactSum& b)
    {
        return a.raw_ < b.raw_ ? std::strong_ordering::less
             : a.raw_ > b.raw_ ? std::strong_ordering::greater
                               : std::strong_ordering::equal;
    }

    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }

    // The sum as an amount; throws CurrencyOverflow when it lies outside the currency range.
    Currency toCurrency() const
    {
        if (raw_ > INT64_MAX || raw_ < INT64_MIN)
            throw CurrencyOverflow("currency overflow");
        return Currency::fromRaw(static_cast<std::int64_t>(raw_));
    }

private:
    __extension__ __int128 raw_ = 0;
};

}  // namespace qx
