// The rules of the M/3 first sheet and of both M/4 pages on a freshly opened folder.
#include "tests/core/check/CheckPageFixture.h"
#include "tests/core/check/QStringPrinter.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace {

using qx::Currency;

class CheckM3M4Test : public CheckPageFixture {
protected:
    // The M/3 summary with the given calculated values (the rest null), checked again.
    void checkM3Summary(std::map<QString, QString> calculated)
    {
        dm->cdsM3P1.onCalcFields = [calculated](qx::ClientDataSet& ds) {
            for (const auto& [name, text] : calculated)
                ds.fieldByName(name).setAsString(text);
        };
        dm->cdsM3P1.refresh();
        dm->CheckForms(&dm->cdsM3P1);
    }

    // Adds rows to the asset list with the given amounts, without the list's own row checks.
    void addAssets(std::initializer_list<FieldTexts> rows)
    {
        dm->cdsM3VCLF.beforePost = nullptr;
        dm->cdsM3VCLF.afterPost = nullptr;
        for (const FieldTexts& row : rows) {
            dm->cdsM3VCLF.append();
            for (const auto& [field, text] : row)
                dm->cdsM3VCLF.fieldByName(QString::fromUtf8(field)).setAsString(QString::fromUtf8(text));
            dm->cdsM3VCLF.post();
        }
    }

    // M/4 page 1 with its own calculation, then `field` set to `value` in every calculation.
    void overrideM4P1(const char* field, Currency value)
    {
        dm->cdsM4P1.onCalcFields = [this, field, value](qx::ClientDataSet& ds) {
            dm->cdsM4P1CalcFields(ds);
            ds.fieldByName(QString::fromUtf8(field)).setAsCurrency(value);
        };
        dm->cdsM4P1.refresh();
    }
};

const QStringList kSummaryRules{"A-087", "A-068", "A-088", "A-089", "A-069", "A-070", "A-071",
                                "A-072", "A-074", "A-075", "A-076", "A-077"};
const QStringList kTotalRules{"A-069", "A-070", "A-071", "A-074", "A-075", "A-076", "A-077"};

// ---- M/3 first sheet ----

TEST_F(CheckM3M4Test, M3InputColumnsOfTheBooksMayNotBeNegativeThoseOfTheTaxLawMay)
{
    PostFields(dm->cdsM3P1, {{"1_R1_Col1_Mop", "-10"}, {"1_R1_Col2_Mop", "2.5"}, {"1_R1_Col6_Mop", "-0.5"},
                             {"1_R2_Col1_Mop", "-7.25"}});
    EXPECT_EQ(findings(4011, {"A-005", "A-006"}),
              (QStringList{"A-005 1_R1_Col1_Mop", "A-006 1_R2_Col1_Mop", "A-006 1_R1_Col2_Mop",
                           "A-005 1_R1_Col6_Mop", "A-006 1_R1_Col6_Mop"}));
    const auto rows = AlertsOf(dm->cdsAlert, 4011);
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「1.根據會計帳目.1」之金額(-10)不能輸入負數．"));
    EXPECT_EQ(rows[1].por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro "
                                          "'1.Conforme a legislação fiscal.1'"));
}

TEST_F(CheckM3M4Test, M3OpeningCostMustNotFallBelowOpeningDepreciation)
{
    checkM3Summary({});  // the calculated columns stay empty
    PostFields(dm->cdsM3P1, {{"1_R1_Col1_Mop", "100"}, {"1_R1_Col5_Mop", "100"}});
    EXPECT_TRUE(findings(4011, kSummaryRules).isEmpty());

    PostFields(dm->cdsM3P1, {{"1_R1_Col5_Mop", "101"}});
    EXPECT_EQ(findings(4011, kSummaryRules), QStringList{"A-068 1_R1_Col5_Mop"});
    const AlertRow r = rowsWith(4011, "A-068").at(0);
    EXPECT_EQ(r.chn, QStringLiteral("「資產之變動及攤折」頁內第一行「根據會計帳目」之第(1)欄位購入成本「期初結餘」之金額(100)"
                                    "應大於第(5)欄位之累計攤折「期初結餘」金額(101)"));
    EXPECT_TRUE(r.por.startsWith(QStringLiteral("O valor (100) constante do quadro 1 "))) << qPrintable(r.por);

    // The same on the tax-law line, whose column 5 is calculated.
    PostFields(dm->cdsM3P1, {{"1_R1_Col5_Mop", "0"}, {"1_R2_Col1_Mop", "50"}});
    checkM3Summary({{"1_r2_col5_mop", "50"}});
    EXPECT_TRUE(findings(4011, {"A-072"}).isEmpty());
    checkM3Summary({{"1_r2_col5_mop", "50.5"}});
    const AlertRow tax = rowsWith(4011, "A-072").at(0);
    EXPECT_EQ(tax.fieldName, QStringLiteral("1_r2_col5_mop"));
    EXPECT_TRUE(tax.chn.contains(QStringLiteral("之金額(50)應大於第(5)欄位累計攤折「期初結餘」之金額(50.5)"))) << qPrintable(tax.chn);
    EXPECT_TRUE(tax.por.startsWith(QStringLiteral("O valor (50) constante do quadro 1 "))) << qPrintable(tax.por);
    EXPECT_TRUE(tax.por.contains(QStringLiteral("linha 2 \"conforme a legislação fiscal\""))) << qPrintable(tax.por);
    EXPECT_TRUE(tax.por.contains(QStringLiteral("(50.5)"))) << qPrintable(tax.por);
}

