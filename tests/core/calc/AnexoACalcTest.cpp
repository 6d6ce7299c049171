// Anexo A calculations of the three sectors: every input's effect on the page totals, the lines
// taken over from other pages, the worked examples and overflow.
#include "core/calc/CalcPageFixture.h"

#include <map>

namespace {

using qx::ClientDataSet;
using qx::Currency;

QStringList PrevPeriod(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        out << n + QStringLiteral("_Per_Ant");
    return out;
}

class AnexoACalc : public CalcPageFixture {};

TEST_F(AnexoACalc, GeneralFrontInputsReachTheResultLineWithTheirSign)
{
    const QStringList inventory = Split("III_R1_Col1_Mop III_R2_Col1_Mop III_R1_Col2_Mop III_R2_Col2_Mop") +
                                  Names("III_R%1_Col3_Mop", 5, 8);
    Sweep(dm->cdsAnexoAP1,
          {{"i_r15_mop", Names("II_R1_Col%1_Mop", 1, 3) + Split("I_R4_Mop III_R3_Col1_Mop III_R3_Col2_Mop III_R9_Col3_Mop"),
            Split("I_R6_Mop I_R14_Mop II_R2_Col2_Mop II_R2_Col3_Mop") + inventory},
           {"i_r15_mop_per_ant", Split("I_R1_Mop_Per_Ant I_R4_Mop_Per_Ant I_R9_Mop_Per_Ant I_R10_Mop_Per_Ant"),
            Split("I_R2_Mop_Per_Ant I_R5_Mop_Per_Ant I_R6_Mop_Per_Ant I_R7_Mop_Per_Ant I_R11_Mop_Per_Ant "
                  "I_R12_Mop_Per_Ant I_R14_Mop_Per_Ant")}});
}

TEST_F(AnexoACalc, BalanceSheetInputsReachTheirSideOnly)
{
    Sweep(dm->cdsAnexoAP2,
          {{"iv_r1xx_ttl", Names("IV_R%1_Mop", 111, 114) + Names("IV_R%1_Mop", 121, 128), {}},
           {"iv_r1xx_ttl_per_ant", Names("IV_R%1_Mop_Per_Ant", 111, 114) + Names("IV_R%1_Mop_Per_Ant", 121, 128), {}},
           {"iv_r2xxx_ttl", Split("IV_R211_Mop IV_R212_Mop IV_R213_Mop IV_R215_Mop IV_R2211_Mop IV_R2212_Mop") +
                                Names("IV_R%1_Mop", 2221, 2228), {}},
           {"iv_r2xxx_ttl_per_ant", Names("IV_R%1_Mop_Per_Ant", 211, 215) +
                                        Split("IV_R2211_Mop_Per_Ant IV_R2212_Mop_Per_Ant") +
                                        Names("IV_R%1_Mop_Per_Ant", 2221, 2228), {}}});
    Sweep(dm->cdsAnexoASegP2,
          {{"iii_r1xx_mop", Names("III_R%1_Mop", 111, 114) + Names("III_R%1_Mop", 121, 129), {}},
           {"iii_r1xx_mop_per_ant", Names("III_R%1_Mop_Per_Ant", 111, 114) + Names("III_R%1_Mop_Per_Ant", 121, 129), {}},
           {"iii_r2xxx_mop", Split("III_R211_Mop III_R212_Mop III_R213_Mop III_R215_Mop III_R2211_Mop III_R2212_Mop") +
                                 Names("III_R%1_Mop", 2221, 2229), {}},
           {"iii_r2xxx_mop_per_ant", Names("III_R%1_Mop_Per_Ant", 211, 215) +
                                         Split("III_R2211_Mop_Per_Ant III_R2212_Mop_Per_Ant") +
                                         Names("III_R%1_Mop_Per_Ant", 2221, 2229), {}}});
    const QStringList assets = Names("V_R1_%1_Mop", 1, 6) + Names("V_R1_%1_Mop", 8, 18);
    const QStringList liabilities = Names("V_R2_1_%1_Mop", 1, 13) + Split("V_R2_2_1_Mop V_R2_2_2_Mop V_R2_2_3_Mop V_R2_2_5_Mop");
    Sweep(dm->cdsAnexoABankP2,
          {{"v_r1_x_mop", assets + Split("V_R1_7_1_Mop"), Split("V_R1_7_2_Mop")},
           {"v_r1_x_mop_per_ant", PrevPeriod(assets) + Split("V_R1_7_Mop_Per_Ant"), {}},
           {"v_r2_x_x_mop", liabilities, {}},
           {"v_r2_x_x_mop_per_ant", PrevPeriod(liabilities) + Split("V_R2_2_4_Mop_Per_Ant"), {}}});
}

TEST_F(AnexoACalc, InsuranceAndBankingFrontInputsReachTheResultLineWithTheirSign)
{
    Sweep(dm->cdsAnexoASegP1,
          {{"i_r22_mop", Split("I_R1_1_Mop I_R1_2_Mop") + Names("I_R%1_Mop", 3, 6) + Names("II_R%1_Col1_Mop", 1, 6) +
                             Names("II_R%1_Col2_Mop", 1, 6),
            Split("I_R10_Mop I_R11_Mop I_R12_Mop I_R14_1_Mop I_R14_2_Mop I_R15_Mop I_R17_Mop I_R21_Mop")},
           {"i_r22_mop_per_ant", Names("I_R%1_Mop_Per_Ant", 1, 8),
            Names("I_R%1_Mop_Per_Ant", 10, 18) + Split("I_R21_Mop_Per_Ant")}});
    Sweep(dm->cdsAnexoABankP1,
          {{"i_r16_mop", Split("I_R1_Mop") + Names("II_R%1_Mop", 1, 9) + Names("III_R%1_Mop", 1, 7) + Names("IV_R%1_Mop", 1, 7),
            Split("I_R7_Mop I_R11_Mop I_R15_Mop")},
           {"i_r16_mop_per_ant", Names("I_R%1_Mop_Per_Ant", 1, 5),
            Names("I_R%1_Mop_Per_Ant", 7, 12) + Split("I_R15_Mop_Per_Ant")}});
}

TEST_F(AnexoACalc, LinesTakenFromOtherPagesFeedTheCurrentPeriodOnly)
{
    struct Copy {
        ClientDataSet& source;
        const char* sourceField;
        ClientDataSet& page;
        const char* line;
        const char* total;
        int sign;
    };
    const Copy copies[] = {
        {dm->cdsAnexoBP1, "ii_r12_mop", dm->cdsAnexoAP1, "i_r5_mop", "i_r15_mop", -1},
        {dm->cdsAnexoBP1, "i_r28_mop", dm->cdsAnexoAP1, "i_r7_mop", "i_r15_mop", -1},
        {dm->cdsAnexoBP2, "iv_r8_mop", dm->cdsAnexoAP1, "i_r9_mop", "i_r15_mop", 1},
        {dm->cdsAnexoBP2, "v_r8_mop", dm->cdsAnexoAP1, "i_r10_mop", "i_r15_mop", 1},
        {dm->cdsAnexoBP2, "vi_r6_mop", dm->cdsAnexoAP1, "i_r11_mop", "i_r15_mop", -1},
        {dm->cdsAnexoBP1, "iii_r12_mop", dm->cdsAnexoAP1, "i_r12_mop", "i_r15_mop", -1},
        {dm->cdsAnexoBP2, "viii_r11_mop", dm->cdsAnexoAP2, "iv_r214_mop", "iv_r2xxx_ttl", 1},
        {dm->cdsAnexoBSegP1, "iv_r8_mop", dm->cdsAnexoASegP1, "i_r7_mop", "i_r22_mop", 1},
        {dm->cdsAnexoBSegP2, "v_r8_mop", dm->cdsAnexoASegP1, "i_r8_mop", "i_r22_mop", 1},
        {dm->cdsAnexoBSegP2, "vii_r6_col1_mop", dm->cdsAnexoASegP1, "i_r13_mop", "i_r22_mop", -1},
        {dm->cdsAnexoBSegP2, "vii_r6_col2_mop", dm->cdsAnexoASegP1, "i_r13_mop", "i_r22_mop", -1},
        {dm->cdsAnexoBSegP1, "i_r22_mop", dm->cdsAnexoASegP1, "i_r16_mop", "i_r22_mop", -1},
        {dm->cdsAnexoBSegP2, "vi_r12_mop", dm->cdsAnexoASegP1, "i_r18_mop", "i_r22_mop", -1},
        {dm->cdsAnexoBSegP2, "viii_r11_mop", dm->cdsAnexoASegP2, "iii_r214_mop", "iii_r2xxx_mop", 1},
        {dm->cdsAnexoBBankP2, "iv_r14_mop", dm->cdsAnexoABankP1, "i_r5_mop", "i_r16_mop", 1},
        {dm->cdsM4P1, "1_r3_col7_col8_sum", dm->cdsAnexoABankP1, "i_r8_mop", "i_r16_mop", -1},
        {dm->cdsAnexoBBankP1, "ii_r14_mop", dm->cdsAnexoABankP1, "i_r9_mop", "i_r16_mop", -1},
        {dm->cdsAnexoBBankP1, "i_r28_mop", dm->cdsAnexoABankP1, "i_r10_mop", "i_r16_mop", -1},
        {dm->cdsAnexoBBankP2, "v_r18_mop", dm->cdsAnexoABankP1, "i_r12_mop", "i_r16_mop", -1},
        {dm->cdsAnexoBBankP2, "vi_r12_mop", dm->cdsAnexoABankP2, "v_r2_2_4_mop", "v_r2_x_x_mop", 1},
    };
    for (const Copy& c : copies) {
        SCOPED_TRACE(std::string(c.sourceField) + " -> " + c.line);
        StubSource(c.source, {{QString::fromLatin1(c.sourceField), Currency::fromUnits(7)}});
        c.page.refresh();
        EXPECT_EQ(Amount(c.page, c.line), Currency::fromUnits(7));
        EXPECT_EQ(Amount(c.page, c.total), Currency::fromUnits(7 * c.sign));
        EXPECT_EQ(Amount(c.page, (std::string(c.total) + "_per_ant").c_str()), Currency());
        StubSource(c.source, {});
    }
    // The previous-period line of the copied balance-sheet line stays the user's input.
    PostField(dm->cdsAnexoAP2, "IV_R214_Mop_Per_Ant", QStringLiteral("2"));
    StubSource(dm->cdsAnexoBP2, {{QStringLiteral("viii_r11_mop"), Currency::fromUnits(5)}});
    dm->cdsAnexoAP2.refresh();
    EXPECT_EQ(Amount(dm->cdsAnexoAP2, "iv_r21x_ttl"), Currency::fromUnits(5));
    EXPECT_EQ(Amount(dm->cdsAnexoAP2, "IV_R214_Mop_Per_Ant"), Currency::fromUnits(2));
    EXPECT_EQ(Amount(dm->cdsAnexoAP2, "iv_r2xxx_ttl_per_ant"), Currency::fromUnits(2));
}

TEST_F(AnexoACalc, SourcePageClosedCountsAsZero)
{
    StubSource(dm->cdsAnexoBP1, {{QStringLiteral("ii_r12_mop"), Currency::fromUnits(7)}});
    dm->cdsAnexoBP1.close();
    PostField(dm->cdsAnexoAP1, "I_R4_Mop", QStringLiteral("3"));
    EXPECT_EQ(Amount(dm->cdsAnexoAP1, "i_r5_mop"), Currency());
    EXPECT_EQ(Amount(dm->cdsAnexoAP1, "i_r15_mop"), Currency::fromUnits(3));
}

TEST_F(AnexoACalc, WorkedExamplesOfTheThreeSectors)
{
    ClientDataSet& general = dm->cdsAnexoAP1;
    PostField(general, "III_R1_Col1_Mop", QStringLiteral("100"));
    PostField(general, "III_R2_Col1_Mop", QStringLiteral("50"));
    PostField(general, "III_R3_Col1_Mop", QStringLiteral("30"));
    for (const char* line : {"iii_r10_col1_mop", "ii_r2_col1_mop", "ii_r2_col4_mop", "i_r2_mop"})
        EXPECT_EQ(Amount(general, line), Currency::fromUnits(120)) << line;
    for (const char* line : {"i_r3_mop", "i_r8_mop", "i_r13_mop", "i_r15_mop"})
        EXPECT_EQ(Amount(general, line), Currency::fromUnits(-120)) << line;

    ClientDataSet& insurance = dm->cdsAnexoASegP1;
    PostField(insurance, "I_R1_1_Mop", QStringLiteral("10"));
    PostField(insurance, "I_R3_Mop", QStringLiteral("5"));
    PostField(insurance, "I_R1_Mop_Per_Ant", QStringLiteral("4"));
    EXPECT_EQ(Amount(insurance, "i_r1_mop"), Currency::fromUnits(10));
    EXPECT_EQ(Amount(insurance, "i_r9_mop"), Currency::fromUnits(15));
    EXPECT_EQ(Amount(insurance, "i_r9_mop_per_ant"), Currency::fromUnits(4));

    ClientDataSet& bank = dm->cdsAnexoABankP2;
    PostField(bank, "V_R1_7_1_Mop", QStringLiteral("10"));
    PostField(bank, "V_R1_7_2_Mop", QStringLiteral("4"));
    PostField(bank, "V_R1_7_Mop_Per_Ant", QStringLiteral("3"));
    EXPECT_EQ(Amount(bank, "v_r1_7_mop"), Currency::fromUnits(6));
    EXPECT_EQ(Amount(bank, "v_r1_x_mop"), Currency::fromUnits(6));
    EXPECT_EQ(Amount(bank, "v_r1_x_mop_per_ant"), Currency::fromUnits(3));
}

TEST_F(AnexoACalc, OverflowedTotalsHoldZeroAreListedInOrderAndShowAsterisks)
{
    ClientDataSet& page = dm->cdsAnexoAP2;
    PostField(page, "IV_R111_Mop", kNearLimit);
    PostField(page, "IV_R112_Mop", kNearLimit);
    PostField(page, "IV_R121_Mop", QStringLiteral("5"));
    EXPECT_EQ(Amount(page, "iv_r11x_ttl"), Currency());
    EXPECT_TRUE(Flagged(page, "iv_r1xx_ttl")) << "a total over an overflowed subtotal";
    EXPECT_TRUE(Overflowed(page).startsWith(QStringLiteral("/iv_r11x_ttl//iv_r1xx_ttl/"))) << qPrintable(Overflowed(page));
    EXPECT_EQ(page.fieldByName(u"iv_r11x_ttl").displayText(), QStringLiteral("**********"));

    PostField(page, "IV_R2221_Mop_Per_Ant", kNearLimit);
    PostField(page, "IV_R2222_Mop_Per_Ant", kNearLimit);
    EXPECT_TRUE(Flagged(page, "iv_r222x_ttl_per_ant"));

    PostField(page, "IV_R112_Mop", QStringLiteral("1"));
    EXPECT_TRUE(Overflowed(page).startsWith(QStringLiteral("/iv_r222x_ttl_per_ant/"))) << qPrintable(Overflowed(page));
    EXPECT_FALSE(Overflowed(page).contains(QStringLiteral("/iv_r11x_ttl/")));
    EXPECT_EQ(Amount(page, "iv_r1xx_ttl"), Currency::parse(u"900000000000006"));
}

TEST_F(AnexoACalc, FormulaOverflowsOnlyWhenItsResultLeavesTheRange)
{
    ClientDataSet& page = dm->cdsAnexoAP1;
    PostField(page, "II_R1_Col1_Mop", QStringLiteral("600000000000000"));
    PostField(page, "I_R4_Mop", QStringLiteral("600000000000000"));
    PostField(page, "I_R6_Mop", QStringLiteral("500000000000000"));
    EXPECT_EQ(Amount(page, "i_r8_mop"), Currency::parse(u"700000000000000"));
    EXPECT_EQ(page.fieldByName(u"overflow_fields").asString(), QString());

    PostField(page, "I_R6_Mop", QStringLiteral("-500000000000000"));
    PostField(page, "I_R14_Mop", QStringLiteral("3"));
    EXPECT_EQ(Amount(page, "i_r8_mop"), Currency());
    // Line 15 is built on line 8 (through line 13): flagged too, not -3.
    EXPECT_EQ(Overflowed(page), QStringLiteral("/i_r8_mop//i_r13_mop//i_r15_mop/"));
    EXPECT_TRUE(Flagged(page, "i_r15_mop"));
}

}  // namespace
