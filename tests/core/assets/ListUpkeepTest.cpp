// What happens around the rows of the asset lists: the question before a row is deleted, the
// observation lines following the current row, the observation test, and that typed
// observations survive every move and a closed observation page breaks nothing.
#include "AssetListFixture.h"

namespace {

class ListUpkeep : public AssetListFixture {};

TEST_F(ListUpkeep, DeletingAskOnlyForARowThatHoldsSomething)
{
    ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {}));
    ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {{"DA_Meses", "3"}}));
    ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {}));
    messages.clear();

    dm->cdsM3VCLF.setRecNo(2);
    messages.answer(QStringLiteral("DM-011"), mrNo);
    EXPECT_THROW(dm->cdsM3VCLF.deleteRecord(), qx::SilentAbort);
    EXPECT_EQ(dm->cdsM3VCLF.recordCount(), 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].code, QStringLiteral("DM-011"));
    EXPECT_EQ(messages.shown[0].dlgType, dtQuestion);
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("是否刪除此行？(M/3)"));
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("Apaga esta linha? (M/3)"));

    messages.answer(QStringLiteral("DM-011"), mrYes);
    dm->cdsM3VCLF.deleteRecord();
    EXPECT_EQ(dm->cdsM3VCLF.recordCount(), 2);

    messages.clear();
    dm->cdsM3VCLF.first();
    dm->cdsM3VCLF.deleteRecord();  // an empty row goes without a question
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dm->cdsM3VCLF.recordCount(), 1);
}

TEST_F(ListUpkeep, DeletingAnM3ARowAsksWhenItHasACode)
{
    for (qx::ClientDataSet* list : {&dm->cdsM3AAli, &dm->cdsM3AAba}) {
        SCOPED_TRACE(list->name().toStdString());
        ASSERT_TRUE(AppendRow(*list, {{"Tipo", "x"}}));
        ASSERT_TRUE(AppendRow(*list, {}));
        messages.clear();
        list->last();
        list->deleteRecord();
        EXPECT_TRUE(messages.shown.empty());

        list->edit();  // the question weighs what the row holds now
        list->fieldByName(u"Codigo").setAsString(QStringLiteral("1.1"));
        messages.answer(QStringLiteral("DM-013"), mrNo);
        EXPECT_THROW(list->deleteRecord(), qx::SilentAbort);
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-013")});
        EXPECT_EQ(messages.shown[0].chn, QStringLiteral("是否刪除此行？(M/3A)"));
        EXPECT_EQ(messages.shown[0].por, QStringLiteral("Apaga esta linha? (M/3A)"));
        EXPECT_EQ(list->recordCount(), 1);
        dm->CancelWithoutQuestion(*list);
    }
}

TEST_F(ListUpkeep, ObservationLinesFollowTheSheetOfTheCurrentRow)
{
    AppendEmptyRows(dm->cdsM3VCLF, 40);
    AppendEmptyRows(dm->cdsM3AAba, 45);
    ASSERT_EQ(dm->cdsM3Obs.recordCount(), 2);
    ASSERT_EQ(dm->cdsM3AObs.recordCount(), 3);

    dm->cdsM3VCLF.setRecNo(31);
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 1);
    dm->cdsM3VCLF.setRecNo(32);
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 2);
    dm->cdsM3VCLF.first();
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 1);

    dm->cdsM3AAba.setRecNo(41);
    EXPECT_EQ(dm->cdsM3AObs.recNo(), 3);
    dm->cdsM3AAba.setRecNo(20);
    EXPECT_EQ(dm->cdsM3AObs.recNo(), 1);
}