TEST_F(CheckM3M4Test, M3ClosingColumnsOfTheBooksMayNotBeNegative)
{
    checkM3Summary({{"1_r1_col4_mop", "-1"}, {"1_r1_col8_mop", "-0.5"}, {"1_r1_col9_mop", "0"}});
    EXPECT_EQ(findings(4011, kSummaryRules), (QStringList{"A-087 1_r1_col4_mop", "A-088 1_r1_col8_mop"}));
    const AlertRow r = rowsWith(4011, "A-088").at(0);
    EXPECT_EQ(r.chn, QStringLiteral("「資產之變動及攤折」頁內第一行「根據會計帳目」之第(8)欄位累計攤折「期未結餘」之金額(-0.5)不能為負數"));
    EXPECT_TRUE(r.por.startsWith(QStringLiteral("O valor (-0.5) constante do quadro 8 "))) << qPrintable(r.por);
    EXPECT_TRUE(r.por.endsWith(QStringLiteral("não deve ser negativa."))) << qPrintable(r.por);

    checkM3Summary({{"1_r1_col9_mop", "-3"}});
    EXPECT_EQ(findings(4011, kSummaryRules), QStringList{"A-089 1_r1_col9_mop"});
}

TEST_F(CheckM3M4Test, M3TaxLawLineAgainstAnEmptyListCountsTheTotalsAsZero)
{
    checkM3Summary({});
    EXPECT_TRUE(findings(4011, kSummaryRules).isEmpty());

    checkM3Summary({{"1_r2_col3_mop", "1"}, {"1_r2_col4_mop", "0"}, {"1_r2_col5_mop", "2"}, {"1_r2_col6_mop", "3"},
                    {"1_r2_col7_mop", "4"}, {"1_r2_col8_mop", "-5"}, {"1_r2_col9_mop", "6.5"}});
    EXPECT_EQ(findings(4011, kTotalRules),
              (QStringList{"A-069 1_r2_col3_mop", "A-071 1_r2_col5_mop", "A-074 1_r2_col6_mop", "A-075 1_r2_col7_mop",
                           "A-076 1_r2_col8_mop", "A-077 1_r2_col9_mop"}));
    const AlertRow r = rowsWith(4011, "A-077").at(0);
    EXPECT_EQ(r.chn, QStringLiteral("「資產之變動及攤折」頁內第二行「根據稅務法例」之第(9)欄位「帳面凈值」之金額(6.5)應等於"
                                    "「根據稅務法例計算之攤折」頁內第(8)欄位「帳面凈值」之總和(0)"));
    EXPECT_EQ(r.por, QStringLiteral("O valor 6.5 constante do quadro 9 \"valor escriturado líquido\" da linha 2 \"conforme a "
                                    "legislação fiscal\" do movimento do período do mapa de depreciações e amortizações "
                                    "dos activos, deve ser igual ao total 0 do quadro 8 \"valor líquido\" dos \"valores "
                                    "calculados conforme a legislação fiscal\""));
}

