// Field lookup by name, typed reading and writing, the checks at assignment and display text.
#include "ClientDataSetTestSupport.h"
#include "platform/data/DisplayFormat.h"

#include <gtest/gtest.h>

using namespace qxtest;
using qx::ClientDataSet;
using qx::Currency;
using qx::CurrencyOverflow;
using qx::DataSetError;
using qx::FieldKind;
using qx::FieldType;
using qx::Value;

namespace {

struct FieldFixture : ::testing::Test {
    ClientDataSet ds{QStringLiteral("cdsPage")};

    void SetUp() override
    {
        qx::FieldDef amount = def("1_R1_Col1_Mop", FieldType::Currency);
        amount.displayFormat = QStringLiteral(R"p(,0" ";"(",0")";"--- ")p");
        amount.editFormat = QStringLiteral("0");
        qx::FieldDef nif = def("No_Contribuinte", FieldType::Integer);
        nif.maxValue = 99999999;
        nif.minValue = 0;
        qx::FieldDef check = def("Check_X", FieldType::Boolean);
        check.displayValues = QStringLiteral("X;");
        ds.setFieldDefs({amount, nif, check, def("Nome", FieldType::String, FieldKind::Data, 4),
                         def("overflow_fields", FieldType::String, FieldKind::Calculated, 10),
                         def("Data", FieldType::Date), def("Update_Time", FieldType::DateTime),
                         def("Big", FieldType::LargeInt), def("Count", FieldType::Integer)});
        ds.createDataSet();
        ds.append();
    }
    qx::Field& f(const char* name) { return ds.fieldByName(QString::fromLatin1(name)); }
};

}  // namespace

TEST_F(FieldFixture, NamesIgnoreCaseAndMayStartWithADigit)
{
    EXPECT_EQ(&f("1_r1_col1_mop"), &f("1_R1_Col1_Mop"));
    EXPECT_EQ(ds.findField(u"OVERFLOW_FIELDS")->index(), 4);
    EXPECT_EQ(ds.findField(u"Nope"), nullptr);
    try {
        f("Nope");
        FAIL();
    } catch (const DataSetError& e) {
        EXPECT_STREQ(e.what(), "cdsPage: Field 'Nope' not found");
    }
    ClientDataSet dup;
    EXPECT_THROW(dup.setFieldDefs({def("Col1", FieldType::Integer), def("COL1", FieldType::Integer)}), DataSetError);
}

TEST_F(FieldFixture, TextWidthCountsBig5Bytes)
{
    f("Nome").setAsString(QStringLiteral("ABCD"));
    f("Nome").setAsString(QStringLiteral("中文"));
    EXPECT_THROW(f("Nome").setAsString(QStringLiteral("ABCDE")), DataSetError);
    EXPECT_THROW(f("Nome").setAsString(QStringLiteral("中文A")), DataSetError);
    EXPECT_EQ(f("Nome").asString(), "中文");  // a refused value changes nothing
    f("Nome").setAsString(QString());
    EXPECT_TRUE(f("Nome").isNull());
}

TEST_F(FieldFixture, CalculatedTextIsNotCutToItsWidth)
{
    const QString list = QStringLiteral("/r21_mop//r32_mop//r36_mop/");
    ds.onCalcFields = [&](ClientDataSet& d) { d.fieldByName(u"overflow_fields").setAsString(list); };
    ds.refresh();
    EXPECT_EQ(f("overflow_fields").asString(), list);
}

TEST_F(FieldFixture, IntegersAreCheckedAgainstTheirBounds)
{
    f("No_Contribuinte").setAsInteger(99999999);
    EXPECT_THROW(f("No_Contribuinte").setAsInteger(100000000), DataSetError);
    EXPECT_THROW(f("No_Contribuinte").setAsInteger(-1), DataSetError);
    EXPECT_EQ(f("No_Contribuinte").asInteger(), 99999999);
    EXPECT_THROW(f("Count").setAsLargeInt(std::int64_t(1) << 31), DataSetError);
    EXPECT_THROW(f("Count").setAsString(QStringLiteral("12x")), DataSetError);
    f("Count").setAsString(QStringLiteral(" -12 "));
    EXPECT_EQ(f("Count").asInteger(), -12);
    f("Count").setAsCurrency(money("2.5"));
    EXPECT_EQ(f("Count").asInteger(), 3);  // half away from zero
    f("Count").setAsCurrency(money("-2.5"));
    EXPECT_EQ(f("Count").asInteger(), -3);
    f("Big").setAsString(QStringLiteral("9223372036854775807"));
    EXPECT_EQ(f("Big").asLargeInt(), INT64_MAX);
    EXPECT_THROW(f("Big").asInteger(), DataSetError);
}

