// Paging of the M/3 list over its sheets and of the M/3A lists over their pages: the sheet of
// each row, the sheet count, the face the last sheet ends on, and the observation records kept
// for every sheet.
#include "AssetListFixture.h"

namespace {

class ListPaging : public AssetListFixture {
protected:
    int TotalPag() { return dm->cdsM3P1.fieldByName(u"total_pag").asInteger(); }
    int LastFace() { return dm->cdsM3P1.fieldByName(u"last_face").asInteger(); }
    void SetObservation(qx::ClientDataSet& obs, int recNo, const char* text)
    {
        obs.setRecNo(recNo);
        PostField(obs, "R3_Obs", QString::fromUtf8(text));
    }
    void RefreshSummary()
    {
        QString visited;
        dm->RecalcDataSet(dm->cdsM3P1, visited);
    }
    void RefreshLists()
    {
        for (qx::ClientDataSet* list : {&dm->cdsM3AAli, &dm->cdsM3AAba}) {
            QString visited;
            dm->RecalcDataSet(*list, visited);
        }
    }
};

TEST_F(ListPaging, EachRowKnowsItsSheetAndFace)
{
    AppendEmptyRows(dm->cdsM3VCLF, 70);
    const struct {
        int row;
        const char* sheet;
        const char* face;
    } cases[] = {{12, "1", "1"}, {13, "1", "2"}, {31, "1", "2"}, {32, "2", "1"},
                 {50, "2", "1"}, {51, "2", "2"}, {69, "2", "2"}, {70, "3", "1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Cell(dm->cdsM3VCLF, c.row, "pag_num"), QString::fromLatin1(c.sheet)) << "row " << c.row;
        EXPECT_EQ(Cell(dm->cdsM3VCLF, c.row, "face_num"), QString::fromLatin1(c.face)) << "row " << c.row;
    }
    EXPECT_EQ(TotalPag(), 3);
    EXPECT_EQ(LastFace(), 1);
    EXPECT_EQ(dm->cdsM3Obs.recordCount(), 3);
    EXPECT_EQ(Cell(dm->cdsM3Obs, 3, "pag_num"), QStringLiteral("3"));
}

TEST_F(ListPaging, AnEmptyListHasOneSheetEndingOnItsFront)
{
    RefreshSummary();
    EXPECT_EQ(TotalPag(), 1);
    EXPECT_EQ(LastFace(), 1);
    int pages = -1;
    int lastFace = -1;
    dm->GetM3PageCount(pages, lastFace);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(lastFace, 1);

    SetObservation(dm->cdsM3Obs, 1, "x");
    RefreshSummary();
    EXPECT_EQ(LastFace(), 2);
}

TEST_F(ListPaging, ObservationsOfTheLastSheetMoveItsEndToTheBack)
{
    AppendEmptyRows(dm->cdsM3VCLF, 12);
    EXPECT_EQ(TotalPag(), 1);
    EXPECT_EQ(LastFace(), 1);

    SetObservation(dm->cdsM3Obs, 1, "  note ");
    RefreshSummary();
    EXPECT_EQ(LastFace(), 2);
    SetObservation(dm->cdsM3Obs, 1, "   ");  // blanks alone are no text
    RefreshSummary();
    EXPECT_EQ(LastFace(), 1);

    AppendEmptyRows(dm->cdsM3VCLF, 1);  // 13 rows end on the back whatever the observations
    EXPECT_EQ(TotalPag(), 1);
    EXPECT_EQ(LastFace(), 2);

    AppendEmptyRows(dm->cdsM3VCLF, 19);  // 32 rows: row 32 opens sheet 2
    EXPECT_EQ(TotalPag(), 2);
    EXPECT_EQ(LastFace(), 1);
    SetObservation(dm->cdsM3Obs, 1, "sheet one only");
    RefreshSummary();
    EXPECT_EQ(LastFace(), 1);
    SetObservation(dm->cdsM3Obs, 2, "sheet two");
    RefreshSummary();
    EXPECT_EQ(LastFace(), 2);
}

TEST_F(ListPaging, ObservationRecordsGrowWithTheListAndNeverShrink)
{
    AppendEmptyRows(dm->cdsM3VCLF, 32);
    ASSERT_EQ(dm->cdsM3Obs.recordCount(), 2);
    SetObservation(dm->cdsM3Obs, 2, "kept");

    dm->cdsM3VCLF.last();
    dm->cdsM3VCLF.deleteRecord();
    EXPECT_EQ(messages.codes(), QStringList());  // an empty row goes without a question
    EXPECT_EQ(dm->cdsM3VCLF.recordCount(), 31);
    EXPECT_EQ(TotalPag(), 1);
    EXPECT_EQ(dm->cdsM3Obs.recordCount(), 2);
    EXPECT_EQ(Cell(dm->cdsM3Obs, 2, "R3_Obs"), QStringLiteral("kept"));
}

TEST_F(ListPaging, M3APagesCountBothListsAndKeepTheirObservations)
{
    AppendEmptyRows(dm->cdsM3AAli, 20);
    AppendEmptyRows(dm->cdsM3AAba, 21);
    int ali = -1;
    int aba = -1;
    dm->GetM3APageCounts(ali, aba);
    EXPECT_EQ(ali, 1);
    EXPECT_EQ(aba, 2);
    // Each list's current row shows the other list's count once it is refreshed (as an editor
    // does when it paints); the other rows are computed when read.
    RefreshLists();
    for (qx::ClientDataSet* list : {&dm->cdsM3AAli, &dm->cdsM3AAba})
        for (int row = 1; row <= list->recordCount(); ++row)
            ASSERT_EQ(Cell(*list, row, "m3a_total_pag"), QStringLiteral("2")) << list->name().toStdString() << row;
    EXPECT_EQ(Cell(dm->cdsM3AAli, 20, "ali_total_pag"), QStringLiteral("1"));
    EXPECT_EQ(Cell(dm->cdsM3AAba, 1, "aba_total_pag"), QStringLiteral("2"));
    EXPECT_EQ(Cell(dm->cdsM3AAli, 20, "pag_num"), QStringLiteral("1"));
    EXPECT_EQ(Cell(dm->cdsM3AAba, 20, "pag_num"), QStringLiteral("1"));
    EXPECT_EQ(Cell(dm->cdsM3AAba, 21, "pag_num"), QStringLiteral("2"));
    EXPECT_EQ(dm->cdsM3AObs.recordCount(), 2);
    EXPECT_EQ(Cell(dm->cdsM3AObs, 2, "pag_num"), QStringLiteral("2"));

    dm->cdsM3AAba.last();
    dm->cdsM3AAba.deleteRecord();
    dm->GetM3APageCounts(ali, aba);
    EXPECT_EQ(aba, 1);
    RefreshLists();
    EXPECT_EQ(Cell(dm->cdsM3AAli, 1, "m3a_total_pag"), QStringLiteral("1"));
    EXPECT_EQ(dm->cdsM3AObs.recordCount(), 2);
}

TEST_F(ListPaging, PageCountsAreZeroForAClosedListOrARowBeingInserted)
{
    int pages = -1;
    int face = -1;
    dm->cdsM3VCLF.append();
    dm->GetM3PageCount(pages, face);
    EXPECT_EQ(pages, 0);
    EXPECT_EQ(face, 0);
    dm->CancelWithoutQuestion(dm->cdsM3VCLF);

    int ali = -1;
    int aba = -1;
    AppendEmptyRows(dm->cdsM3AAba, 1);
    dm->cdsM3AAli.append();
    dm->GetM3APageCounts(ali, aba);
    EXPECT_EQ(ali, 0);
    EXPECT_EQ(aba, 1);
    dm->CancelWithoutQuestion(dm->cdsM3AAli);

    dm->cdsM3VCLF.close();
    dm->cdsM3AAba.close();
    dm->GetM3PageCount(pages, face);
    dm->GetM3APageCounts(ali, aba);
    EXPECT_EQ(pages, 0);
    EXPECT_EQ(face, 0);
    EXPECT_EQ(aba, 0);
}

}  // namespace
