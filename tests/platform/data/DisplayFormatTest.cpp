#include "platform/data/DisplayFormat.h"

#include "platform/data/Currency.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <limits>

using qx::Currency;
using qx::formatNumber;

namespace {

// The amount pattern of the form pages.
const QString kAmount = QStringLiteral(R"~(,0" ";"(",0")";"--- ")~");

QString fmt(const QString& pattern, const char* value)
{
    return formatNumber(pattern, Currency::parse(QString::fromLatin1(value)));
}

QString fmt(const char* pattern, const char* value)
{
    return formatNumber(QString::fromUtf8(pattern), Currency::parse(QString::fromLatin1(value)));
}

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

}  // namespace

TEST(AmountPattern, PositiveNegativeAndZeroSections)
{
    EXPECT_EQ(fmt(kAmount, "1234567"), "1,234,567 ");
    EXPECT_EQ(fmt(kAmount, "-50"), "(50)");
    EXPECT_EQ(fmt(kAmount, "0"), "--- ");
    EXPECT_EQ(fmt(kAmount, "100"), "100 ");
    EXPECT_EQ(fmt(kAmount, "1000"), "1,000 ");
    EXPECT_EQ(fmt(kAmount, "-1234567890"), "(1,234,567,890)");
}

TEST(AmountPattern, RoundsHalfAwayFromZeroAndTreatsRoundedZeroAsZero)
{
    EXPECT_EQ(fmt(kAmount, "0.4"), "--- ");
    EXPECT_EQ(fmt(kAmount, "-0.4999"), "--- ");
    EXPECT_EQ(fmt(kAmount, "0.5"), "1 ");
    EXPECT_EQ(fmt(kAmount, "-0.5"), "(1)");
    EXPECT_EQ(fmt(kAmount, "999.5"), "1,000 ");
    EXPECT_EQ(fmt(kAmount, "-1234.4999"), "(1,234)");
    EXPECT_EQ(fmt(kAmount, "24.68"), "25 ");
}

TEST(AmountPattern, ExtremesOfCurrencyAndInt64)
{
    EXPECT_EQ(formatNumber(kAmount, Currency::max()), "922,337,203,685,478 ");
    EXPECT_EQ(formatNumber(kAmount, Currency::min()), "(922,337,203,685,478)");
    EXPECT_EQ(formatNumber(kAmount, kMax), "9,223,372,036,854,775,807 ");
    EXPECT_EQ(formatNumber(kAmount, kMin), "(9,223,372,036,854,775,808)");
    EXPECT_EQ(formatNumber(QStringLiteral("0"), kMin), "-9223372036854775808");
    EXPECT_EQ(formatNumber(QStringLiteral(",0.00"), Currency::max()), "922,337,203,685,477.58");
    EXPECT_EQ(formatNumber(QStringLiteral(",0.00"), Currency::min()), "-922,337,203,685,477.58");
    EXPECT_EQ(formatNumber(QStringLiteral("0.00"), kMax), "9223372036854775807.00");
}

TEST(CountPattern, NegativeSectionWithoutSignAndTextZero)
{
    const QString pattern = QStringLiteral(R"~(,0;,0;"---")~");
    EXPECT_EQ(formatNumber(pattern, std::int64_t(1234)), "1,234");
    EXPECT_EQ(formatNumber(pattern, std::int64_t(-1234)), "1,234");
    EXPECT_EQ(formatNumber(pattern, std::int64_t(0)), "---");
    EXPECT_EQ(formatNumber(kAmount, std::int64_t(-7)), "(7)");
}

TEST(PercentPatterns, SingleSectionGetsMinusSign)
{
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "12.5"), "12.50%");
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "-3"), "-3.00%");
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "0"), "0.00%");
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "1234.567"), "1,234.57%");
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "0.005"), "0.01%");
    EXPECT_EQ(fmt(R"~(,0.00"%")~", "-0.004"), "0.00%");  // never "-0.00%"
}

