#pragma once
// An exact sum of amounts, held in 128-bit ten-thousandths. Adding or subtracting currency
// values can never overflow it (2^63 terms would be needed), so a rule that compares totals,
// such as (3)+(4) > (1)+(2), always gets the true answer and never throws.

#include "platform/data/Currency.h"

#include <compare>
#include <initializer_list>

class ExactSum {
public:
    constexpr ExactSum() = default;
    // A single amount; implicit so that a sum compares directly with a field's value.
    constexpr ExactSum(qx::Currency value) : raw_(value.raw()) {}
    // The sum of the terms.
    constexpr ExactSum(std::initializer_list<qx::Currency> terms)
    {
        for (qx::Currency t : terms)
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

private:
    __extension__ __int128 raw_ = 0;
};