TEST_F(ListUpkeep, TypedObservationsArePostedBeforeTheLinesMove)
{
    AppendEmptyRows(dm->cdsM3VCLF, 32);
    dm->cdsM3VCLF.first();
    dm->cdsM3Obs.edit();
    dm->cdsM3Obs.fieldByName(u"R1_Obs").setAsString(QStringLiteral("typed on sheet 1"));

    dm->cdsM3VCLF.last();  // sheet 2
    EXPECT_EQ(dm->cdsM3Obs.state(), qx::DataSetState::Browse);
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 2);
    EXPECT_EQ(Cell(dm->cdsM3Obs, 1, "R1_Obs"), QStringLiteral("typed on sheet 1"));

    // Checking a sheet for observations posts what is being typed, then returns.
    dm->cdsM3Obs.edit();
    dm->cdsM3Obs.fieldByName(u"R6_Obs").setAsString(QStringLiteral("typed on sheet 2"));
    EXPECT_TRUE(dm->ObsPageHasText(dm->cdsM3Obs, 1, false));
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 2);
    EXPECT_EQ(Cell(dm->cdsM3Obs, 2, "R6_Obs"), QStringLiteral("typed on sheet 2"));

    // Deleting or closing the list posts them as well.
    dm->cdsM3Obs.edit();
    dm->cdsM3Obs.fieldByName(u"R2_Obs").setAsString(QStringLiteral("before delete"));
    dm->cdsM3VCLF.deleteRecord();
    EXPECT_EQ(Cell(dm->cdsM3Obs, 2, "R2_Obs"), QStringLiteral("before delete"));
    EXPECT_EQ(dm->cdsM3Obs.recNo(), 1);  // row 31, now current, is on sheet 1
    dm->cdsM3Obs.edit();
    dm->cdsM3Obs.fieldByName(u"R4_Obs").setAsString(QStringLiteral("before close"));
    dm->cdsM3VCLF.close();
    EXPECT_EQ(dm->cdsM3Obs.state(), qx::DataSetState::Browse);
    EXPECT_EQ(Cell(dm->cdsM3Obs, 1, "R4_Obs"), QStringLiteral("before close"));

    AppendEmptyRows(dm->cdsM3AAli, 21);
    dm->cdsM3AAli.first();
    dm->cdsM3AObs.edit();
    dm->cdsM3AObs.fieldByName(u"R5_Obs").setAsString(QStringLiteral("M/3A page 1"));
    dm->cdsM3AAli.last();
    EXPECT_EQ(dm->cdsM3AObs.recNo(), 2);
    EXPECT_EQ(Cell(dm->cdsM3AObs, 1, "R5_Obs"), QStringLiteral("M/3A page 1"));
}

TEST_F(ListUpkeep, ObservationTestOfARecord)
{
    AppendEmptyRows(dm->cdsM3AAli, 41);
    qx::ClientDataSet& obs = dm->cdsM3AObs;
    ASSERT_EQ(obs.recordCount(), 3);
    obs.setRecNo(2);
    PostField(obs, "R6_Obs", QStringLiteral("\t x \r\n"));
    obs.setRecNo(3);

    EXPECT_FALSE(dm->ObsPageHasText(obs, 0, false));
    EXPECT_FALSE(dm->ObsPageHasText(obs, 4, true));
    EXPECT_FALSE(dm->ObsPageHasText(obs, 1, false));
    EXPECT_EQ(obs.recNo(), 3);
    EXPECT_TRUE(dm->ObsPageHasText(obs, 2, false));
    EXPECT_EQ(obs.recNo(), 3);  // back where it was
    EXPECT_TRUE(dm->ObsPageHasText(obs, 2, true));
    EXPECT_EQ(obs.recNo(), 2);  // stays for the report to print

    obs.close();
    EXPECT_FALSE(dm->ObsPageHasText(obs, 1, false));
}

TEST_F(ListUpkeep, AClosedObservationPageBreaksNoRowPost)
{
    dm->cdsM3Obs.close();
    dm->cdsM3AObs.close();
    AppendEmptyRows(dm->cdsM3VCLF, 33);
    AppendEmptyRows(dm->cdsM3AAli, 21);
    dm->cdsM3VCLF.first();
    dm->cdsM3VCLF.deleteRecord();
    dm->cdsM3AAli.first();
    dm->cdsM3AAli.deleteRecord();
    int pages = 0;
    int lastFace = 0;
    dm->GetM3PageCount(pages, lastFace);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(lastFace, 1);
    EXPECT_EQ(dm->cdsM3P1.fieldByName(u"total_pag").asInteger(), 2);
    EXPECT_TRUE(messages.shown.empty());
}

// Appended records that the page's filter hides never raise its count: the upkeep still ends.
TEST_F(ListUpkeep, KeepingObservationRecordsAlwaysEnds)
{
    dm->cdsM3Obs.setFilter(QStringLiteral("Rec_AID=1"));
    dm->cdsM3Obs.setFiltered(true);
    AppendEmptyRows(dm->cdsM3VCLF, 32);
    EXPECT_EQ(dm->cdsM3Obs.recordCount(), 1);
    dm->cdsM3Obs.setFiltered(false);
    EXPECT_EQ(dm->cdsM3Obs.recordCount(), 2);
}

}  // namespace
