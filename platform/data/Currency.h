#pragma once
// Exact money: fixed point with four decimals in int64 ten-thousandths.
// Every +, -, * and negation is range-checked; a result outside the int64 range
// throws CurrencyOverflow (never wraps, never goes through floating point).

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <stdexcept>

namespace qx {

// Raised by every checked currency operation whose result leaves the range.
class CurrencyOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }
    // Whole units; throws CurrencyOverflow when units * 10000 leaves the range.
    static Currency fromUnits(std::int64_t units);
    static constexpr Currency max() { return fromRaw(INT64_MAX); }
    static constexpr Currency min() { return fromRaw(INT64_MIN); }

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }
    // True when the value has a non-zero fraction (a remainder in ten-thousandths).
    constexpr bool hasDecimals() const { return raw_ % kScale != 0; }
    // Whole part, truncated toward zero.
    constexpr std::int64_t truncatedUnits() const { return raw_ / kScale; }

    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency operator-() const;
    // Currency * currency keeps four decimals, the exact product truncated toward zero.
    Currency operator*(Currency o) const;
    Currency operator*(std::int64_t n) const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }

    // Exact comparison of the raw values.
    friend constexpr auto operator<=>(Currency, Currency) = default;

    // Locale-independent text: "1234.5", "-0.0001", "0", "922337203685477.5807" (no grouping,
    // no trailing zeros in the fraction, no exponent).
    QString toString() const;
    // Parses the same form, plus an optional leading '+', surrounding blanks and up to four
    // decimals; returns false (and leaves *out untouched) on anything else or out of range.
    static bool tryParse(QStringView text, Currency* out);
    // The same, also with more decimals or an exponent ("1.5E+3", as a floating-point writer
    // puts a number), rounded to four decimals with halves away from zero.
    static bool tryParseRounded(QStringView text, Currency* out);
    // Throws std::invalid_argument with the text quoted when it is not a number.
    static Currency parse(QStringView text);

private:
    std::int64_t raw_ = 0;
};

}  // namespace qx
