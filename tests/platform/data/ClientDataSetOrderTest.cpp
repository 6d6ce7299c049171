// Index order, Locate, cloned cursors with filters, and change notifications to controls.
#include "ClientDataSetTestSupport.h"

#include <gtest/gtest.h>

using namespace qxtest;
using qx::ClientDataSet;
using qx::DataEvent;
using qx::DataSetError;
using qx::FieldType;
using qx::LocateOptions;
using qx::Value;

namespace {

// An alert list: a sequence, the page code, the type and a text.
std::vector<qx::FieldDef> alertFields()
{
    return {def("Alert_Seq", FieldType::Integer), def("Obj_Code", FieldType::Integer),
            def("Alert_Type", FieldType::Integer), def("Msg_Chn", FieldType::String, qx::FieldKind::Data, 20)};
}

struct AlertFixture : ::testing::Test {
    ClientDataSet alerts{QStringLiteral("cdsAlert")};

    void SetUp() override
    {
        alerts.setFieldDefs(alertFields());
        alerts.setIndexFieldNames(QStringLiteral("OBJ_CODE"));
        alerts.createDataSet();
        add(1012, 10, "a");
        add(1011, 20, "b");
        add(1012, 20, "c");
        add(1011, 10, "d");
    }
    void add(int obj, int type, const char* text)
    {
        alerts.append();
        alerts.fieldByName(u"Alert_Seq").setAsInteger(alerts.recordCount() + 1);
        alerts.fieldByName(u"Obj_Code").setAsInteger(obj);
        alerts.fieldByName(u"Alert_Type").setAsInteger(type);
        alerts.fieldByName(u"Msg_Chn").setAsString(QString::fromLatin1(text));
        alerts.post();
    }
};

}  // namespace

TEST_F(AlertFixture, IndexIsStableAndPostingRepositionsTheRow)
{
    EXPECT_EQ(codes(alerts, "Msg_Chn"), QStringList({"b", "d", "a", "c"}));
    ASSERT_TRUE(alerts.locate(QStringLiteral("Msg_Chn"), {QStringLiteral("a")}));
    alerts.edit();
    alerts.fieldByName(u"Obj_Code").setAsInteger(1000);
    alerts.post();
    EXPECT_EQ(alerts.recNo(), 1);  // followed its row to the new place
    EXPECT_EQ(codes(alerts, "Msg_Chn"), QStringList({"a", "b", "d", "c"}));

    alerts.setIndexFieldNames(QString());
    EXPECT_EQ(codes(alerts, "Msg_Chn"), QStringList({"a", "b", "c", "d"}));
    alerts.setIndexFieldNames(QStringLiteral("Obj_Code;Alert_Type"));
    EXPECT_EQ(codes(alerts, "Msg_Chn"), QStringList({"a", "d", "b", "c"}));
    EXPECT_THROW(alerts.setIndexFieldNames(QStringLiteral("Nope")), DataSetError);
    EXPECT_EQ(alerts.indexFieldNames(), "Obj_Code;Alert_Type");
}

TEST_F(AlertFixture, ChangingTheIndexKeepsTheCurrentRow)
{
    ASSERT_TRUE(alerts.locate(QStringLiteral("Msg_Chn"), {QStringLiteral("c")}));
    alerts.setIndexFieldNames(QStringLiteral("Alert_Seq"));
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "c");
    EXPECT_EQ(alerts.recNo(), 3);
}

TEST_F(AlertFixture, DeletingAPagesRowsInIndexOrder)
{
    alerts.first();
    ASSERT_TRUE(alerts.locate(QStringLiteral("OBJ_CODE"), {1012}));
    while (!alerts.isEmpty() && alerts.fieldByName(u"Obj_Code").asInteger() == 1012)
        alerts.deleteRecord();
    EXPECT_EQ(codes(alerts, "Msg_Chn"), QStringList({"b", "d"}));
}

