// Aggregates, the change log and auto-increment numbering across loads and deletions.
#include "ClientDataSetTestSupport.h"

#include <gtest/gtest.h>

using namespace qxtest;
using qx::ClientDataSet;
using qx::Currency;
using qx::DataSetError;
using qx::Value;

namespace {

struct LogFixture : ::testing::Test {
    ClientDataSet ds{QStringLiteral("cdsList")};

    void SetUp() override
    {
        ds.setFieldDefs(listFields());
        ds.setAggregatesActive(true);
        ds.loadRows({{std::int32_t(1), QStringLiteral("A"), money("10"), money("1")},
                     {std::int32_t(2), QStringLiteral("B"), money("20"), money("2")},
                     {std::int32_t(3), QStringLiteral("C"), money("30"), money("3")}});
    }
    Value total(const char* name) { return ds.fieldByName(QString::fromLatin1(name)).value(); }
};

}  // namespace

TEST_F(LogFixture, AggregatesFollowPostDeleteAndUndo)
{
    EXPECT_EQ(total("COL1_TTL"), Value(money("60")));
    EXPECT_EQ(total("col3_ttl"), Value(money("54")));

    addRow(ds, "D", "0.5", "-1");
    EXPECT_EQ(total("COL1_TTL"), Value(money("60.5")));
    EXPECT_EQ(total("COL3_TTL"), Value(money("55.5")));

    ds.first();
    ds.deleteRecord();
    EXPECT_EQ(total("COL1_TTL"), Value(money("50.5")));

    ds.cancelUpdates();
    EXPECT_EQ(total("COL1_TTL"), Value(money("60")));
}

TEST_F(LogFixture, AggregateNullsCountZeroAndAnEmptyListIsNull)
{
    ds.first();
    ds.edit();
    ds.fieldByName(u"Col1_Mop").clear();
    ds.post();
    EXPECT_EQ(total("COL1_TTL"), Value(money("50")));

    ds.emptyDataSet();
    EXPECT_TRUE(ds.fieldByName(u"COL1_TTL").isNull());
    EXPECT_EQ(ds.fieldByName(u"COL1_TTL").asCurrency(), Currency());
}

TEST_F(LogFixture, AggregatesReadNullWhileInactive)
{
    ds.setAggregatesActive(false);
    EXPECT_TRUE(ds.fieldByName(u"COL1_TTL").isNull());
    ds.setAggregatesActive(true);
    EXPECT_FALSE(ds.fieldByName(u"COL1_TTL").isNull());
    EXPECT_THROW(ds.fieldByName(u"COL1_TTL").setAsCurrency(money("1")), DataSetError);
}

TEST_F(LogFixture, AggregateBeyondTheCurrencyRangeIsNullAndFlagged)
{
    addRow(ds, "MAX", "0");
    ds.edit();
    ds.fieldByName(u"Col1_Mop").setAsCurrency(Currency::max());
    ds.post();
    const int ttl = ds.fieldByName(u"COL1_TTL").index();
    EXPECT_TRUE(ds.fieldByName(u"COL1_TTL").isNull());
    EXPECT_TRUE(ds.aggregateOverflow(ttl));

    ds.deleteRecord();  // back in range
    EXPECT_FALSE(ds.aggregateOverflow(ttl));
    EXPECT_EQ(total("COL1_TTL"), Value(money("60")));
}

TEST_F(LogFixture, BadAggregateExpressionsAreRefusedWithTheFieldName)
{
    ClientDataSet bad;
    auto fields = listFields();
    fields.push_back(aggregate("X_TTL", "sum(Col1_Mop * 2)"));
    EXPECT_THROW(bad.setFieldDefs(fields), DataSetError);
    fields.back() = aggregate("X_TTL", "sum(Nope)");
    EXPECT_THROW(bad.setFieldDefs(fields), DataSetError);
    fields.back() = aggregate("X_TTL", "avg(Col1_Mop)");
    EXPECT_THROW(bad.setFieldDefs(fields), DataSetError);
    fields.back() = aggregate("X_TTL", "sum(Col1_Mop-Col2_Mop - Col1_Mop-Col2_Mop+Col1_Mop)");
    EXPECT_NO_THROW(bad.setFieldDefs(fields));
}

TEST_F(LogFixture, APostThatChangesNothingIsNotLogged)
{
    EXPECT_EQ(ds.changeCount(), 0);
    ds.first();
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("A"));
    ds.post();
    EXPECT_EQ(ds.changeCount(), 0);

    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("A1"));
    ds.post();
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("A2"));
    ds.post();
    EXPECT_EQ(ds.changeCount(), 1);  // one modified row
}

