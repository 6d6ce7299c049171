// Helpers of the checks: exact sums for comparing totals and texts cut to their field.
#include "platform/data/ExactSum.h"
#include "core/check/StoredText.h"

#include <gtest/gtest.h>

namespace {

using qx::Currency;

TEST(ExactSum, ComparesTotalsBeyondTheCurrencyRange)
{
    const Currency max = Currency::max();
    const Currency min = Currency::min();
    // (3)+(4) > (1)+(2) where either sum alone would overflow.
    EXPECT_GT((qx::ExactSum{max, max}), (qx::ExactSum{max, Currency::fromRaw(1)}));
    EXPECT_LT((qx::ExactSum{min, min}), qx::ExactSum(min));
    EXPECT_EQ((qx::ExactSum{max, max} - qx::ExactSum{max}), qx::ExactSum(max));
    EXPECT_EQ((qx::ExactSum{max, min}), qx::ExactSum(Currency::fromRaw(-1)));
    // (5)+(6) > (1)+(2) - ((3)+(4)).
    EXPECT_GT(qx::ExactSum{Currency::fromUnits(1)}, (qx::ExactSum{max, max} - qx::ExactSum{max, max}));
    EXPECT_TRUE((qx::ExactSum{max, min, Currency::fromRaw(1)}).isZero());
    EXPECT_TRUE((qx::ExactSum{min, min}).isNegative());
    EXPECT_EQ(qx::ExactSum(Currency::fromUnits(5)), Currency::fromUnits(5));
    // Back to an amount only when the result fits, whatever the partial sums were.
    EXPECT_EQ((qx::ExactSum{max, max} - qx::ExactSum{max}).toCurrency(), max);
    EXPECT_THROW((qx::ExactSum{max, Currency::fromRaw(1)}).toCurrency(), qx::CurrencyOverflow);
    EXPECT_THROW((qx::ExactSum{min} - qx::ExactSum{Currency::fromRaw(1)}).toCurrency(), qx::CurrencyOverflow);
}

TEST(CutToFieldSize, KeepsTheLongestStartThatFits)
{
    EXPECT_EQ(CutToFieldSize(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
    EXPECT_EQ(CutToFieldSize(QStringLiteral("abc"), 4), QStringLiteral("abc"));
    EXPECT_EQ(CutToFieldSize(QStringLiteral("錯誤abc"), 5), QStringLiteral("錯誤a"));
    EXPECT_EQ(CutToFieldSize(QStringLiteral("錯誤abc"), 3), QStringLiteral("錯"));
    EXPECT_EQ(CutToFieldSize(QStringLiteral("anything"), 0), QStringLiteral("anything"));
    // A character outside the basic plane is never split.
    const QString wide = QStringLiteral("a") + QString::fromUcs4(U"\U00020000");
    EXPECT_EQ(CutToFieldSize(wide, 2), QStringLiteral("a"));
    EXPECT_EQ(CutToFieldSize(wide, 3), wide);
}

}  // namespace