TEST_F(CheckM3M4Test, M3TaxLawLineMustEqualTheListTotals)
{
    addAssets({{{"Col1_Mop", "1000"}, {"Col2_Mop", "200.5"}, {"Col4_Mop", "300"}, {"Col5_Mop", "50"}, {"Col6_Mop", "0"}},
               {{"Col1_Mop", "500"}, {"Col2_Mop", "0"}, {"Col4_Mop", "100"}, {"Col5_Mop", "25"}, {"Col6_Mop", "10"}}});
    // Totals: (2) 200.5, (3) 1299.5, (4) 400, (5) 75, (6) 10, (7) 465, (8) 834.5.
    checkM3Summary({{"1_r2_col3_mop", "200.5"}, {"1_r2_col4_mop", "1299.5"}, {"1_r2_col5_mop", "400"},
                    {"1_r2_col6_mop", "75"}, {"1_r2_col7_mop", "10"}, {"1_r2_col8_mop", "465"},
                    {"1_r2_col9_mop", "834.5"}});
    EXPECT_TRUE(findings(4011, kTotalRules).isEmpty());

    checkM3Summary({{"1_r2_col3_mop", "200"}, {"1_r2_col4_mop", "1299.5"}, {"1_r2_col5_mop", "400"},
                    {"1_r2_col6_mop", "75"}, {"1_r2_col7_mop", "10"}, {"1_r2_col8_mop", "465"},
                    {"1_r2_col9_mop", "834.5001"}});
    EXPECT_EQ(findings(4011, kTotalRules), (QStringList{"A-069 1_r2_col3_mop", "A-077 1_r2_col9_mop"}));
    const AlertRow r = rowsWith(4011, "A-069").at(0);
    EXPECT_TRUE(r.chn.endsWith(QStringLiteral("之金額(200)應等於「根據稅務法例計算之攤折」頁內第(2)欄位「變賣及報銷」之總和(200.5)")))
        << qPrintable(r.chn);
    EXPECT_TRUE(r.por.contains(QStringLiteral("deve ser igual ao total (200.5) do quadro 2"))) << qPrintable(r.por);
}

// A list total beyond the range of amounts reads as null; the summary line is still reported,
// with the total shown as an amount that did not fit, never passed as 0 = 0.
TEST_F(CheckM3M4Test, M3ListTotalBeyondTheAmountRangeIsNeverTakenAsZero)
{
    addAssets({{{"Col1_Mop", "500000000000000"}, {"Col2_Mop", "500000000000000"}},
               {{"Col1_Mop", "500000000000000"}, {"Col2_Mop", "500000000000000"}}});
    checkM3Summary({{"1_r2_col3_mop", "0"}, {"1_r2_col4_mop", "0"}});
    EXPECT_EQ(findings(4011, {"A-069", "A-070"}), QStringList{"A-069 1_r2_col3_mop"});
    const AlertRow r = rowsWith(4011, "A-069").at(0);
    EXPECT_TRUE(r.chn.endsWith(QStringLiteral("之總和(**********)"))) << qPrintable(r.chn);
    EXPECT_TRUE(r.por.contains(QStringLiteral("ao total (**********) do quadro 2"))) << qPrintable(r.por);
}

// ---- M/4 page 1 ----

TEST_F(CheckM3M4Test, M4FreeLineFourIsNamedByItsTwoDescriptions)
{
    PostFields(dm->cdsM4P1, {{"1_R4_Desc_1", ""}, {"1_R4_Desc_2", ""}});
    EXPECT_TRUE(findings(6011).isEmpty());

    PostFields(dm->cdsM4P1, {{"1_R4_Desc_1", "  "}, {"1_R4_Desc_2", " Garantias\t"}});
    EXPECT_EQ(findings(6011), QStringList{"A-079 1_R4_Col1_Mop"});
    const AlertRow named = rowsWith(6011, "A-079").at(0);
    EXPECT_EQ(named.chn, QStringLiteral("請輸入Garantias之金額 (第四行)"));
    EXPECT_EQ(named.por, QStringLiteral("Introduza o valor (Garantias - linha 4)"));

    PostFields(dm->cdsM4P1, {{"1_R4_Desc_2", ""}, {"1_R4_Col3_Mop", "1.5"}});
    const AlertRow unnamed = rowsWith(6011, "A-078").at(0);
    EXPECT_EQ(unnamed.fieldName, QStringLiteral("1_R4_Desc_1"));
    EXPECT_EQ(unnamed.chn, QStringLiteral("請輸入第四行備用金項目"));
    EXPECT_EQ(unnamed.por, QStringLiteral("Introduza os itens das provisões (linha 4)"));
    const AlertRow decimals = rowsWith(6011, "A-006").at(0);
    EXPECT_EQ(decimals.chn, QStringLiteral("欄位「第四行 - 本期變動 - 使用 - 稅則認許部分 (3)」之金額(1.5)應只輸入整數．"));
    EXPECT_EQ(decimals.por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro 'linha 4 - "
                                           "Movimentos do período - Utilização - Importâncias consideradas para efeitos "
                                           "fiscais (3)'"));
}

