// The summary of the first M/3 sheet, drawn from the totals of the M/3 list and of both M/3A
// lists, as it stands after each row is posted or deleted.
#include "AssetListFixture.h"

namespace {

class M3Summary : public AssetListFixture {
protected:
    QString Line(const char* field) { return Current(dm->cdsM3P1, field); }

    void FillHeader()
    {
        for (const auto& [field, value] : {std::pair{"1_R1_Col1_Mop", "2000"}, {"1_R1_Col2_Mop", "300"},
                                           {"1_R1_Col5_Mop", "700"}, {"1_R1_Col6_Mop", "50"},
                                           {"1_R2_Col1_Mop", "900"}})
            PostField(dm->cdsM3P1, field, QString::fromLatin1(value));
    }
};

TEST_F(M3Summary, LinesFromTheTotalsOfAllThreeLists)
{
    FillHeader();
    ASSERT_TRUE(AppendRow(dm->cdsM3AAli, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "100"}, {"Col2_Mop", "80"},
                                          {"Col3_Mop", "90"}, {"Col4_Mop", "30"}, {"Col5_Mop", "40"}}));
    ASSERT_TRUE(AppendRow(dm->cdsM3AAba, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "50"}, {"Col2_Mop", "60"},
                                          {"Col3_Mop", "20"}, {"Col4_Mop", "25"}, {"Motivo_Abate", "x"}}));
    ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "1000"}, {"Col4_Mop", "400"},
                                          {"Col5_Mop", "100"}}));
    ASSERT_TRUE(messages.shown.empty());

    const struct {
        const char* field;
        const char* value;
    } expected[] = {
        {"1_r1_col3_mop", "150"},  {"1_r1_col4_mop", "2150"}, {"1_r1_col7_mop", "65"},  {"1_r1_col8_mop", "685"},
        {"1_r1_col9_mop", "1465"}, {"1_r2_col2_mop", "100"},  {"1_r2_col3_mop", "130"}, {"1_r2_col4_mop", "870"},
        {"1_r2_col5_mop", "400"},  {"1_r2_col6_mop", "100"},  {"1_r2_col7_mop", "50"},  {"1_r2_col8_mop", "450"},
        {"1_r2_col9_mop", "420"},  {"1_r3_col6_mop", "-50"},  {"total_pag", "1"},       {"last_face", "1"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(Line(e.field), QString::fromLatin1(e.value)) << e.field;
    EXPECT_EQ(Line("overflow_fields"), QString());

    // Deleting the M/3A rows takes their totals out again; sums of no rows stay empty.
    dm->cdsM3AAli.deleteRecord();
    dm->cdsM3AAba.deleteRecord();
    EXPECT_EQ(Line("1_r1_col3_mop"), QString());
    EXPECT_EQ(Line("1_r1_col4_mop"), QStringLiteral("2300"));
    EXPECT_EQ(Line("1_r2_col7_mop"), QString());
    EXPECT_EQ(Line("1_r2_col8_mop"), QStringLiteral("500"));
}

TEST_F(M3Summary, EmptyListsLeaveTheirLinesEmpty)
{
    FillHeader();
    for (const char* field : {"1_r1_col3_mop", "1_r1_col7_mop", "1_r2_col3_mop", "1_r2_col5_mop", "1_r2_col6_mop",
                              "1_r2_col7_mop"})
        EXPECT_EQ(Line(field), QString()) << field;
    EXPECT_EQ(Line("1_r2_col2_mop"), QStringLiteral("-900"));
    EXPECT_EQ(Line("1_r2_col8_mop"), QStringLiteral("0"));
    EXPECT_EQ(Line("1_r3_col6_mop"), QStringLiteral("50"));

    // One M/3A list alone fills the sums it takes part in.
    ASSERT_TRUE(
        AppendRow(dm->cdsM3AAba, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col2_Mop", "60"}, {"Motivo_Abate", "x"}}));
    EXPECT_EQ(Line("1_r1_col3_mop"), QStringLiteral("60"));
    EXPECT_EQ(Line("1_r1_col7_mop"), QStringLiteral("0"));
}

// A list total beyond the currency range has no value; the summary line drawn from it is
// flagged (shown as asterisks, reported on the page) instead of standing empty or at 0.
TEST_F(M3Summary, AnOverflowedListTotalFlagsItsLines)
{
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "900000000000000"},
                                              {"Col4_Mop", "900000000000000"}}));
    const QString flagged = Line("overflow_fields");
    EXPECT_TRUE(flagged.contains(QStringLiteral("/1_r2_col2_mop/"))) << flagged.toStdString();
    EXPECT_TRUE(flagged.contains(QStringLiteral("/1_r2_col5_mop/"))) << flagged.toStdString();
    EXPECT_FALSE(flagged.contains(QStringLiteral("/1_r2_col6_mop/")));
    EXPECT_EQ(dm->cdsM3P1.fieldByName(u"1_r2_col5_mop").displayText(), QStringLiteral("**********"));

    bool reported = false;
    for (dm->cdsAlert.first(); !dm->cdsAlert.eof(); dm->cdsAlert.next())
        reported = reported
                   || (dm->cdsAlert.fieldByName(u"Obj_Code").asInteger() == 4011
                       && dm->cdsAlert.fieldByName(u"Field_Name").asString() == QStringLiteral("1_r2_col5_mop")
                       && dm->cdsAlert.fieldByName(u"Msg_Code").asString() == QStringLiteral("A-012"));
    EXPECT_TRUE(reported);
}

// (1) + (2) of the header leaves the range, (1) + (2) - (3) does not: the line holds its value.
TEST_F(M3Summary, ALineWhosePartialSumLeavesTheRangeKeepsItsValue)
{
    PostField(dm->cdsM3P1, "1_R1_Col1_Mop", QStringLiteral("900000000000000"));
    PostField(dm->cdsM3P1, "1_R1_Col2_Mop", QStringLiteral("100000000000000"));
    ASSERT_TRUE(AppendRow(dm->cdsM3AAba, {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col2_Mop", "200000000000000"},
                                          {"Motivo_Abate", "x"}}));
    EXPECT_EQ(Line("1_r1_col4_mop"), QStringLiteral("800000000000000"));
    EXPECT_EQ(Line("overflow_fields"), QString());
}

TEST_F(M3Summary, PageCountsAreNotReadWhileTheHeaderIsInserted)
{
    AppendEmptyRows(dm->cdsM3VCLF, 51);
    dm->cdsM3P1.deleteRecord();
    dm->cdsM3P1.append();
    EXPECT_EQ(Line("total_pag"), QString());
    EXPECT_EQ(Line("last_face"), QString());
    dm->cdsM3P1.post();
    EXPECT_EQ(Line("total_pag"), QStringLiteral("2"));
    EXPECT_EQ(Line("last_face"), QStringLiteral("2"));
}

}  // namespace