TEST_F(FieldFixture, CurrencyIsExactAndOverflowIsRaised)
{
    f("1_R1_Col1_Mop").setAsString(QStringLiteral("1234.5678"));
    EXPECT_EQ(f("1_R1_Col1_Mop").asCurrency(), money("1234.5678"));
    EXPECT_EQ(f("1_R1_Col1_Mop").asInteger(), 1234);  // truncated toward zero
    EXPECT_THROW(f("1_R1_Col1_Mop").setAsString(QStringLiteral("1.23456")), DataSetError);
    EXPECT_THROW(f("1_R1_Col1_Mop").setAsString(QStringLiteral("1,000")), DataSetError);
    EXPECT_THROW(f("1_R1_Col1_Mop").setAsLargeInt(INT64_MAX), CurrencyOverflow);
    f("1_R1_Col1_Mop").setAsInteger(7);
    EXPECT_EQ(f("1_R1_Col1_Mop").value(), Value(money("7")));
    f("Count").setAsInteger(5);
    EXPECT_EQ(f("Count").asCurrency(), money("5"));
}

TEST_F(FieldFixture, TextReadsAsAnAmountOnlyWhenItHoldsOne)
{
    f("Nome").setAsString(QStringLiteral("-1.5"));
    EXPECT_EQ(f("Nome").asCurrency(), money("-1.5"));
    f("Nome").setAsString(QStringLiteral("1,5"));
    EXPECT_THROW(f("Nome").asCurrency(), DataSetError);
    EXPECT_THROW(f("Nome").asDate(), DataSetError);
}

TEST_F(FieldFixture, NullReadsAsTheEmptyValueOfEachType)
{
    EXPECT_EQ(f("Nome").asString(), "");
    EXPECT_EQ(f("Count").asInteger(), 0);
    EXPECT_EQ(f("1_R1_Col1_Mop").asCurrency(), Currency());
    EXPECT_FALSE(f("Check_X").asBoolean());
    EXPECT_FALSE(f("Data").asDate().isValid());
    EXPECT_EQ(f("1_R1_Col1_Mop").displayText(), "");
}

TEST_F(FieldFixture, DisplayAndEditTextFollowThePatterns)
{
    f("1_R1_Col1_Mop").setAsString(QStringLiteral("1234567.5"));
    EXPECT_EQ(f("1_R1_Col1_Mop").displayText(), "1,234,568 ");
    EXPECT_EQ(f("1_R1_Col1_Mop").text(), "1234568");
    EXPECT_EQ(f("1_R1_Col1_Mop").asString(), "1234567.5");
    f("1_R1_Col1_Mop").setAsInteger(-50);
    EXPECT_EQ(f("1_R1_Col1_Mop").displayText(), "(50)");
    f("1_R1_Col1_Mop").setAsInteger(0);
    EXPECT_EQ(f("1_R1_Col1_Mop").displayText(), "--- ");

    f("Check_X").setAsBoolean(true);
    EXPECT_EQ(f("Check_X").displayText(), "X");
    EXPECT_EQ(f("Check_X").asString(), "True");
    f("Check_X").setAsString(QStringLiteral("false"));
    EXPECT_EQ(f("Check_X").displayText(), "");
    f("Check_X").setAsString(QStringLiteral("X"));
    EXPECT_TRUE(f("Check_X").asBoolean());
}

TEST_F(FieldFixture, GetTextHandlerReplacesBothTexts)
{
    std::vector<bool> asked;
    f("1_R1_Col1_Mop").onGetText = [&](qx::Field&, QString& text, bool display) {
        asked.push_back(display);
        text = QStringLiteral("**********");
    };
    EXPECT_EQ(f("1_R1_Col1_Mop").displayText(), "**********");
    EXPECT_EQ(f("1_R1_Col1_Mop").text(), "**********");
    EXPECT_EQ(asked, std::vector<bool>({true, false}));
}

TEST_F(FieldFixture, TypedNumbersTakeBlanksAndAPlusSignAlikeForEveryNumericType)
{
    for (const char* name : {"Count", "Big", "No_Contribuinte", "1_R1_Col1_Mop"}) {
        SCOPED_TRACE(name);
        for (const char* text : {"2025", " 2025 ", "+2025", "\t+2025 "}) {
            f(name).setAsString(QString::fromLatin1(text));
            EXPECT_EQ(f(name).asString(), QStringLiteral("2025")) << text;
        }
        for (const char* text : {"+ 2025", "20 25", "+-2025", "2025+", "+", "0x10"})
            EXPECT_ANY_THROW(f(name).setAsString(QString::fromLatin1(text))) << text;
    }
}