TEST_F(CheckM3M4Test, M4FreeLinesFiveToSevenNeedNameAndAmountTogether)
{
    PostFields(dm->cdsM4P1, {{"1_R6_Desc", "Litígios"}, {"1_R5_Col8_Mop", "10"}});
    EXPECT_EQ(findings(6011), (QStringList{"A-080 1_R5_Desc", "A-081 1_R6_Col2_Mop"}));
    const auto a080 = rowsWith(6011, "A-080").at(0);
    EXPECT_EQ(a080.chn, QStringLiteral("請輸入第5行備用金項目"));
    EXPECT_EQ(a080.por, QStringLiteral("Introduza os itens das provisões (Row 5)"));
    const auto a081 = rowsWith(6011, "A-081").at(0);
    EXPECT_EQ(a081.chn, QStringLiteral("請輸入Litígios之金額"));
    EXPECT_EQ(a081.por, QStringLiteral("Introduza o valor (Litígios)"));
}

TEST_F(CheckM3M4Test, M4ReversalsMayBeNegativeOnlyOnTheFirstFourLines)
{
    PostFields(dm->cdsM4P1, {{"1_R1_Col5_Mop", "-5"}, {"1_R1_Col3_Mop", "-2"}, {"1_R5_Desc", "Outras"},
                             {"1_R5_Col2_Mop", "100"}, {"1_R5_Col6_Mop", "-5"}, {"2_R2_Col5_Mop", "-1"}});
    EXPECT_EQ(findings(6011, {"A-005", "A-006"}),
              (QStringList{"A-005 1_R1_Col3_Mop", "A-005 1_R5_Col6_Mop", "A-005 2_R2_Col5_Mop"}));
    const auto rows = rowsWith(6011, "A-005");
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「呆帳備用金 - 本期變動 - 使用 - 稅則認許部分 (3)」之金額(-2)不能輸入負數．"));
    EXPECT_EQ(rows[1].por, QStringLiteral("Não deve introduzir-se valores negativa '-5' para o valor do quadro 'Outras - "
                                          "Movimentos do período - Reposição - Importâncias não consideradas para "
                                          "efeitos fiscais (6)'"));
    EXPECT_EQ(rows[2].chn, QStringLiteral("欄位「2.存貨跌價損失.直接沖銷之壞帳費用或存貨跌價損失.(5)」之金額(-1)不能輸入負數．"));
}

TEST_F(CheckM3M4Test, M4UsesAndReversalsMayNotExceedTheOpeningBalance)
{
    // Line 2: uses above the opening balance leave nothing to reverse either.
    PostFields(dm->cdsM4P1, {{"1_R2_Col1_Mop", "60"}, {"1_R2_Col2_Mop", "40"}, {"1_R2_Col3_Mop", "101"}});
    EXPECT_EQ(findings(6011), (QStringList{"A-082 1_r2_col3_col4_sum", "A-083 1_r2_col5_col6_sum"}));

    // Line 3: reversals above what the uses left.
    PostFields(dm->cdsM4P1, {{"1_R2_Col3_Mop", "100"}, {"1_R3_Col1_Mop", "100"}, {"1_R3_Col4_Mop", "30"},
                             {"1_R3_Col5_Mop", "70"}});
    EXPECT_TRUE(findings(6011).isEmpty());
    PostFields(dm->cdsM4P1, {{"1_R3_Col6_Mop", "1"}});
    EXPECT_EQ(findings(6011), QStringList{"A-083 1_r3_col5_col6_sum"});

    // Line 7: the same on the columns the tax rules do not admit.
    PostFields(dm->cdsM4P1, {{"1_R3_Col6_Mop", "0"}, {"1_R7_Desc", "Outras"}, {"1_R7_Col2_Mop", "50"},
                             {"1_R7_Col4_Mop", "51"}});
    EXPECT_EQ(findings(6011), (QStringList{"A-085 1_R7_Col4_Mop", "A-086 1_R7_Col6_Mop"}));
    PostFields(dm->cdsM4P1, {{"1_R7_Col4_Mop", "20"}, {"1_R7_Col6_Mop", "31"}});
    EXPECT_EQ(findings(6011), (QStringList{"A-086 1_R7_Col6_Mop"}));
    PostFields(dm->cdsM4P1, {{"1_R7_Col6_Mop", "30"}});
    EXPECT_TRUE(findings(6011).isEmpty());
}

