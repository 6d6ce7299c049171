#include "core/util/RoundHalfUp.h"

#include <gtest/gtest.h>

namespace {

qx::Currency C(const char* text) { return qx::Currency::parse(QString::fromLatin1(text)); }

}  // namespace

TEST(RoundHalfUp, HalvesGoUpDecidedByTheFirstDroppedDigit)
{
    EXPECT_EQ(RoundHalfUp(0, C("2.50")), C("3"));
    EXPECT_EQ(RoundHalfUp(0, C("3.50")), C("4"));
    EXPECT_EQ(RoundHalfUp(0, C("2.4999")), C("2"));
    EXPECT_EQ(RoundHalfUp(0, C("2.49")), C("2"));
    EXPECT_EQ(RoundHalfUp(0, C("0.5")), C("1"));
    EXPECT_EQ(RoundHalfUp(0, C("0")), C("0"));
    EXPECT_EQ(RoundHalfUp(0, C("7")), C("7"));
    EXPECT_EQ(RoundHalfUp(2, C("1.005")), C("1.01"));
    EXPECT_EQ(RoundHalfUp(2, C("1.0049")), C("1"));
    EXPECT_EQ(RoundHalfUp(1, C("0.05")), C("0.1"));
    EXPECT_EQ(RoundHalfUp(3, C("0.0005")), C("0.001"));
    EXPECT_EQ(RoundHalfUp(3, C("0.0004")), C("0"));
}

TEST(RoundHalfUp, NegativeHalvesGoAwayFromZero)
{
    EXPECT_EQ(RoundHalfUp(0, C("-2.51")), C("-3"));
    EXPECT_EQ(RoundHalfUp(0, C("-2.5")), C("-3"));
    EXPECT_EQ(RoundHalfUp(0, C("-3.5")), C("-4"));
    EXPECT_EQ(RoundHalfUp(0, C("-2.4999")), C("-2"));
    EXPECT_EQ(RoundHalfUp(0, C("-0.5")), C("-1"));
    EXPECT_EQ(RoundHalfUp(0, C("-0.4")), C("0"));
    EXPECT_EQ(RoundHalfUp(2, C("-1.005")), C("-1.01"));
    EXPECT_EQ(RoundHalfUp(3, C("-0.0005")), C("-0.001"));
}

TEST(RoundHalfUp, FourOrMoreDecimalsKeepTheValue)
{
    EXPECT_EQ(RoundHalfUp(4, C("-1.2345")), C("-1.2345"));
    EXPECT_EQ(RoundHalfUp(255, C("1.2345")), C("1.2345"));
}

TEST(RoundHalfUp, RangeEnds)
{
    // Rounding down at the ends stays in range; rounding up past them is an overflow.
    EXPECT_EQ(RoundHalfUp(0, C("922337203685477.4")), C("922337203685477"));
    EXPECT_EQ(RoundHalfUp(0, C("-922337203685477.4")), C("-922337203685477"));
    EXPECT_EQ(RoundHalfUp(3, C("922337203685477.5804")), C("922337203685477.58"));
    EXPECT_THROW(RoundHalfUp(0, qx::Currency::max()), qx::CurrencyOverflow);
    EXPECT_THROW(RoundHalfUp(0, qx::Currency::min()), qx::CurrencyOverflow);
    EXPECT_THROW(RoundHalfUp(3, qx::Currency::max()), qx::CurrencyOverflow);
    EXPECT_EQ(RoundHalfUp(4, qx::Currency::max()), qx::Currency::max());
}
