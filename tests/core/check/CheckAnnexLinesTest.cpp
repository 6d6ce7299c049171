// The amount and item checks of the twelve annex pages: which lines each page looks at, with
// which labels and in which order.
#include "tests/core/check/CheckAnnexFixture.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct AnnexPage {
    int code;
    qx::ClientDataSet TdmMain::*dataSet;
};

const AnnexPage kAnnexPages[] = {
    {2011, &TdmMain::cdsAnexoAP1},    {2012, &TdmMain::cdsAnexoAP2},     {2111, &TdmMain::cdsAnexoASegP1},
    {2112, &TdmMain::cdsAnexoASegP2}, {2211, &TdmMain::cdsAnexoABankP1}, {2212, &TdmMain::cdsAnexoABankP2},
    {3011, &TdmMain::cdsAnexoBP1},    {3012, &TdmMain::cdsAnexoBP2},     {3111, &TdmMain::cdsAnexoBSegP1},
    {3212, &TdmMain::cdsAnexoBSegP2}, {3311, &TdmMain::cdsAnexoBBankP1}, {3312, &TdmMain::cdsAnexoBBankP2},
};

class CheckAnnexLines : public CheckAnnexFixture {
protected:
    qx::ClientDataSet& page(const AnnexPage& p) { return dm.get()->*p.dataSet; }

    // Sets every input field of the page that `wanted` accepts to `text`, posts, and returns the
    // names of the fields set.
    template <typename Pred>
    static QSet<QString> fillFields(qx::ClientDataSet& page, Pred wanted, const QString& text)
    {
        QSet<QString> names;
        page.edit();
        for (int i = 0; i < page.fieldCount(); ++i) {
            qx::Field& f = page.field(i);
            if (f.isData() && wanted(f)) {
                f.setAsString(text);
                names << f.fieldName();
            }
        }
        page.post();
        return names;
    }

    // The fields named by the page's findings with one of the codes.
    QSet<QString> fieldsWith(int objCode, const QStringList& codes)
    {
        QSet<QString> out;
        for (const AlertRow& r : Findings(objCode))
            if (codes.contains(r.code))
                out << r.fieldName;
        return out;
    }
};

// Every amount the user types on an annex page, current or previous period, is tested for
// decimals; negative amounts are allowed throughout, and calculated lines are never reported.
TEST_F(CheckAnnexLines, EveryInputAmountIsTestedForDecimalsButMayBeNegative)
{
    for (const AnnexPage& p : kAnnexPages) {
        const QSet<QString> amounts = fillFields(
            page(p), [](const qx::Field& f) { return f.dataType() == qx::FieldType::Currency; }, QStringLiteral("-0.5"));
        EXPECT_EQ(fieldsWith(p.code, {QStringLiteral("A-002"), QStringLiteral("A-004"), QStringLiteral("A-006")}),
                  amounts)
            << p.code;
        EXPECT_TRUE(fieldsWith(p.code, {QStringLiteral("A-001"), QStringLiteral("A-003"), QStringLiteral("A-005")})
                        .isEmpty())
            << p.code;
    }
}

TEST_F(CheckAnnexLines, EveryDescriptionWithoutAmountIsReported)
{
    for (const AnnexPage& p : kAnnexPages) {
        const QSet<QString> descriptions = fillFields(
            page(p), [](const qx::Field& f) { return f.fieldName().endsWith(QLatin1String("_Desc")); },
            QStringLiteral("x"));
        EXPECT_EQ(fieldsWith(p.code, {QStringLiteral("A-008")}), descriptions) << p.code;
        EXPECT_EQ(Codes(p.code).size(), descriptions.size()) << p.code;
    }
}

TEST_F(CheckAnnexLines, EachBankingLineIsFollowedByItsItemCheck)
{
    PostFields(dm->cdsAnexoABankP1,
               {{"II_R1_Mop", "0.5"}, {"II_R2_Desc", "x"}, {"IV_R4_Mop", "1.5"}, {"IV_R5_Mop", "2"}, {"I_R1_Mop", "3"}});
    EXPECT_EQ(Codes(2211), (QStringList{QStringLiteral("A-006 II_R1_Mop"), QStringLiteral("A-007 II_R1_Desc"),
                                        QStringLiteral("A-008 II_R2_Desc"), QStringLiteral("A-006 IV_R4_Mop"),
                                        QStringLiteral("A-007 IV_R5_Desc")}));
    const AlertRow item = Findings(2211)[1];
    EXPECT_EQ(item.chn, QStringLiteral("請輸入第II.1項之說明．"));
    EXPECT_EQ(item.por, QStringLiteral("Introduza a explicação para o Item II.1"));
}