TEST_F(AlertFixture, LocateOnSeveralFieldsAndMisses)
{
    EXPECT_TRUE(alerts.locate(QStringLiteral("Obj_Code;Alert_Type"), {1011, 10}));
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "d");
    EXPECT_TRUE(alerts.locate(QStringLiteral("Obj_Code;Alert_Type"), {QStringLiteral("1012"), QStringLiteral("20")}));
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "c");

    EXPECT_FALSE(alerts.locate(QStringLiteral("Obj_Code;Alert_Type"), {1013, 10}));
    EXPECT_FALSE(alerts.locate(QStringLiteral("Obj_Code"), {QStringLiteral("abc")}));
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "c");  // a miss does not move
    EXPECT_THROW(alerts.locate(QStringLiteral("Nope"), {1}), DataSetError);
    EXPECT_THROW(alerts.locate(QStringLiteral("Obj_Code;Alert_Type"), {1}), DataSetError);
}

TEST(ClientDataSetLocate, TextOptionsCaseAndPrefix)
{
    ClientDataSet rates;
    rates.setFieldDefs({def("Codigo", FieldType::String, qx::FieldKind::Data, 5)});
    rates.loadRows({{QStringLiteral("0102")}, {QStringLiteral("A1")}, {QStringLiteral("ab2")}, {QStringLiteral("AB3")}});
    EXPECT_FALSE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("a1")}));
    EXPECT_TRUE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("a1")}, {true, false}));
    EXPECT_EQ(rates.recNo(), 2);
    EXPECT_FALSE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("AB")}));
    EXPECT_TRUE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("AB")}, {false, true}));
    EXPECT_EQ(rates.recNo(), 4);
    EXPECT_TRUE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("AB")}, {true, true}));
    EXPECT_EQ(rates.recNo(), 3);  // the first in table order
    EXPECT_FALSE(rates.locate(QStringLiteral("Codigo"), {QStringLiteral("TOOLONGKEY")}));
}

TEST_F(AlertFixture, CloneKeepsItsOwnOrderFilterAndPosition)
{
    auto clone = alerts.cloneCursor();
    clone->setIndexFieldNames(QStringLiteral("Alert_Seq"));
    clone->setFilter(QStringLiteral("Obj_Code=1012"));
    clone->setFiltered(true);
    EXPECT_EQ(codes(*clone, "Msg_Chn"), QStringList({"a", "c"}));
    EXPECT_EQ(alerts.recordCount(), 4);

    clone->first();
    alerts.last();
    EXPECT_EQ(clone->fieldByName(u"Msg_Chn").asString(), "a");
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "c");

    clone->setFilter(QStringLiteral("obj_code = 1011 AND Alert_Type = '10'"));
    EXPECT_EQ(codes(*clone, "Msg_Chn"), QStringList({"d"}));
    EXPECT_THROW(clone->setFilter(QStringLiteral("Obj_Code>1")), DataSetError);
    EXPECT_THROW(clone->setFilter(QStringLiteral("Nope=1")), DataSetError);
}

TEST_F(AlertFixture, CloneSeesChangesMadeThroughTheDataSet)
{
    auto clone = alerts.cloneCursor();
    clone->setIndexFieldNames(QStringLiteral("Alert_Seq"));
    clone->setFilter(QStringLiteral("Obj_Code=1012"));
    clone->setFiltered(true);
    int changes = 0;
    clone->addObserver([&](DataEvent e) { changes += e == DataEvent::DataSetChanged; });
    clone->last();  // on "c"

    add(1012, 30, "e");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clone->recordCount(), 3);
    EXPECT_EQ(clone->fieldByName(u"Msg_Chn").asString(), "c");  // stays on its row

    ASSERT_TRUE(alerts.locate(QStringLiteral("Msg_Chn"), {QStringLiteral("a")}));
    alerts.deleteRecord();
    ASSERT_TRUE(alerts.locate(QStringLiteral("Msg_Chn"), {QStringLiteral("b")}));
    alerts.edit();
    alerts.fieldByName(u"Obj_Code").setAsInteger(1012);
    alerts.post();
    EXPECT_EQ(codes(*clone, "Msg_Chn"), QStringList({"b", "c", "e"}));

    alerts.emptyDataSet();
    EXPECT_TRUE(clone->isEmpty());
    add(1012, 10, "f");
    EXPECT_EQ(codes(*clone, "Msg_Chn"), QStringList({"f"}));
}

