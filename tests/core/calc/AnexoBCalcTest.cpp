// Anexo B calculations of the three sectors: every input's effect on the section totals, the
// reconciliation of the Anexo A result on each back page, the lines taken across pages and
// overflow, which must reach Anexo A as 0 and never as a wrong amount under the asterisks.
#include "core/calc/CalcPageFixture.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class AnexoBCalc : public CalcPageFixture {
protected:
    void Recalculate(ClientDataSet& page)
    {
        QString visited;
        dm->RecalcDataSet(page, visited);
    }
};

TEST_F(AnexoBCalc, GeneralInputsReachTheirSectionTotalWithTheirSign)
{
    Sweep(dm->cdsAnexoBP1, {{"i_r28_mop", Names("I_R%1_Mop", 1, 19) + Names("I_R%1_Mop", 21, 27), {}},
                            {"ii_r12_mop", Names("II_R%1_Mop", 1, 11), {}},
                            {"iii_r12_mop", Names("III_R%1_Mop", 1, 11), {}}});
    Sweep(dm->cdsAnexoBP2, {{"iv_r8_mop", Names("IV_R%1_Mop", 1, 7), {}},
                            {"v_r8_mop", Names("V_R%1_Mop", 1, 7), {}},
                            {"vi_r6_mop", Names("VI_R%1_Mop", 1, 5), {}},
                            {"vii_r6_mop", Names("VII_R%1_Mop", 1, 5), {}},
                            {"viii_r11_mop", Names("VIII_R%1_Mop", 1, 3), Names("VIII_R%1_Mop", 6, 10)}});
}

TEST_F(AnexoBCalc, InsuranceInputsReachTheirSectionTotalWithTheirSign)
{
    Sweep(dm->cdsAnexoBSegP1,
          {{"i_r22_mop", Names("I_R%1_Mop", 3, 21) + Names("II_R%1_Mop", 1, 11) + Names("III_R%1_Mop", 1, 5), {}},
           {"iv_r8_mop", Names("IV_R%1_Mop", 1, 7), {}}});
    Sweep(dm->cdsAnexoBSegP2, {{"v_r8_mop", Names("V_R%1_Mop", 1, 7), {}},
                               {"vi_r12_mop", Names("VI_R%1_Mop", 1, 11), {}},
                               {"vii_r6_col1_mop", Names("VII_R%1_Col1_Mop", 1, 5), {}},
                               {"vii_r6_col2_mop", Names("VII_R%1_Col2_Mop", 1, 5), {}},
                               {"viii_r11_mop", Names("VIII_R%1_Mop", 1, 3), Names("VIII_R%1_Mop", 6, 10)}});
}

TEST_F(AnexoBCalc, BankingInputsReachTheirSectionTotalWithTheirSign)
{
    Sweep(dm->cdsAnexoBBankP1,
          {{"i_r28_mop", Names("I_R%1_Mop", 1, 20) + Names("I_R%1_Mop", 22, 27) + Names("III_R%1_Mop", 1, 7), {}},
           {"ii_r14_mop", Names("II_R%1_Mop", 1, 13), {}}});
    Sweep(dm->cdsAnexoBBankP2, {{"iv_r14_mop", Names("IV_R%1_Mop", 1, 13), {}},
                                {"v_r18_mop", Names("V_R%1_Mop", 1, 17), {}},
                                {"vi_r12_mop", Names("VI_R%1_Mop", 1, 3), Names("VI_R%1_Mop", 6, 11)}});
}

