// The alert list: the alert record and the operations on the list.
#include "core/check/AlertText.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "support/ScriptedMessages.h"
#include "tests/core/check/AlertRows.h"

#include <gtest/gtest.h>

namespace {

class AlertList : public ::testing::Test {
protected:
    void SetUp() override
    {
        dmMain = &dm;
        alerts.createDataSet();
    }
    void TearDown() override { dmMain = nullptr; }

    void add(int objCode, const char* text, int type = 10, int msgNo = 1)
    {
        EXPECT_TRUE(dm.AddAlert(objCode, QStringLiteral("F"), type, msgNo, QString::fromUtf8(text), QString::fromUtf8(text)));
    }
    QStringList texts()
    {
        QStringList out;
        for (const AlertRow& r : AlertRows(alerts))
            out << r.chn;
        return out;
    }

    ScriptedMessages messages;
    TdmMain dm;
    qx::ClientDataSet& alerts = dm.cdsAlert;
};

TEST_F(AlertList, AlertRecordCarriesItsCodeTypeNamesAndRunningNumber)
{
    EXPECT_TRUE(dm.AddAlert(1012, QStringLiteral("R5_Mop"), 10, 5, QStringLiteral("中"), QStringLiteral("pt")));
    add(1012, "b", 20, 0);
    add(1012, "c", 30, 89);
    add(1012, "d", 15, 12);
    const auto rows = AlertRows(alerts);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].objCode, 1012);
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("R5_Mop"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("中"));
    EXPECT_EQ(rows[0].por, QStringLiteral("pt"));
    EXPECT_EQ(rows[0].code, QStringLiteral("A-005"));
    EXPECT_EQ(rows[1].code, QString());
    EXPECT_EQ(rows[2].code, QStringLiteral("A-089"));
    EXPECT_EQ(rows[3].code, QStringLiteral("A-012"));

    EXPECT_EQ(rows[0].typeChn, QStringLiteral("錯誤"));
    EXPECT_EQ(rows[0].typePor, QStringLiteral("Erro"));
    EXPECT_EQ(rows[1].typeChn, QStringLiteral("提醒"));
    EXPECT_EQ(rows[1].typePor, QStringLiteral("Aviso"));
    EXPECT_EQ(rows[2].typeChn, QStringLiteral("提示"));
    EXPECT_EQ(rows[2].typePor, QStringLiteral("Sugestão"));
    EXPECT_EQ(rows[3].type, 15);
    EXPECT_EQ(rows[3].typeChn, QString());
    EXPECT_EQ(rows[3].typePor, QString());

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rows[i].seq, i + 1);
    EXPECT_EQ(AlertMsgCode(100), QStringLiteral("A-100"));
}

TEST_F(AlertList, RunningNumbersRepeatAfterAPageIsDeleted)
{
    add(1011, "a");
    add(1012, "b");
    add(1013, "c");
    dm.DeleteAlertsOfObject(1011);
    add(1011, "d");
    QList<int> seqs;
    for (const AlertRow& r : AlertRows(alerts))
        seqs << r.seq;
    std::sort(seqs.begin(), seqs.end());
    EXPECT_EQ(seqs, (QList<int>{2, 3, 3}));
}

TEST_F(AlertList, LongTextsAreStoredCutNotLost)
{
    const QString longChn(400, QChar(0x932F));  // 800 bytes
    const QString longName(150, QLatin1Char('x'));
    EXPECT_TRUE(dm.AddAlert(1011, longName, 10, 1, longChn, QString(600, QLatin1Char('p'))));
    const auto rows = AlertRows(alerts);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].chn, longChn.left(250));
    EXPECT_EQ(rows[0].por.size(), 500);
    EXPECT_EQ(rows[0].fieldName.size(), 100);
}

TEST_F(AlertList, FailedAlertLeavesNoRowAndRaises)
{
    alerts.beforePost = [](qx::ClientDataSet&) { throw qx::DataSetError("refused"); };
    EXPECT_THROW(dm.AddAlert(1011, QStringLiteral("F"), 10, 1, QStringLiteral("a"), QStringLiteral("a")),
                 qx::DataSetError);
    EXPECT_EQ(alerts.state(), qx::DataSetState::Browse);
    EXPECT_EQ(alerts.recordCount(), 0);
}

TEST_F(AlertList, ClearAlertsEmptiesTheListAndKeepsTheControlsAsTheyWere)
{
    add(1011, "a");
    add(2011, "b");
    EXPECT_TRUE(dm.ClearAlerts());
    EXPECT_EQ(alerts.recordCount(), 0);
    EXPECT_EQ(alerts.changeCount(), 0);
    EXPECT_FALSE(alerts.controlsDisabled());

    alerts.disableControls();
    add(1011, "c");
    dm.ClearAlerts();
    EXPECT_TRUE(alerts.controlsDisabled());
    alerts.enableControls();
    EXPECT_FALSE(alerts.controlsDisabled());
}

TEST_F(AlertList, DeletingOnePageKeepsTheOthersInOrder)
{
    add(1013, "c1");
    add(1011, "a1");
    add(1012, "b1");
    add(1011, "a2");
    add(1012, "b2");
    add(1013, "c2");
    EXPECT_TRUE(dm.DeleteAlertsOfObject(1012));
    EXPECT_EQ(alerts.indexFieldNames().toUpper(), QStringLiteral("OBJ_CODE"));
    EXPECT_EQ(texts(), (QStringList{"a1", "a2", "c1", "c2"}));
    EXPECT_EQ(alerts.changeCount(), 0);
    EXPECT_FALSE(alerts.controlsDisabled());

    EXPECT_FALSE(dm.DeleteAlertsOfObject(1012));
    EXPECT_TRUE(dm.DeleteAlertsOfObject(1013));  // the last rows of the list
    EXPECT_EQ(texts(), (QStringList{"a1", "a2"}));
    EXPECT_TRUE(dm.DeleteAlertsOfObject(1011));
    EXPECT_TRUE(texts().isEmpty());
    EXPECT_FALSE(dm.DeleteAlertsOfObject(1011));
}

TEST_F(AlertList, DeleteThatFailsBeepsAndKeepsTheRemainingRows)
{
    add(1011, "a1");
    add(1011, "a2");
    add(1011, "a3");
    int beeps = 0;
    SetBeepHandler([&] { ++beeps; });
    int deletions = 0;
    alerts.beforeDelete = [&](qx::ClientDataSet&) {
        if (++deletions == 2)
            throw qx::DataSetError("cannot delete");
    };
    EXPECT_FALSE(dm.DeleteAlertsOfObject(1011));
    SetBeepHandler(nullptr);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(texts(), (QStringList{"a2", "a3"}));
    EXPECT_FALSE(alerts.controlsDisabled());
}

}  // namespace