TEST_F(AlertFixture, ChangesThroughACloneReachTheDataSet)
{
    alerts.mergeChangeLog();
    auto clone = alerts.cloneCursor();
    int changes = 0;
    alerts.addObserver([&](DataEvent e) { changes += e == DataEvent::DataSetChanged; });
    clone->first();
    clone->edit();
    clone->fieldByName(u"Obj_Code").setAsInteger(1);
    clone->post();
    EXPECT_EQ(changes, 1);
    alerts.first();
    EXPECT_EQ(alerts.fieldByName(u"Msg_Chn").asString(), "a");
    EXPECT_EQ(alerts.changeCount(), 1);
}

TEST_F(AlertFixture, ClosingAndReloadingTheDataSetShowsThroughTheClone)
{
    auto clone = alerts.cloneCursor();
    alerts.close();
    EXPECT_FALSE(clone->active());
    EXPECT_EQ(clone->recordCount(), 0);
    alerts.loadRows({{1, 1012, 10, QStringLiteral("x")}});
    EXPECT_TRUE(clone->active());
    EXPECT_EQ(codes(*clone, "Msg_Chn"), QStringList({"x"}));
}

TEST_F(AlertFixture, NotificationsWaitForTheOutermostEnableControls)
{
    auto clone = alerts.cloneCursor();
    std::vector<DataEvent> seen;
    std::vector<DataEvent> cloneSeen;
    alerts.addObserver([&](DataEvent e) { seen.push_back(e); });
    const int handle = clone->addObserver([&](DataEvent e) { cloneSeen.push_back(e); });

    alerts.disableControls();
    alerts.disableControls();
    add(1013, 10, "x");
    alerts.first();
    alerts.enableControls();
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(cloneSeen.empty());
    EXPECT_TRUE(alerts.controlsDisabled());
    alerts.enableControls();
    EXPECT_EQ(seen, std::vector<DataEvent>({DataEvent::DataSetChanged}));
    EXPECT_EQ(cloneSeen, std::vector<DataEvent>({DataEvent::DataSetChanged}));
    alerts.enableControls();  // unbalanced: ignored
    EXPECT_FALSE(alerts.controlsDisabled());

    seen.clear();
    clone->removeObserver(handle);
    alerts.next();
    alerts.edit();
    alerts.fieldByName(u"Msg_Chn").setAsString(QStringLiteral("y"));
    EXPECT_EQ(seen, std::vector<DataEvent>({DataEvent::ScrollChanged, DataEvent::StateChanged, DataEvent::RecordChanged}));
    EXPECT_EQ(cloneSeen.size(), 1u);
}

TEST_F(AlertFixture, PendingEditsOfACloneSurviveRowsVanishingUnderThem)
{
    auto inserting = alerts.cloneCursor();
    auto editing = alerts.cloneCursor();
    inserting->last();
    inserting->insert();
    inserting->fieldByName(u"Obj_Code").setAsInteger(1012);
    inserting->fieldByName(u"Msg_Chn").setAsString(QStringLiteral("new"));
    editing->first();
    editing->edit();
    editing->fieldByName(u"Msg_Chn").setAsString(QStringLiteral("lost"));

    alerts.emptyDataSet();
    add(1011, 10, "other");
    inserting->post();  // its neighbour is gone: appended
    EXPECT_EQ(codes(*inserting, "Msg_Chn"), QStringList({"other", "new"}));
    EXPECT_THROW(editing->post(), DataSetError);  // its row is gone: refused, not written elsewhere
    editing->cancel();
    EXPECT_EQ(alerts.recordCount(), 2);
}