// Each back page reconciles its sector's Anexo A result, and the reconciled line goes back into
// the Anexo A balance sheet.
TEST_F(AnexoBCalc, BackPagesReconcileTheAnexoAResultOfTheirSector)
{
    PostField(dm->cdsAnexoAP1, "I_R4_Mop", QStringLiteral("100"));
    PostField(dm->cdsAnexoBP2, "VIII_R1_Mop", QStringLiteral("10"));
    PostField(dm->cdsAnexoBP2, "VIII_R6_Mop", QStringLiteral("3"));
    EXPECT_EQ(Amount(dm->cdsAnexoBP2, "viii_r4_mop"), Currency::fromUnits(10));
    EXPECT_EQ(Amount(dm->cdsAnexoBP2, "viii_r5_mop"), Currency::fromUnits(100));
    EXPECT_EQ(Amount(dm->cdsAnexoBP2, "viii_r11_mop"), Currency::fromUnits(107));
    Recalculate(dm->cdsAnexoAP2);
    EXPECT_EQ(Amount(dm->cdsAnexoAP2, "iv_r214_mop"), Currency::fromUnits(107));
    EXPECT_EQ(Amount(dm->cdsAnexoAP2, "iv_r2xxx_ttl"), Currency::fromUnits(107));

    PostField(dm->cdsAnexoBSegP2, "VIII_R2_Mop", QStringLiteral("5"));
    PostField(dm->cdsAnexoBSegP2, "VIII_R10_Mop", QStringLiteral("8"));
    EXPECT_EQ(Amount(dm->cdsAnexoBSegP2, "viii_r5_mop"), Currency());
    EXPECT_EQ(Amount(dm->cdsAnexoBSegP2, "viii_r11_mop"), Currency::fromUnits(-3));
    PostField(dm->cdsAnexoASegP1, "I_R3_Mop", QStringLiteral("20"));
    Recalculate(dm->cdsAnexoASegP2);
    EXPECT_EQ(Amount(dm->cdsAnexoBSegP2, "viii_r5_mop"), Currency::fromUnits(20));
    EXPECT_EQ(Amount(dm->cdsAnexoBSegP2, "viii_r11_mop"), Currency::fromUnits(17));
    EXPECT_EQ(Amount(dm->cdsAnexoASegP2, "iii_r214_mop"), Currency::fromUnits(17));
    EXPECT_EQ(Amount(dm->cdsAnexoASegP2, "iii_r2xxx_mop"), Currency::fromUnits(17));

    PostField(dm->cdsAnexoABankP1, "I_R1_Mop", QStringLiteral("50"));
    PostField(dm->cdsAnexoBBankP2, "VI_R1_Mop", QStringLiteral("10"));
    PostField(dm->cdsAnexoBBankP2, "VI_R6_Mop", QStringLiteral("4"));
    PostField(dm->cdsAnexoBBankP2, "VI_R11_Mop", QStringLiteral("1"));
    EXPECT_EQ(Amount(dm->cdsAnexoBBankP2, "vi_r4_mop"), Currency::fromUnits(10));
    EXPECT_EQ(Amount(dm->cdsAnexoBBankP2, "vi_r5_mop"), Currency::fromUnits(50));
    EXPECT_EQ(Amount(dm->cdsAnexoBBankP2, "vi_r12_mop"), Currency::fromUnits(55));
    Recalculate(dm->cdsAnexoABankP2);
    EXPECT_EQ(Amount(dm->cdsAnexoABankP2, "v_r2_2_4_mop"), Currency::fromUnits(55));
    EXPECT_EQ(Amount(dm->cdsAnexoABankP2, "v_r2_x_x_mop"), Currency::fromUnits(55));
}

TEST_F(AnexoBCalc, FrontPagesCarryTheirOwnAndTheBackPagesTotals)
{
    ClientDataSet& bank = dm->cdsAnexoBBankP1;
    PostField(bank, "III_R1_Mop", QStringLiteral("7"));
    PostField(bank, "I_R1_Mop", QStringLiteral("2"));
    EXPECT_EQ(Amount(bank, "iii_r8_mop"), Currency::fromUnits(7));
    EXPECT_EQ(Amount(bank, "i_r21_mop"), Currency::fromUnits(7));
    EXPECT_EQ(Amount(bank, "i_r28_mop"), Currency::fromUnits(9));

    ClientDataSet& insurance = dm->cdsAnexoBSegP1;
    PostField(insurance, "II_R3_Mop", QStringLiteral("4"));
    PostField(insurance, "III_R5_Mop", QStringLiteral("6"));
    EXPECT_EQ(Amount(insurance, "i_r1_mop"), Currency::fromUnits(4));
    EXPECT_EQ(Amount(insurance, "i_r2_mop"), Currency::fromUnits(6));
    EXPECT_EQ(Amount(insurance, "i_r22_mop"), Currency::fromUnits(10));

    // Line 20 of the general front page follows the back page once that page is computed.
    ClientDataSet& front = dm->cdsAnexoBP1;
    PostField(front, "I_R1_Mop", QStringLiteral("1"));
    PostField(dm->cdsAnexoBP2, "VII_R1_Mop", QStringLiteral("5"));
    EXPECT_EQ(Amount(front, "i_r20_mop"), Currency());
    Recalculate(front);
    EXPECT_EQ(Amount(front, "i_r20_mop"), Currency::fromUnits(5));
    EXPECT_EQ(Amount(front, "i_r28_mop"), Currency::fromUnits(6));
}