TEST(PercentPatterns, RateTableAndAssetRatesShowZeroAsText)
{
    const char* blankZero = R"~(,0.00"%";,0.00"%";" ")~";
    EXPECT_EQ(fmt(blankZero, "2"), "2.00%");
    EXPECT_EQ(fmt(blankZero, "14.29"), "14.29%");
    EXPECT_EQ(fmt(blankZero, "0"), " ");
    EXPECT_EQ(fmt(blankZero, "0.0049"), " ");
    EXPECT_EQ(fmt(blankZero, "-1.5"), "1.50%");
    const char* dashZero = R"~(,0.00"%";,0.00"%";"-")~";
    EXPECT_EQ(fmt(dashZero, "16.66"), "16.66%");
    EXPECT_EQ(fmt(dashZero, "0"), "-");
    EXPECT_EQ(fmt(dashZero, "-0.001"), "-");
    EXPECT_EQ(fmt(dashZero, "1000"), "1,000.00%");
}

TEST(PlainPatterns, DecimalsAndGrouping)
{
    EXPECT_EQ(fmt(",0.00", "10.5"), "10.50");
    EXPECT_EQ(fmt(",0.00", "0"), "0.00");
    EXPECT_EQ(fmt(",0.00", "-1234567.891"), "-1,234,567.89");
    EXPECT_EQ(fmt(",0.00", "999.995"), "1,000.00");
    // Exact halves that binary floating point would round the wrong way.
    EXPECT_EQ(fmt("0.00", "1.005"), "1.01");
    EXPECT_EQ(fmt("0.00", "-1.005"), "-1.01");
    EXPECT_EQ(fmt("0.00", "10"), "10.00");
    EXPECT_EQ(fmt("0.00", "0.0001"), "0.00");
}

TEST(PlainPatterns, HashShowsZeroAsEmpty)
{
    EXPECT_EQ(fmt("#", "0"), "");
    EXPECT_EQ(fmt("#", "0.4"), "");
    EXPECT_EQ(fmt("#", "-0.4"), "");
    EXPECT_EQ(fmt("#", "0.5"), "1");
    EXPECT_EQ(fmt("#", "50"), "50");
    EXPECT_EQ(fmt("#", "-7"), "-7");
    EXPECT_EQ(formatNumber(QStringLiteral("#"), std::int64_t(12)), "12");
    EXPECT_EQ(formatNumber(QStringLiteral("#"), std::int64_t(0)), "");
}

TEST(PlainPatterns, ZeroPaddedIntegers)
{
    EXPECT_EQ(formatNumber(QStringLiteral("0"), std::int64_t(0)), "0");
    EXPECT_EQ(fmt("0", "1234.5"), "1235");
    EXPECT_EQ(fmt("0", "-1234.5"), "-1235");
    EXPECT_EQ(fmt("0", "-0.4"), "0");
    EXPECT_EQ(formatNumber(QStringLiteral("000"), std::int64_t(7)), "007");
    EXPECT_EQ(formatNumber(QStringLiteral("0000"), std::int64_t(2023)), "2023");
    EXPECT_EQ(formatNumber(QStringLiteral("0000"), std::int64_t(5)), "0005");
    EXPECT_EQ(formatNumber(QStringLiteral("0000"), std::int64_t(12345)), "12345");
    EXPECT_EQ(formatNumber(QStringLiteral("0000"), std::int64_t(-5)), "-0005");

    const QString taxpayer = QStringLiteral("00000000;00000000;#");
    EXPECT_EQ(formatNumber(taxpayer, std::int64_t(123)), "00000123");
    EXPECT_EQ(formatNumber(taxpayer, std::int64_t(99999999)), "99999999");
    EXPECT_EQ(formatNumber(taxpayer, std::int64_t(0)), "");
    EXPECT_EQ(formatNumber(taxpayer, std::int64_t(-5)), "00000005");
}

TEST(PatternSyntax, EmptyPatternsAndEmptySections)
{
    EXPECT_EQ(fmt("", "1234.5"), "1234.5");
    EXPECT_EQ(fmt("", "-0.0001"), "-0.0001");
    EXPECT_EQ(fmt(";;", "-1234.5"), "-1234.5");
    EXPECT_EQ(fmt(";;", "0"), "0");
    EXPECT_EQ(formatNumber(QStringLiteral(";;"), kMin), "-9223372036854775808");
    // An empty negative or zero section falls back on the positive one.
    EXPECT_EQ(fmt("#;;", "-5"), "-5");
    EXPECT_EQ(fmt("#;;", "0"), "");
    EXPECT_EQ(fmt("0.0;;\"nil\"", "-2.25"), "-2.3");
    EXPECT_EQ(fmt("0.0;;\"nil\"", "0.04"), "nil");
    // A value with an empty positive section shows as plain text.
    EXPECT_EQ(fmt(";(0)", "5.5"), "5.5");
    EXPECT_EQ(fmt(";(0)", "-5.5"), "(6)");
}