TEST_F(FieldFixture, TypedTextRefusesCharactersAFileCannotHold)
{
    f("Nome").setAsString(QStringLiteral("\tb\r\n"));
    for (const QString& text : {QStringLiteral("a\x01"), QString(QChar(0)), QStringLiteral("\x1b"), QString(QChar(0xFFFF))})
        EXPECT_THROW(f("Nome").setAsString(text), DataSetError);
    EXPECT_EQ(f("Nome").asString(), QStringLiteral("\tb\r\n"));
}

TEST_F(FieldFixture, TwoDigitYearsAreTheNearestYearEndingInThem)
{
    qx::setTodayForTwoDigitYears([] { return QDate(2026, 12, 7); });
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"1/2/25", QDate(2025, 2, 1)},   {"01/02/76", QDate(1976, 2, 1)}, {"1/2/75", QDate(2075, 2, 1)},
        {"31/12/00", QDate(2000, 12, 31)}, {"9/9/99", QDate(1999, 9, 9)}, {" 5/6/2024 ", QDate(2024, 6, 5)},
    };
    for (const auto& c : cases) {
        f("Data").setAsString(QString::fromLatin1(c.text));
        EXPECT_EQ(f("Data").asDate(), c.date) << c.text;
    }
    qx::setTodayForTwoDigitYears([] { return QDate(2080, 1, 1); });
    f("Data").setAsString(QStringLiteral("1/2/30"));
    EXPECT_EQ(f("Data").asDate(), QDate(2030, 2, 1));  // 50 years before
    f("Data").setAsString(QStringLiteral("1/2/29"));
    EXPECT_EQ(f("Data").asDate(), QDate(2129, 2, 1));  // 49 after
    qx::setTodayForTwoDigitYears(nullptr);
    for (const char* text : {"1/2/5", "1/2/025", "29/2/25", "1/2/20245"})
        EXPECT_THROW(f("Data").setAsString(QString::fromLatin1(text)), DataSetError) << text;
}

TEST_F(FieldFixture, DatesParseAndShowAsDayMonthYear)
{
    f("Data").setAsString(QStringLiteral("1/2/2024"));
    EXPECT_EQ(f("Data").asDate(), QDate(2024, 2, 1));
    EXPECT_EQ(f("Data").displayText(), "01/02/2024");
    EXPECT_THROW(f("Data").setAsString(QStringLiteral("31/02/2024")), DataSetError);
    f("Data").setAsDate(QDate());
    EXPECT_TRUE(f("Data").isNull());
    const QDateTime at(QDate(2024, 3, 9), QTime(8, 5, 7));
    f("Update_Time").setAsDateTime(at);
    EXPECT_EQ(f("Update_Time").asString(), "09/03/2024 08:05:07");
    EXPECT_EQ(f("Update_Time").asDate(), QDate(2024, 3, 9));
}

// A field holds only the dates a file can write, years 1 to 9999, however the date comes; a
// refused date leaves the value as it was.
TEST_F(FieldFixture, DatesBeforeYearOneOrAfter9999AreRefused)
{
    f("Data").setAsDate(QDate(2024, 2, 1));
    f("Update_Time").setAsDateTime(QDateTime(QDate(2024, 2, 1), QTime(9, 0)));
    for (const QDate& d : {QDate(-44, 12, 14), QDate(-1, 1, 1), QDate(10000, 1, 1)}) {
        EXPECT_THROW(f("Data").setAsDate(d), qx::FieldValueError) << d.year();
        EXPECT_THROW(f("Data").setValue(Value(QDateTime(d, QTime(0, 0)))), qx::FieldValueError) << d.year();
        EXPECT_THROW(f("Update_Time").setAsDateTime(QDateTime(d, QTime(0, 0))), qx::FieldValueError) << d.year();
        EXPECT_THROW(f("Update_Time").setAsDate(d), qx::FieldValueError) << d.year();
    }
    EXPECT_EQ(f("Data").asDate(), QDate(2024, 2, 1));
    EXPECT_EQ(f("Update_Time").asDate(), QDate(2024, 2, 1));
    for (const QDate& d : {QDate(1, 1, 1), QDate(9999, 12, 31)}) {
        f("Data").setAsDate(d);
        EXPECT_EQ(f("Data").asDate(), d);
    }
}