TEST_F(AnexoBCalc, OverflowedTotalReachesAnexoAFlagged)
{
    ClientDataSet& page = dm->cdsAnexoBP1;
    PostField(page, "I_R1_Mop", kNearLimit);
    PostField(page, "I_R2_Mop", kNearLimit);
    PostField(page, "II_R1_Mop", QStringLiteral("3"));
    EXPECT_EQ(Amount(page, "i_r28_mop"), Currency());
    EXPECT_EQ(Amount(page, "ii_r12_mop"), Currency::fromUnits(3));
    EXPECT_EQ(Overflowed(page), QStringLiteral("/i_r28_mop/"));
    EXPECT_EQ(page.fieldByName(u"i_r28_mop").displayText(), kAsterisks);

    PostField(dm->cdsAnexoAP1, "I_R4_Mop", QStringLiteral("10"));
    EXPECT_TRUE(Flagged(dm->cdsAnexoAP1, "i_r7_mop")) << "a copy of an overflowed line";
    EXPECT_TRUE(Flagged(dm->cdsAnexoAP1, "i_r15_mop"));

    // Two overflows on the back page: each listed once, in order; line 20 of the front copies the flag.
    ClientDataSet& back = dm->cdsAnexoBP2;
    PostField(back, "VII_R1_Mop", kNearLimit);
    PostField(back, "VII_R5_Mop", kNearLimit);
    PostField(back, "VIII_R1_Mop", kNearLimit);
    PostField(back, "VIII_R2_Mop", kNearLimit);
    EXPECT_TRUE(Overflowed(back).startsWith(QStringLiteral("/vii_r6_mop//viii_r4_mop/"))) << qPrintable(Overflowed(back));
    PostField(page, "I_R2_Mop", QStringLiteral("1"));
    Recalculate(page);
    EXPECT_EQ(Overflowed(page), QStringLiteral("/i_r20_mop//i_r28_mop/"));
    EXPECT_TRUE(Flagged(page, "i_r20_mop"));
    EXPECT_TRUE(Flagged(page, "i_r28_mop"));
}

TEST_F(AnexoBCalc, GeneralReconciliationStopsAtZeroWhenARunningDifferenceLeavesTheRange)
{
    ClientDataSet& page = dm->cdsAnexoBP2;
    PostField(page, "VIII_R1_Mop", kNearLimit);
    PostField(page, "VIII_R6_Mop", QStringLiteral("-") + kNearLimit);
    PostField(page, "VIII_R7_Mop", kNearLimit);
    EXPECT_EQ(Amount(page, "viii_r11_mop"), Currency());
    EXPECT_EQ(Overflowed(page), QStringLiteral("/viii_r11_mop/"));

    PostField(page, "VIII_R6_Mop", QStringLiteral("-1"));
    EXPECT_EQ(Amount(page, "viii_r11_mop"), Currency::fromUnits(1));
    EXPECT_EQ(Overflowed(page), QString());
}

// The partial sum of the insurance and banking reconciliations overflows: the reconciled line
// holds 0 under its asterisks, and the Anexo A balance sheet copies the flag, not lines 4 + 5.
TEST_F(AnexoBCalc, OverflowedPartialSumLeavesTheReconciledLineAtZero)
{
    const struct {
        ClientDataSet& resultPage;
        const char* resultInput;
        ClientDataSet& page;
        const char* first;
        const char* second;
        const char* line4Input;
        const char* reconciled;
        ClientDataSet& balance;
        const char* copied;
        const char* balanceInput;
        const char* balanceTotal;
    } cases[] = {
        {dm->cdsAnexoASegP1, "I_R3_Mop", dm->cdsAnexoBSegP2, "VIII_R6_Mop", "VIII_R9_Mop", "VIII_R1_Mop",
         "viii_r11_mop", dm->cdsAnexoASegP2, "iii_r214_mop", "III_R211_Mop", "iii_r2xxx_mop"},
        {dm->cdsAnexoABankP1, "I_R1_Mop", dm->cdsAnexoBBankP2, "VI_R6_Mop", "VI_R11_Mop", "VI_R1_Mop",
         "vi_r12_mop", dm->cdsAnexoABankP2, "v_r2_2_4_mop", "V_R2_2_1_Mop", "v_r2_x_x_mop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reconciled);
        PostField(c.resultPage, c.resultInput, QStringLiteral("20"));
        PostField(c.balance, c.balanceInput, QStringLiteral("4"));
        PostField(c.page, c.line4Input, QStringLiteral("10"));
        PostField(c.page, c.first, kNearLimit);
        PostField(c.page, c.second, kNearLimit);
        EXPECT_EQ(Amount(c.page, c.reconciled), Currency());
        EXPECT_EQ(Overflowed(c.page), QStringLiteral("/%1/").arg(QLatin1String(c.reconciled)));
        EXPECT_EQ(c.page.fieldByName(QLatin1String(c.reconciled)).displayText(), kAsterisks);
        Recalculate(c.balance);
        EXPECT_TRUE(Flagged(c.balance, c.copied));
        EXPECT_TRUE(Flagged(c.balance, c.balanceTotal));

        PostField(c.page, c.second, QStringLiteral("0"));
        EXPECT_EQ(Amount(c.page, c.reconciled), Currency::parse(u"-899999999999970"));
        EXPECT_EQ(Overflowed(c.page), QString());
    }
}

}  // namespace
