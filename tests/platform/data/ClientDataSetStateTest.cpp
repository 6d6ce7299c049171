// The browse/edit/insert cycle, its events and how handlers can refuse an operation.
#include "ClientDataSetTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace qxtest;
using qx::ClientDataSet;
using qx::DataSetError;
using qx::DataSetState;
using qx::SilentAbort;

namespace {

struct ListFixture : ::testing::Test {
    ClientDataSet ds{QStringLiteral("cdsList")};
    QStringList events;

    void SetUp() override
    {
        ds.setFieldDefs(listFields());
        ds.createDataSet();
        addRow(ds, "A", "10");
        addRow(ds, "B", "20");
        addRow(ds, "C", "30");
        ds.first();
    }
    void record(ClientDataSet::Handler& h, const char* name)
    {
        h = [this, name](ClientDataSet&) { events << QString::fromLatin1(name); };
    }
    void refuse(ClientDataSet::Handler& h) { h = [](ClientDataSet&) { throw SilentAbort(); }; }
    QString code() { return ds.fieldByName(u"Codigo").asString(); }
};

}  // namespace

TEST_F(ListFixture, RefusedPostStaysInEditWithTheBuffer)
{
    refuse(ds.beforePost);
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("Z"));
    EXPECT_THROW(ds.post(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Edit);
    EXPECT_EQ(code(), "Z");
    EXPECT_TRUE(ds.modified());
    EXPECT_EQ(ds.dataRows()[0][1], qx::Value(QStringLiteral("A")));  // nothing stored

    ds.beforePost = {};
    ds.post();
    EXPECT_EQ(ds.dataRows()[0][1], qx::Value(QStringLiteral("Z")));
}

TEST_F(ListFixture, FailingBeforePostPropagatesAndKeepsTheInsert)
{
    ds.beforePost = [](ClientDataSet&) { throw std::runtime_error("check failed"); };
    ds.append();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("D"));
    EXPECT_THROW(ds.post(), std::runtime_error);
    EXPECT_EQ(ds.state(), DataSetState::Insert);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(code(), "D");
}

TEST_F(ListFixture, FailingAfterPostPropagatesOnceTheRowIsStored)
{
    ds.afterPost = [](ClientDataSet&) { throw std::runtime_error("later"); };
    ds.append();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("D"));
    EXPECT_THROW(ds.post(), std::runtime_error);
    EXPECT_EQ(ds.state(), DataSetState::Browse);
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(code(), "D");
}

TEST_F(ListFixture, RefusedCancelKeepsEditing)
{
    refuse(ds.beforeCancel);
    ds.edit();
    ds.fieldByName(u"Col1_Mop").setAsCurrency(money("99"));
    EXPECT_THROW(ds.cancel(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Edit);
    EXPECT_EQ(ds.fieldByName(u"Col1_Mop").asCurrency(), money("99"));
}

TEST_F(ListFixture, RefusedDeleteKeepsTheRow)
{
    refuse(ds.beforeDelete);
    ds.next();
    EXPECT_THROW(ds.deleteRecord(), SilentAbort);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(code(), "B");

    ds.edit();
    EXPECT_THROW(ds.deleteRecord(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Edit);
}

TEST_F(ListFixture, RefusedScrollDoesNotMove)
{
    refuse(ds.beforeScroll);
    EXPECT_THROW(ds.next(), SilentAbort);
    EXPECT_THROW(ds.last(), SilentAbort);
    EXPECT_THROW(ds.append(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Browse);
    EXPECT_EQ(ds.recNo(), 1);
}

TEST_F(ListFixture, RefusedCloseKeepsTheRowsAndThePendingEdit)
{
    refuse(ds.beforeClose);
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("Z"));
    EXPECT_THROW(ds.close(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Edit);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(code(), "Z");
}

TEST_F(ListFixture, FailingNewRecordAbandonsTheInsert)
{
    ds.onNewRecord = [](ClientDataSet&) { throw SilentAbort(); };
    EXPECT_THROW(ds.append(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Browse);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(code(), "A");
}

TEST_F(ListFixture, EventsRunInTheirOrder)
{
    record(ds.beforePost, "beforePost");
    record(ds.afterPost, "afterPost");
    record(ds.onNewRecord, "newRecord");
    record(ds.beforeScroll, "beforeScroll");
    record(ds.afterScroll, "afterScroll");
    record(ds.beforeDelete, "beforeDelete");
    record(ds.afterDelete, "afterDelete");
    record(ds.beforeCancel, "beforeCancel");
    record(ds.afterCancel, "afterCancel");

    ds.append();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("D"));
    ds.post();
    EXPECT_EQ(events, QStringList({"beforeScroll", "newRecord", "afterScroll", "beforePost", "afterPost"}));

    events.clear();
    ds.deleteRecord();
    EXPECT_EQ(events, QStringList({"beforeDelete", "beforeScroll", "afterDelete", "afterScroll"}));

    events.clear();
    ds.edit();
    ds.cancel();
    EXPECT_EQ(events, QStringList({"beforeCancel", "afterCancel"}));
}

TEST_F(ListFixture, MovingPostsAModifiedEditAndDropsAnUntouchedInsert)
{
    record(ds.beforePost, "beforePost");
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("A2"));
    ds.next();
    EXPECT_EQ(events, QStringList({"beforePost"}));
    EXPECT_EQ(ds.rowValue(1, 1), qx::Value(QStringLiteral("A2")));
    EXPECT_EQ(code(), "B");

    events.clear();
    ds.append();  // only the new-record defaults, nothing typed
    ds.first();
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.state(), DataSetState::Browse);
}

TEST_F(ListFixture, RefusedPostStopsTheMove)
{
    refuse(ds.beforePost);
    ds.edit();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("X"));
    EXPECT_THROW(ds.next(), SilentAbort);
    EXPECT_EQ(ds.state(), DataSetState::Edit);
    EXPECT_EQ(ds.recNo(), 1);
}