TEST(PatternSyntax, LiteralsQuotesAndOptionalDecimals)
{
    EXPECT_EQ(fmt(R"~(0" ; "0)~", "5"), "0 ; 5");
    EXPECT_EQ(fmt("0' units'", "5"), "5 units");
    EXPECT_EQ(fmt("0\"open", "5"), "5open");  // an unclosed quote runs to the end
    EXPECT_EQ(fmt("00-00", "1234"), "12-34");
    EXPECT_EQ(fmt("0.##", "1"), "1");
    EXPECT_EQ(fmt("0.##", "1.5"), "1.5");
    EXPECT_EQ(fmt("#.##", "0.25"), ".25");
    EXPECT_EQ(fmt("0.000000", "1.5"), "1.500000");
    EXPECT_EQ(fmt("\"a;b\";\"neg\";\"zero\"", "0"), "zero");
}

TEST(DateText, FormatsWithFixedShortForms)
{
    const QDate date(2023, 1, 5);
    EXPECT_EQ(qx::formatDate(QString(), date), "05/01/2023");
    EXPECT_EQ(qx::formatDate(QStringLiteral("dd/mm/yyyy"), date), "05/01/2023");
    EXPECT_EQ(qx::formatDate(QStringLiteral("d/m/yy"), date), "5/1/23");
    EXPECT_EQ(qx::formatDate(QString(), QDate()), "");

    const QDateTime moment(QDate(2023, 12, 31), QTime(9, 5, 7));
    EXPECT_EQ(qx::formatDateTime(QString(), moment), "31/12/2023 09:05:07");
    EXPECT_EQ(qx::formatDateTime(QStringLiteral("yyyymmdd hh:nn:ss"), moment), "20231231 09:05:07");
    EXPECT_EQ(qx::formatDateTime(QString(), QDateTime()), "");
}

TEST(DateText, ParsesDayMonthAndYearOnly)
{
    EXPECT_EQ(qx::parseDate(QStringLiteral("05/01/2023")), QDate(2023, 1, 5));
    EXPECT_EQ(qx::parseDate(QStringLiteral("5/1/2023")), QDate(2023, 1, 5));
    EXPECT_EQ(qx::parseDate(QStringLiteral(" 29/02/2024 ")), QDate(2024, 2, 29));
    for (const char* bad : {"", "29/02/2023", "31/04/2023", "00/01/2023", "2023-01-05", "05/01/023",
                            "05/01/2023x", "005/01/2023", "05.01.2023", "05/01/20234", "5//2023"})
        EXPECT_FALSE(qx::parseDate(QString::fromLatin1(bad)).isValid()) << bad;
}

TEST(DateText, ParsesDateTimeAndRoundTrips)
{
    const QDateTime moment(QDate(2023, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(qx::parseDateTime(QStringLiteral("31/12/2023 23:59:59")), moment);
    EXPECT_EQ(qx::parseDateTime(qx::formatDateTime(QString(), moment)), moment);
    EXPECT_EQ(qx::parseDateTime(QStringLiteral("31/12/2023")), QDateTime(QDate(2023, 12, 31), QTime(0, 0)));
    EXPECT_EQ(qx::parseDateTime(QStringLiteral("1/2/2023 9:05")), QDateTime(QDate(2023, 2, 1), QTime(9, 5)));
    for (const char* bad : {"31/12/2023 24:00:00", "31/12/2023 09:5:00", "31/12/2023 09:05:60",
                            "31/12/2023T09:05:00", "31/12/2023 09:05:00 x", "31/13/2023 09:05"})
        EXPECT_FALSE(qx::parseDateTime(QString::fromLatin1(bad)).isValid()) << bad;
}
