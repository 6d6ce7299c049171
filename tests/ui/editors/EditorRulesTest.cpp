// The editors' own rules as plain functions: tick groups, auto-calc sources and values, print codes
// and the variant descriptions checked against the page layouts.
#include "platform/layout/PageLayout.h"
#include "support/DmFixture.h"
#include "ui/editors/AnnexCalcValue.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/editors/M1AutoCalc.h"
#include "ui/editors/M1PrintCodes.h"
#include "ui/editors/M4Pages.h"
#include "ui/editors/TickGroups.h"

namespace {

using qx::Currency;
using qx::ExactSum;

class TickGroupRules : public DmFixture {};

TEST_F(TickGroupRules, TickingOneSetsEveryOtherToFalseNullIncluded)
{
    qx::ClientDataSet& p1 = dm->cdsM1P1;
    const TickGroup* group = M1TickGroupOf(1, QStringLiteral("Tipo_de_Declaracao_Suspensao"));
    ASSERT_NE(group, nullptr);
    EXPECT_STREQ(group->handler, "DBCheckBox5Click");
    PostFields(p1, {{"Tipo_de_Declaracao_Normal", "True"}, {"Tipo_de_Declaracao_Cancelamento", ""}});
    p1.edit();
    p1.fieldByName(u"Tipo_de_Declaracao_Suspensao").setAsBoolean(true);
    ApplyTickGroup(p1, group->fields, QStringLiteral("Tipo_de_Declaracao_Suspensao"), false);
    EXPECT_EQ(p1.fieldByName(u"Tipo_de_Declaracao_Normal").asString(), QStringLiteral("False"));
    EXPECT_EQ(p1.fieldByName(u"Tipo_de_Declaracao_Cancelamento").asString(), QStringLiteral("False"));
    EXPECT_TRUE(p1.fieldByName(u"Tipo_de_Declaracao_Suspensao").asBoolean());

    // Unticking changes nothing else; outside edit state nothing happens.
    p1.fieldByName(u"Tipo_de_Declaracao_Normal").clear();
    p1.fieldByName(u"Tipo_de_Declaracao_Suspensao").setAsBoolean(false);
    ApplyTickGroup(p1, group->fields, QStringLiteral("Tipo_de_Declaracao_Suspensao"), false);
    EXPECT_TRUE(p1.fieldByName(u"Tipo_de_Declaracao_Normal").isNull());
    p1.post();
}

TEST_F(TickGroupRules, PairSetsTheOtherToFalseOnlyWhenTrue)
{
    qx::ClientDataSet& p1 = dm->cdsAnexoBP1;
    for (const char* other : {"", "True"}) {
        PostFields(p1, {{"II_B_I_False", other}, {"II_B_I_True", "True"}});
        p1.edit();
        ApplyTickGroup(p1, IIBIPairFields(), QStringLiteral("II_B_I_True"), true);
        EXPECT_EQ(p1.fieldByName(u"II_B_I_False").asString(), QString::fromLatin1(*other ? "False" : ""));
        p1.post();
    }
}

TEST_F(TickGroupRules, GroupsCoverTheirPagesFieldsAndAreDisjoint)
{
    QStringList seen;
    for (const TickGroup& g : M1TickGroups()) {
        qx::ClientDataSet& ds = g.page == 1 ? dm->cdsM1P1 : dm->cdsM1P3;
        for (const QString& f : g.fields) {
            EXPECT_NE(ds.findField(f), nullptr) << f.toStdString();
            EXPECT_FALSE(seen.contains(f));
            seen << f;
        }
    }
    EXPECT_EQ(M1TickGroupOf(1, QStringLiteral("Enderecados_ao_ACT")), nullptr);
}

TEST(M1CalcRules, SourceBySector)
{
    const M1CalcButton* b4 = M1CalcButtonFor(QStringLiteral("R10_Mop"));
    ASSERT_NE(b4, nullptr);
    EXPECT_STREQ(b4->button, "SpeedButton4");
    EXPECT_EQ(M1CalcSource(*b4, 21), (FieldSource{"cdsAnexoABankP1", "I_R15_Mop"}));
    EXPECT_EQ(M1CalcSource(*b4, 11), (FieldSource{"cdsAnexoASegP1", "I_R21_Mop"}));
    EXPECT_EQ(M1CalcSource(*b4, -1), std::nullopt);
    const M1CalcButton* b1 = M1CalcButtonFor(QStringLiteral("R2_Mop"));
    EXPECT_EQ(M1CalcSource(*b1, -1), (FieldSource{"cdsM3P1", "1_r3_col6_mop"}));
    EXPECT_EQ(M1CalcButtons().size(), 7u);
}

TEST(M1PrintRules, PageCodesOnA4AndA3)
{
    const int a4[] = {1011, 1012, 1013, 1014};
    const int a3[] = {1011, 1012, 1012, 1011};
    for (int page = 1; page <= 4; ++page) {
        EXPECT_EQ(M1PrintPageCode(page, true), a4[page - 1]);
        EXPECT_EQ(M1PrintPageCode(page, false), a3[page - 1]);
    }
    EXPECT_FALSE(M4Page2Shown(0));
    EXPECT_TRUE(M4Page2Shown(11));
    EXPECT_FALSE(M4Page2Shown(21));
    EXPECT_FALSE(M4Page2Shown(-1));
}

TEST(AnnexCalcRules, DifferencesAndSumsAreExact)
{
    const Currency big = Currency::fromRaw(INT64_MAX - 3);
    const Currency one = Currency::fromUnits(1);
    struct Case {
        const char* name;
        ExactSum from, minus;
        Currency expected;
    } cases[] = {
        {"gain", Currency::fromUnits(1000), ExactSum(), Currency::fromUnits(1000)},
        {"loss proposed as 0", ExactSum(), Currency::fromUnits(1000), Currency()},
        {"both null", ExactSum(), ExactSum(), Currency()},
        {"large minus negative stays exact", big, Currency::fromRaw(-3), Currency::max()},
        {"both beyond range cancel", ExactSum{big, big}, ExactSum{big, big, -one}, one},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClampedDifference(c.from, c.minus), c.expected) << c.name;
    EXPECT_THROW(ClampedDifference(Currency::max(), Currency::fromRaw(-1)), qx::CurrencyOverflow);
}

class AnnexSums : public DmFixture {};

TEST_F(AnnexSums, SevenFieldSumKeepsEveryDigitAndOverflowsOnlyBeyondTheRange)
{
    qx::ClientDataSet& m4 = dm->cdsM4P1;
    const AnnexCalcButton* fab3 = AnnexCalcButtonFor(AnnexVariantOf(QStringLiteral("TFormFillAnexoB")),
                                                     QStringLiteral("V_R3_Mop"));
    ASSERT_NE(fab3, nullptr);
    // 123,456,789,012,345 + 7 (beyond a double's 15-16 digits once in ten-thousandths).
    PostFields(m4, {{"1_R5_Col6_Mop", "123456789012345"}, {"1_R6_Col6_Mop", "7"}, {"1_R7_Col6_Mop", ""}});
    EXPECT_EQ(AnnexCalcValue(*dm, *fab3), Currency::parse(u"123456789012352"));
    PostFields(m4, {{"1_R5_Col6_Mop", "900000000000000"}, {"1_R6_Col6_Mop", "900000000000000"}});
    EXPECT_THROW(AnnexCalcValue(*dm, *fab3), qx::CurrencyOverflow);
    PostFields(m4, {{"1_R7_Col6_Mop", "-900000000000000"}});
    EXPECT_EQ(AnnexCalcValue(*dm, *fab3), Currency::parse(u"900000000000000"));
}

TEST(AnnexVariantRules, DescriptionsAgreeWithTheLayouts)
{
    ASSERT_EQ(AnnexVariants().size(), 6u);
    for (const AnnexVariant& v : AnnexVariants()) {
        for (int p = 0; p < 2; ++p) {
            const AnnexPage& page = v.pages[size_t(p)];
            const qx::PageLayout& layout = qx::pageLayout(QString::fromLatin1(page.layout));
            const QString first = QStringLiteral("DBEditP%1_First").arg(p + 1);
            const QString last = QStringLiteral("DBEditP%1_Last").arg(p + 1);
            for (const qx::Box& box : layout.boxes) {
                if (box.name == first) {
                    EXPECT_EQ(box.field, QLatin1String(page.firstField)) << v.editor;
                }
                if (box.name == last) {
                    EXPECT_EQ(box.field, QLatin1String(page.lastField)) << v.editor;
                }
                if (box.kind == qx::BoxKind::CalcButton) {
                    const AnnexCalcButton* b = AnnexCalcButtonFor(v, box.field);
                    ASSERT_NE(b, nullptr) << v.editor << " " << box.field.toStdString();
                    EXPECT_EQ(b->page, p + 1);
                }
                if (box.kind == qx::BoxKind::DateButton) {
                    EXPECT_TRUE(v.dateButton && p == 0 && box.field == QLatin1String("II_B_II"));
                }
            }
        }
    }
    const MessageTexts fab4 = AnnexOverflowMessage(QStringLiteral("FAB-004"));
    EXPECT_EQ(fab4.chn, QStringLiteral("數值溢位，超出系統可處理之限額．(壞帳)"));
    EXPECT_EQ(fab4.por, QStringLiteral("O número de dígitos do valor ultrapassa o limite de processamento do sistema. "
                                       "(Crêditos incobrâveis)"));
    EXPECT_EQ(AnnexOverflowMessage(QStringLiteral("FABS-002")).chn, QStringLiteral("數值溢位，超出系統可處理之限額．"));
}

}  // namespace
