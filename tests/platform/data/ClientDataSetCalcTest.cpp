// When calculated fields are computed, what a calculation sees, and that reading never computes.
#include "ClientDataSetTestSupport.h"

#include <gtest/gtest.h>

using namespace qxtest;
using qx::ClientDataSet;
using qx::Currency;
using qx::DataSetError;
using qx::DataSetState;

namespace {

struct CalcFixture : ::testing::Test {
    ClientDataSet ds{QStringLiteral("cdsList")};
    int calcs = 0;
    std::vector<int> recNos;

    void SetUp() override
    {
        ds.setFieldDefs(listFields());
        ds.onCalcFields = [this](ClientDataSet& d) {
            ++calcs;
            recNos.push_back(d.recNo());
            d.fieldByName(u"col3_mop").setAsCurrency(d.fieldByName(u"Col1_Mop").asCurrency() -
                                                     d.fieldByName(u"Col2_Mop").asCurrency());
            if (d.recNo() >= 1)
                d.fieldByName(u"pag_num").setAsInteger((d.recNo() - 1) / 2 + 1);
        };
        ds.createDataSet();
        addRow(ds, "A", "10", "1");
        addRow(ds, "B", "20", "2");
        addRow(ds, "C", "30", "3");
        ds.first();
        calcs = 0;
        recNos.clear();
    }
    Currency col3() { return ds.fieldByName(u"col3_mop").asCurrency(); }
};

}  // namespace

TEST_F(CalcFixture, ComputedWhenARowBecomesCurrentNeverOnRead)
{
    EXPECT_EQ(col3(), money("9"));
    EXPECT_EQ(col3(), money("9"));
    EXPECT_EQ(ds.fieldByName(u"PAG_NUM").asInteger(), 1);
    EXPECT_EQ(calcs, 0);

    ds.next();
    EXPECT_EQ(calcs, 1);
    EXPECT_EQ(col3(), money("18"));
    ds.setRecNo(3);
    EXPECT_EQ(ds.fieldByName(u"pag_num").asInteger(), 2);
    ASSERT_TRUE(ds.locate(QStringLiteral("Codigo"), {QStringLiteral("A")}));
    EXPECT_EQ(col3(), money("9"));
    EXPECT_EQ(recNos, std::vector<int>({2, 3, 1}));
}

TEST_F(CalcFixture, LastOnTheLastRowRecomputesButNextAtTheEndDoesNot)
{
    ds.last();
    ds.last();
    EXPECT_EQ(calcs, 2);
    ds.next();
    ds.next();
    EXPECT_EQ(calcs, 2);
}

TEST_F(CalcFixture, EditingRecomputesAfterEveryFieldChange)
{
    ds.edit();
    EXPECT_EQ(calcs, 1);
    ds.fieldByName(u"Col2_Mop").setAsCurrency(money("4"));
    EXPECT_EQ(col3(), money("6"));
    EXPECT_EQ(calcs, 2);
    ds.cancel();
    EXPECT_EQ(col3(), money("9"));
}

TEST_F(CalcFixture, CancelRecomputesFromTheRowAsItNowIs)
{
    // Another cursor changes the row while it is edited here: the cancel shows that change.
    ds.edit();
    ds.fieldByName(u"Col1_Mop").setAsString(QStringLiteral("50"));
    const auto other = ds.cloneCursor();
    other->open();
    other->edit();
    other->fieldByName(u"Col1_Mop").setAsString(QStringLiteral("70"));
    other->post();
    ds.cancel();
    EXPECT_EQ(ds.fieldByName(u"Col1_Mop").asCurrency(), money("70"));
    EXPECT_EQ(col3(), money("69"));
}

TEST_F(CalcFixture, InsertBufferCalculatesWithRecNoMinusOne)
{
    ds.append();
    ds.fieldByName(u"Col1_Mop").setAsCurrency(money("5"));
    EXPECT_EQ(col3(), money("5"));
    EXPECT_EQ(recNos.back(), -1);
    EXPECT_TRUE(ds.fieldByName(u"pag_num").isNull());  // cleared before every calculation
    ds.post();
    EXPECT_EQ(ds.recNo(), 4);
    EXPECT_EQ(recNos.back(), 4);
    EXPECT_EQ(ds.fieldByName(u"pag_num").asInteger(), 2);
}

TEST_F(CalcFixture, PostAndDeleteRecomputeTheRowThatIsThenCurrent)
{
    ds.next();
    ds.deleteRecord();
    EXPECT_EQ(col3(), money("27"));
    EXPECT_EQ(recNos.back(), 2);
}

TEST_F(CalcFixture, RowValueComputesAnotherRowWithoutMovingOrDisturbingTheCache)
{
    EXPECT_EQ(ds.rowValue(3, ds.fieldByName(u"col3_mop").index()), qx::Value(money("27")));
    EXPECT_EQ(recNos, std::vector<int>({3}));
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(col3(), money("9"));
    EXPECT_EQ(ds.rowValue(1, ds.fieldByName(u"col3_mop").index()), qx::Value(money("9")));
    EXPECT_EQ(calcs, 1);  // the current row's cached value
}

TEST_F(CalcFixture, RefreshRecomputes)
{
    ds.refresh();
    EXPECT_EQ(calcs, 1);
}

TEST_F(CalcFixture, CalculationMayOnlyWriteCalculatedFields)
{
    ds.onCalcFields = [](ClientDataSet& d) { d.fieldByName(u"Codigo").setAsString(QStringLiteral("X")); };
    EXPECT_THROW(ds.next(), DataSetError);
    EXPECT_FALSE(ds.calculating());
}

TEST_F(CalcFixture, ReadingAnotherDataSetDuringCalculationSeesItsCachedValues)
{
    // Two datasets whose calculations read each other's calculated fields: no recursion.
    ClientDataSet other(QStringLiteral("cdsOther"));
    other.setFieldDefs(listFields());
    int otherCalcs = 0;
    other.onCalcFields = [&](ClientDataSet& d) {
        ++otherCalcs;
        d.fieldByName(u"col3_mop").setValue(ds.fieldByName(u"col3_mop").value());
    };
    other.createDataSet();
    addRow(other, "X", "0");
    otherCalcs = 0;
    ds.onCalcFields = [&](ClientDataSet& d) {
        ++calcs;
        d.fieldByName(u"col3_mop").setValue(other.fieldByName(u"col3_mop").value());
    };
    ds.next();
    EXPECT_EQ(col3(), money("9"));  // other's cached copy of our first row
    EXPECT_EQ(otherCalcs, 0);
    EXPECT_EQ(calcs, 1);
}