TEST_F(LogFixture, CountsInsertsModificationsAndDeletions)
{
    addRow(ds, "D", "1");
    EXPECT_EQ(ds.changeCount(), 1);
    ds.deleteRecord();  // an insert undone by its delete leaves nothing
    EXPECT_EQ(ds.changeCount(), 0);

    ds.first();
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("A1"));
    ds.post();
    ds.deleteRecord();  // modified then deleted: one deletion
    EXPECT_EQ(ds.changeCount(), 1);
    ds.deleteRecord();
    EXPECT_EQ(ds.changeCount(), 2);

    ds.mergeChangeLog();
    EXPECT_EQ(ds.changeCount(), 0);
    EXPECT_EQ(codes(ds), QStringList({"C"}));
}

TEST_F(LogFixture, CancelUpdatesRestoresValuesRowsAndOrder)
{
    ds.setRecNo(2);
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("B1"));
    ds.post();
    ds.first();
    ds.deleteRecord();
    ds.insert();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("N"));
    ds.post();
    addRow(ds, "E", "5");
    EXPECT_EQ(codes(ds), QStringList({"N", "B1", "C", "E"}));

    ds.cancelUpdates();
    EXPECT_EQ(codes(ds), QStringList({"A", "B", "C"}));
    EXPECT_EQ(ds.changeCount(), 0);
    EXPECT_EQ(ds.dataRows()[1][2], Value(money("20")));
}

TEST_F(LogFixture, CancelUpdatesGoesBackOnlyToTheLastMerge)
{
    addRow(ds, "D", "1");
    ds.mergeChangeLog();
    ds.first();
    ds.deleteRecord();
    ds.cancelUpdates();
    EXPECT_EQ(codes(ds), QStringList({"A", "B", "C", "D"}));
}

TEST_F(LogFixture, CancelUpdatesAlsoDropsAPendingEdit)
{
    ds.first();
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("Z"));
    ds.cancelUpdates();
    EXPECT_EQ(ds.state(), qx::DataSetState::Browse);
    EXPECT_EQ(ds.fieldByName(u"Codigo").asString(), "A");
}

TEST_F(LogFixture, AutoIncrementContinuesAboveTheLoadedRowsAndIsNeverReused)
{
    ds.append();
    EXPECT_TRUE(ds.fieldByName(u"Rec_AID").isNull());  // assigned at post, not at insert
    ds.fieldByName(u"Rec_AID").setAsInteger(0);        // a zeroed key still gets its number
    ds.post();
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 4);
    ds.deleteRecord();
    addRow(ds, "E", "1");
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 5);

    ds.loadRows({{std::int32_t(40), QStringLiteral("X"), Value(), Value()}});
    addRow(ds, "Y", "1");
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 41);

    // A row posted with a number of its own: the next row follows it.
    ds.append();
    ds.fieldByName(u"Rec_AID").setAsInteger(77);
    ds.post();
    addRow(ds, "Z", "1");
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 78);

    // A row at the largest number does not stop later rows: they take the free numbers below the
    // run at the top, in order, each once.
    ds.loadRows({{std::int32_t(5), QStringLiteral("A"), Value(), Value()},
                 {std::int32_t(2147483646), QStringLiteral("B"), Value(), Value()},
                 {std::int32_t(2147483647), QStringLiteral("C"), Value(), Value()}});
    addRow(ds, "D", "1");
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 6);
    addRow(ds, "E", "1");
    EXPECT_EQ(ds.fieldByName(u"Rec_AID").asInteger(), 7);
}

TEST_F(LogFixture, AFailingLoadLeavesTheDataSetAsItWas)
{
    ds.first();
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("Z"));
    ds.post();
    const auto before = ds.dataRows();

    EXPECT_THROW(ds.loadRows({{std::int32_t(1), QStringLiteral("TOOLONG"), Value(), Value()}}), DataSetError);
    EXPECT_THROW(ds.loadRows({{std::int32_t(1), QStringLiteral("A")}}), DataSetError);
    EXPECT_THROW(ds.loadRows({{QStringLiteral("x"), QStringLiteral("A"), Value(), Value()}}), DataSetError);
    EXPECT_EQ(ds.dataRows(), before);
    EXPECT_EQ(ds.changeCount(), 1);
    EXPECT_EQ(ds.recNo(), 1);
}

TEST_F(LogFixture, LoadOpensOnTheFirstRowWithAnEmptyLog)
{
    ClientDataSet fresh;
    fresh.setFieldDefs(listFields());
    int opened = 0;
    fresh.afterOpen = [&](ClientDataSet&) { ++opened; };
    fresh.loadRows(ds.dataRows());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(fresh.recNo(), 1);
    EXPECT_TRUE(fresh.bof());
    EXPECT_EQ(fresh.changeCount(), 0);
    fresh.loadRows({});
    EXPECT_EQ(opened, 1);  // already open
    EXPECT_TRUE(fresh.isEmpty());
}