TEST_F(CheckAnnexLines, AFrontLineWithACalculatedCurrentPeriodTestsItsPreviousPeriod)
{
    // Line 1 of the current period is a copy of the calculated II.1 total, which has decimals here.
    PostFields(dm->cdsAnexoAP1, {{"I_R1_Mop_Per_Ant", "10.25"}, {"II_R1_Col1_Mop", "0.5"}});
    const std::vector<AlertRow> rows = Findings(2011);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-004"));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("I_R1_Mop_Per_Ant"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「I.1」之前期金額(10.25)應只輸入整數．"));
    EXPECT_EQ(rows[0].por,
              QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do período anterior '10.25' do quadro 'I.1'"));
    EXPECT_EQ(rows[1].code, QStringLiteral("A-006"));
    EXPECT_EQ(rows[1].chn, QStringLiteral("欄位「II.1.商品及產品銷售收入」之金額(0.5)應只輸入整數．"));
    EXPECT_EQ(rows[1].por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro "
                                          "'II.1.Vendas de Mercadorias e Productos - Réditos'"));
}

TEST_F(CheckAnnexLines, LabelsInTwoLanguages)
{
    const struct {
        int code;
        qx::ClientDataSet TdmMain::*dataSet;
        const char* field;
        const char* chn;
        const char* por;
    } cases[] = {
        {2011, &TdmMain::cdsAnexoAP1, "III_R5_Col3_Mop", "欄位「III.5.產品」之金額(1.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro 'III.5.Produtos'"},
        {2111, &TdmMain::cdsAnexoASegP1, "II_R4_Col1_Mop", "欄位「II.4(直接業務)」之金額(1.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro 'II.4(De seguro directo)'"},
        {3212, &TdmMain::cdsAnexoBSegP2, "VII_R2_Col2_Mop", "欄位「VII.2(分保業務)」之金額(1.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro 'VII.2(De resseguro aceito)'"},
        {3311, &TdmMain::cdsAnexoBBankP1, "II_B_VI", "欄位「II.b).(vi).薪金總額」之金額(1.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro 'II.b).(vi).Montante salarial'"},
        {2011, &TdmMain::cdsAnexoAP1, "III_R2_Col2_Mop", "欄位「III.2.原材料」之金額(1.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro 'III.2.Matérias-Primas'"},
    };
    for (const auto& c : cases) {
        PostFields(dm.get()->*c.dataSet, {{c.field, "1.5"}});
        std::vector<AlertRow> rows;
        for (const AlertRow& r : Findings(c.code))
            if (r.fieldName == QLatin1String(c.field) && r.code == QLatin1String("A-006"))
                rows.push_back(r);
        ASSERT_EQ(rows.size(), 1u) << c.field;
        EXPECT_EQ(rows[0].chn, QString::fromUtf8(c.chn));
        EXPECT_EQ(rows[0].por, QString::fromUtf8(c.por));
    }
}

TEST_F(CheckAnnexLines, ADescriptionWithoutAmountOnAnexoB)
{
    PostFields(dm->cdsAnexoBP1, {{"I_R25_Desc", "Outros"}});
    const std::vector<AlertRow> rows = Findings(3011);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-008"));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("I_R25_Desc"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("欠缺輸入第I.25項之金額．"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Verifique se foi introduzido ou não o valor no item I.25"));
}

// On the back pages of Anexo A a free-text line counts as filled when either period has an amount.
TEST_F(CheckAnnexLines, BackPageItemsLookAtBothPeriods)
{
    PostFields(dm->cdsAnexoAP2, {{"IV_R114_Mop_Per_Ant", "5"}, {"IV_R211_Mop_Per_Ant", "5"}});
    EXPECT_EQ(Codes(2012), QStringList{QStringLiteral("A-007 IV_R114_Desc")});
    EXPECT_EQ(Findings(2012)[0].chn, QStringLiteral("請輸入第1.1.4項之說明．"));

    PostFields(dm->cdsAnexoABankP2, {{"V_R1_18_Mop_Per_Ant", "5"}, {"V_R2_2_1_Mop_Per_Ant", "5"}});
    EXPECT_EQ(Codes(2212), QStringList{QStringLiteral("A-007 V_R1_18_Desc")});
    EXPECT_EQ(Findings(2212)[0].por, QStringLiteral("Introduza a explicação para o Item V.1.18"));

    PostFields(dm->cdsAnexoASegP2, {{"III_R2229_Desc", "x"}, {"III_R2229_Mop_Per_Ant", "5"}, {"III_R111_Mop_Per_Ant", "5"}});
    EXPECT_EQ(Codes(2112), QStringList());
}

}  // namespace