TEST_F(ListFixture, InsertGoesBeforeTheCurrentRowAndCancelReturnsToIt)
{
    ds.next();  // B
    ds.insert();
    EXPECT_EQ(ds.recNo(), -1);
    ds.cancel();
    EXPECT_EQ(code(), "B");

    ds.insert();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("AB"));
    ds.post();
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_EQ(codes(ds), QStringList({"A", "AB", "B", "C"}));
}

TEST_F(ListFixture, DeleteMakesTheNextRowCurrentAndTheLastStaysLast)
{
    ds.next();
    ds.deleteRecord();
    EXPECT_EQ(code(), "C");
    ds.deleteRecord();
    EXPECT_EQ(code(), "A");
    ds.deleteRecord();
    EXPECT_TRUE(ds.isEmpty());
    EXPECT_TRUE(ds.bof() && ds.eof());
    EXPECT_EQ(ds.recNo(), -1);
    EXPECT_THROW(ds.deleteRecord(), DataSetError);
}

TEST_F(ListFixture, DeleteInInsertStateOnlyCancels)
{
    ds.append();
    ds.fieldByName(u"Codigo").setAsString(QStringLiteral("D"));
    ds.deleteRecord();
    EXPECT_EQ(ds.state(), DataSetState::Browse);
    EXPECT_EQ(ds.recordCount(), 3);
}

TEST_F(ListFixture, WalkingVisitsEveryRowOnce)
{
    EXPECT_EQ(codes(ds), QStringList({"A", "B", "C"}));
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recNo(), 3);
    ds.last();
    QStringList back;
    for (; !ds.bof(); ds.prior())
        back << code();
    EXPECT_EQ(back, QStringList({"C", "B", "A"}));
    ds.setRecNo(2);
    EXPECT_EQ(code(), "B");
    ds.setRecNo(9);  // out of range: stays
    EXPECT_EQ(code(), "B");
    ds.moveBy(-5);
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(code(), "A");
}

TEST(ClientDataSetState, EditOnAnEmptyDataSetInserts)
{
    ClientDataSet ds;
    ds.setFieldDefs(listFields());
    ds.createDataSet();
    int newRecords = 0;
    ds.onNewRecord = [&](ClientDataSet&) { ++newRecords; };
    ds.edit();
    EXPECT_EQ(ds.state(), DataSetState::Insert);
    EXPECT_EQ(newRecords, 1);
    ds.post();
    EXPECT_EQ(ds.recordCount(), 1);
}

TEST(ClientDataSetState, ClosedDataSetRefusesWorkAndWritesNeedEditMode)
{
    ClientDataSet ds(QStringLiteral("cdsX"));
    ds.setFieldDefs(listFields());
    EXPECT_EQ(ds.state(), DataSetState::Inactive);
    EXPECT_THROW(ds.append(), DataSetError);
    EXPECT_THROW(ds.open(), DataSetError);  // no file name
    EXPECT_TRUE(ds.fieldByName(u"codigo").isNull());

    ds.createDataSet();
    addRow(ds, "A", "1");
    try {
        ds.fieldByName(u"Codigo").setAsString(QStringLiteral("B"));
        FAIL() << "browse state accepted a write";
    } catch (const DataSetError& e) {
        EXPECT_STREQ(e.what(), "cdsX: Dataset not in edit or insert mode");
    }
    EXPECT_THROW(ds.fieldByName(u"col3_mop").setAsCurrency(money("1")), DataSetError);

    ds.close();
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_EQ(ds.changeCount(), 0);
    ds.setFieldDefs(listFields());  // a closed dataset may change its fields
    ds.createDataSet();
    EXPECT_THROW(ds.setFieldDefs(listFields()), DataSetError);
}