TEST_F(CheckM3M4Test, M4AdmittedClosingBalanceAgainstTheRoundedLimitOfTableTwo)
{
    // 2 % of 1225 is 24.5, rounded 25; 3 % of 1234 is 37.02, rounded 37.
    PostFields(dm->cdsM4P1, {{"2_R1_Col1_Mop", "1225"}, {"1_R1_Col1_Mop", "25"}, {"2_R2_Col1_Mop", "1234"},
                             {"1_R2_Col7_Mop", "37"}});
    EXPECT_TRUE(findings(6011).isEmpty());

    PostFields(dm->cdsM4P1, {{"1_R1_Col1_Mop", "26"}, {"1_R2_Col7_Mop", "38"}});
    EXPECT_EQ(findings(6011), (QStringList{"A-084 1_r1_col9_mop", "A-084 1_r2_col9_mop"}));
    EXPECT_TRUE(rowsWith(6011, "A-084").at(1).por.startsWith(QStringLiteral("Row 2 - O valor do quadro 9 ")));
}

TEST_F(CheckM3M4Test, M4LimitsAtTheEdgeOfTheAmountRangeAreComparedWithoutOverflow)
{
    // A limit that rounds up past the largest amount: nothing exceeds it.
    PostFields(dm->cdsM4P1, {{"1_R1_Col1_Mop", "900000000000000"}});
    overrideM4P1("2_r1_col3_mop", Currency::max());
    dm->CheckForms(&dm->cdsM4P1);
    EXPECT_TRUE(findings(6011, {"A-084", "A-090"}).isEmpty()) << qPrintable(findings(6011).join(u','));

    // One that rounds down past the smallest: everything does.
    overrideM4P1("2_r1_col3_mop", Currency::min());
    dm->CheckForms(&dm->cdsM4P1);
    EXPECT_EQ(findings(6011, {"A-084", "A-090"}), QStringList{"A-084 1_r1_col9_mop"});
}

TEST_F(CheckM3M4Test, M4DifferencesBeyondTheAmountRangeAreComparedExactly)
{
    // Opening minus uses is 1.8e15, beyond the range of amounts: a small reversal is fine.
    PostFields(dm->cdsM4P1, {{"1_R1_Col1_Mop", "900000000000000"}, {"1_R1_Col3_Mop", "-900000000000000"},
                             {"1_R1_Col5_Mop", "100"},
                             {"1_R5_Desc", "Outras"}, {"1_R5_Col2_Mop", "900000000000000"},
                             {"1_R5_Col4_Mop", "-900000000000000"}, {"1_R5_Col6_Mop", "100"}});
    EXPECT_TRUE(findings(6011, {"A-083", "A-086", "A-090"}).isEmpty()) << qPrintable(findings(6011).join(u','));

    // And below the range: any reversal is too much.
    PostFields(dm->cdsM4P1, {{"1_R1_Col1_Mop", "-900000000000000"}, {"1_R1_Col3_Mop", "900000000000000"},
                             {"1_R5_Col2_Mop", "-900000000000000"}, {"1_R5_Col4_Mop", "900000000000000"}});
    EXPECT_EQ(findings(6011, {"A-083", "A-086", "A-090"}),
              (QStringList{"A-083 1_r1_col5_col6_sum", "A-086 1_R5_Col6_Mop"}));
}

// ---- M/4 page 2 ----

TEST_F(CheckM3M4Test, M4TechnicalProvisionsReportOnlyDecimals)
{
    PostFields(dm->cdsM4P2, {{"3_PRC_R1_Col2_Mop", "-5"}, {"3_PM_R2_Col3_Mop", "0.5"}, {"3_PS_R4_Col6_Mop", "1.25"},
                             {"3_PS_R1_Col5_Mop", "-2.5"}});
    EXPECT_EQ(findings(6012), (QStringList{"A-006 3_PM_R2_Col3_Mop", "A-006 3_PS_R1_Col5_Mop", "A-006 3_PS_R4_Col6_Mop"}));
    const auto rows = AlertsOf(dm->cdsAlert, 6012);
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「數值準備金.2.增加.非法定(3)」之金額(0.5)應只輸入整數．"));
    EXPECT_EQ(rows[2].chn, QStringLiteral("欄位「賠償準備金.4.減少.分保公司參與之技術準備金.非法定(6)」之金額(1.25)應只輸入整數．"));
    EXPECT_EQ(rows[2].por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro 'Provisões para "
                                          "sinistros - 4.Redução - Participação dos reseguros nas provisões técnicas - "
                                          "Facultativas (6)'"));

    // Only the page's own findings are replaced.
    PostFields(dm->cdsM4P1, {{"1_R4_Desc_1", "X"}});
    const QStringList before = findings(6011);
    PostFields(dm->cdsM4P2, {{"3_PM_R2_Col3_Mop", "0"}});
    EXPECT_EQ(findings(6012).size(), 2);
    EXPECT_EQ(findings(6011), before);
}

}  // namespace
