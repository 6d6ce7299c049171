#include "platform/data/Currency.h"

#include <QString>
#include <algorithm>
#include <limits>

namespace qx {

namespace {

using Wide = __int128;

constexpr Wide kMinRaw = std::numeric_limits<std::int64_t>::min();
constexpr Wide kMaxRaw = std::numeric_limits<std::int64_t>::max();

Currency checkedFromWide(Wide raw, const char* what)
{
    if (raw < kMinRaw || raw > kMaxRaw)
        throw CurrencyOverflow(std::string("currency overflow in ") + what);
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

// Magnitude of a raw value; the most negative raw value has no positive int64 counterpart.
std::uint64_t magnitude(std::int64_t raw)
{
    return raw < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(raw)
                   : static_cast<std::uint64_t>(raw);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// An optional sign at i of an amount's text; true for a minus.
bool readSign(QStringView s, qsizetype& i)
{
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        return s[i++] == u'-';
    return false;
}

// The value of `magnitude` ten-thousandths with the sign into *out, when within the range.
bool storeSigned(Wide magnitude, bool negative, Currency* out)
{
    const Wide raw = negative ? -magnitude : magnitude;
    if (raw < kMinRaw || raw > kMaxRaw)
        return false;
    if (out)
        *out = Currency::fromRaw(static_cast<std::int64_t>(raw));
    return true;
}

}  // namespace

Currency Currency::fromUnits(std::int64_t units)
{
    return checkedFromWide(Wide(units) * kScale, "conversion from units");
}

Currency Currency::operator+(Currency o) const
{
    return checkedFromWide(Wide(raw_) + o.raw_, "addition");
}

Currency Currency::operator-(Currency o) const
{
    return checkedFromWide(Wide(raw_) - o.raw_, "subtraction");
}

Currency Currency::operator-() const
{
    return checkedFromWide(-Wide(raw_), "negation");
}

Currency Currency::operator*(Currency o) const
{
    // Both operands carry four decimals, so the exact product carries eight; dropping four
    // of them by integer division truncates toward zero.
    return checkedFromWide(Wide(raw_) * o.raw_ / kScale, "multiplication");
}

Currency Currency::operator*(std::int64_t n) const
{
    return checkedFromWide(Wide(raw_) * n, "multiplication");
}

QString Currency::toString() const
{
    const std::uint64_t mag = magnitude(raw_);
    QString text = QString::number(mag / kScale);
    std::uint64_t fraction = mag % kScale;
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        text += u'.' + QString::number(fraction).rightJustified(digits, u'0');
    }
    if (raw_ < 0)
        text.prepend(u'-');
    return text;
}

bool Currency::tryParse(QStringView text, Currency* out)
{
    const QStringView s = text.trimmed();
    qsizetype i = 0;
    const bool negative = readSign(s, i);
    // Accumulate the magnitude in ten-thousandths; the wide type cannot overflow before the
    // range test below stops the loop.
    Wide units = 0;
    int digitsSeen = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digitsSeen) {
        units = units * 10 + (s[i].unicode() - u'0');
        if (units > kMaxRaw + 1)
            return false;
    }
    Wide fraction = 0;
    int decimals = 0;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        for (; i < s.size() && isDigit(s[i]); ++i, ++digitsSeen) {
            if (++decimals > 4)
                return false;  // more decimals than a currency holds: refuse, never round
            fraction = fraction * 10 + (s[i].unicode() - u'0');
        }
    }
    if (i != s.size() || digitsSeen == 0)
        return false;
    for (int d = decimals; d < 4; ++d)
        fraction *= 10;
    return storeSigned(units * kScale + fraction, negative, out);
}

bool Currency::tryParseRounded(QStringView text, Currency* out)
{
    const QStringView s = text.trimmed();
    qsizetype i = 0;
    const bool negative = readSign(s, i);
    // The digits of the mantissa, and how many stand before its point.
    const qsizetype digitsStart = i;
    QString digits;
    qsizetype wholeDigits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        digits += s[i];
    wholeDigits = digits.size();
    if (i < s.size() && s[i] == u'.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            digits += s[i];
    if (digits.isEmpty() || i == digitsStart)
        return false;
    constexpr int kMaxExponent = 400;  // far beyond any amount; keeps the arithmetic small
    int exponent = 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            negativeExponent = s[i++] == u'-';
        const qsizetype exponentStart = i;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            exponent = exponent * 10 + (s[i].unicode() - u'0');
            if (exponent > kMaxExponent)
                return false;
        }
        if (i == exponentStart)
            return false;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != s.size())
        return false;
    // The raw value is the first `kept` digits (ten-thousandths), rounded by the next one.
    const qsizetype kept = wholeDigits + exponent + 4;
    Wide raw = 0;
    for (qsizetype d = 0; d < std::max<qsizetype>(kept, 0); ++d) {
        raw = raw * 10 + (d < digits.size() ? digits[d].unicode() - u'0' : 0);
        if (raw > kMaxRaw + 1)
            return false;
    }
    if (kept >= 0 && kept < digits.size() && digits[kept] >= u'5')
        ++raw;
    return storeSigned(raw, negative, out);
}

Currency Currency::parse(QStringView text)
{
    Currency value;
    if (!tryParse(text, &value))
        throw std::invalid_argument("not a currency value: \"" + text.toString().toStdString() + "\"");
    return value;
}

}  // namespace qx
