#include "platform/data/Currency.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using qx::Currency;
using qx::CurrencyOverflow;

namespace {

Currency c(const char* text) { return Currency::parse(QString::fromLatin1(text)); }

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

}  // namespace

TEST(CurrencyArithmetic, AddAndSubtractAreExact)
{
    EXPECT_EQ((c("0.1") + c("0.2")).raw(), 3000);
    EXPECT_EQ((c("1234.5678") - c("0.0001")).toString(), "1234.5677");
    EXPECT_EQ((c("-1") + c("1")).raw(), 0);
    EXPECT_EQ((Currency::max() + Currency::min()).raw(), -1);
}

TEST(CurrencyArithmetic, AddAndSubtractThrowAtBothEnds)
{
    EXPECT_THROW(Currency::max() + Currency::fromRaw(1), CurrencyOverflow);
    EXPECT_THROW(Currency::min() + Currency::fromRaw(-1), CurrencyOverflow);
    EXPECT_THROW(Currency::min() - Currency::fromRaw(1), CurrencyOverflow);
    EXPECT_THROW(Currency::max() - Currency::fromRaw(-1), CurrencyOverflow);
    EXPECT_THROW(Currency::fromRaw(0) - Currency::min(), CurrencyOverflow);
    EXPECT_EQ((Currency::max() - Currency::max()).raw(), 0);
    EXPECT_EQ((Currency::fromRaw(-1) - Currency::max()).raw(), kMin);

    Currency sum = Currency::max();
    EXPECT_THROW(sum += Currency::fromRaw(1), CurrencyOverflow);
    EXPECT_EQ(sum.raw(), kMax);  // a failed compound assignment leaves the value alone
}

TEST(CurrencyArithmetic, NegationOfTheMostNegativeValueThrows)
{
    EXPECT_THROW(-Currency::min(), CurrencyOverflow);
    EXPECT_EQ((-Currency::max()).raw(), kMin + 1);
    EXPECT_EQ((-c("0.0001")).toString(), "-0.0001");
}

TEST(CurrencyArithmetic, MultiplyByInteger)
{
    EXPECT_EQ((c("12.3456") * 3).toString(), "37.0368");
    EXPECT_EQ((c("-0.5") * 4).toString(), "-2");
    EXPECT_EQ((Currency::max() * 1).raw(), kMax);
    EXPECT_EQ((Currency::min() * 1).raw(), kMin);
    EXPECT_THROW(Currency::max() * 2, CurrencyOverflow);
    EXPECT_THROW(Currency::min() * -1, CurrencyOverflow);
    EXPECT_THROW(Currency::fromRaw(2) * kMax, CurrencyOverflow);
    EXPECT_THROW(Currency::fromRaw(-1) * kMin, CurrencyOverflow);
    EXPECT_EQ((Currency::fromRaw(1) * kMin).raw(), kMin);
}

TEST(CurrencyArithmetic, MultiplyByCurrencyTruncatesTowardZero)
{
    EXPECT_EQ((c("1.5") * c("2")).toString(), "3");
    EXPECT_EQ((c("0.0001") * c("0.0001")).raw(), 0);
    EXPECT_EQ((c("1.2345") * c("0.5")).toString(), "0.6172");    // 0.61725
    EXPECT_EQ((c("-1.2345") * c("0.5")).toString(), "-0.6172");  // toward zero, not down
    EXPECT_EQ((c("100000") * c("0.25")).toString(), "25000");
    // Products whose eight-decimal intermediate exceeds int64 are still exact.
    EXPECT_EQ((c("900000000000000") * c("1")).toString(), "900000000000000");
    EXPECT_EQ((Currency::max() * c("1")).raw(), kMax);
    EXPECT_EQ((Currency::min() * c("1")).raw(), kMin);
    EXPECT_EQ((Currency::min() * c("0.5")).raw(), kMin / 2);
    EXPECT_THROW(Currency::min() * c("-1"), CurrencyOverflow);
    EXPECT_THROW(Currency::max() * c("1.0001"), CurrencyOverflow);
    EXPECT_THROW(c("1000000000") * c("1000000000"), CurrencyOverflow);
}

TEST(CurrencyArithmetic, FromUnitsIsChecked)
{
    EXPECT_EQ(Currency::fromUnits(922337203685477).raw(), 9223372036854770000);
    EXPECT_EQ(Currency::fromUnits(-922337203685477).raw(), -9223372036854770000);
    EXPECT_THROW(Currency::fromUnits(922337203685478), CurrencyOverflow);
    EXPECT_THROW(Currency::fromUnits(kMin), CurrencyOverflow);
}

TEST(CurrencyText, FormatsExactlyWithoutTrailingZeros)
{
    EXPECT_EQ(Currency().toString(), "0");
    EXPECT_EQ(Currency::fromRaw(12345000).toString(), "1234.5");
    EXPECT_EQ(Currency::fromRaw(-1).toString(), "-0.0001");
    EXPECT_EQ(Currency::fromRaw(10).toString(), "0.001");
    EXPECT_EQ(Currency::fromRaw(-50000).toString(), "-5");
    EXPECT_EQ(Currency::max().toString(), "922337203685477.5807");
    EXPECT_EQ(Currency::min().toString(), "-922337203685477.5808");
}

TEST(CurrencyText, ParseRoundTrips)
{
    for (const char* text : {"0", "1234.5", "-0.0001", "0.001", "-5", "1000000",
                             "922337203685477.5807", "-922337203685477.5808"}) {
        Currency value;
        ASSERT_TRUE(Currency::tryParse(QString::fromLatin1(text), &value)) << text;
        EXPECT_EQ(value.toString(), QString::fromLatin1(text));
    }
}

TEST(CurrencyText, ParseAcceptsSignBlanksAndPartialForms)
{
    EXPECT_EQ(c("+12.5").raw(), 125000);
    EXPECT_EQ(c("  7 ").raw(), 70000);
    EXPECT_EQ(c("007.0100").raw(), 70100);
    EXPECT_EQ(c("-0").raw(), 0);
    EXPECT_EQ(c(".5").raw(), 5000);
    EXPECT_EQ(c("5.").raw(), 50000);
}

TEST(CurrencyText, ParseRefusesAnythingElseAndLeavesTheTargetAlone)
{
    for (const char* text : {"", "   ", "-", "+", ".", "1.23456", "0.00001", "1e5", "1E5",
                             "1,234", "1 234", "12a", "--1", "+-1", "- 1", "1.2.3", "0x10",
                             "922337203685477.5808", "-922337203685477.5809",
                             "99999999999999999999999999999999", "1,5"}) {
        Currency value = Currency::fromRaw(42);
        EXPECT_FALSE(Currency::tryParse(QString::fromLatin1(text), &value)) << text;
        EXPECT_EQ(value.raw(), 42) << text;
    }
    EXPECT_FALSE(Currency::tryParse(QString::fromUtf8("١٢"), nullptr));  // non-ASCII digits
    EXPECT_THROW(Currency::parse(u"abc"), std::invalid_argument);
}

TEST(CurrencyText, ComparesByValue)
{
    EXPECT_LT(Currency::min(), Currency::max());
    EXPECT_EQ(c("1.50"), c("1.5"));
    EXPECT_GT(c("-0.0001"), c("-0.0002"));
    EXPECT_EQ(c("-1.9999").truncatedUnits(), -1);
    EXPECT_TRUE(Currency::min().hasDecimals());
}
