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

// The auto-calc buttons of M/1 page 2: the target and its source for the general, insurance and
// banking sectors (one source for all three where the sector plays no part).
const struct {
    const char* button;
    const char* target;
    const char* general;
    const char* insurance;
    const char* banking;
} kM1CalcButtons[] = {
    {"SpeedButton1", "R2_Mop", "cdsM3P1.1_r3_col6_mop", nullptr, nullptr},
    {"SpeedButton2", "R3_Mop", "cdsM4P1.1_r8_col8_mop", nullptr, nullptr},
    {"SpeedButton3", "R6_Mop", "cdsAnexoBP1.III_R7_Mop", "cdsAnexoBSegP2.VI_R7_Mop", "cdsAnexoBBankP2.V_R7_Mop"},
    {"SpeedButton4", "R10_Mop", "cdsAnexoAP1.I_R14_Mop", "cdsAnexoASegP1.I_R21_Mop", "cdsAnexoABankP1.I_R15_Mop"},
    {"SpeedButton5", "R12_Mop", "cdsAnexoBP1.II_R9_Mop", "cdsAnexoBSegP1.II_R9_Mop", "cdsAnexoBBankP1.II_R9_Mop"},
    {"SpeedButton6", "R23_Mop", "cdsM4P1.1_r8_col4_mop", nullptr, nullptr},
    {"SpeedButton14", "R24_Mop", "cdsM4P1.1_r8_col6_mop", nullptr, nullptr},
};

// A sector-dependent button has no source without a sector.
TEST(M1CalcRules, EachButtonTakesItsSourceBySector)
{
    const auto text = [](const std::optional<FieldSource>& s) {
        return s ? (s->dataSet + QLatin1Char('.') + s->field).toStdString() : std::string("none");
    };
    for (const auto& row : kM1CalcButtons) {
        const M1CalcButton* b = M1CalcButtonFor(QString::fromLatin1(row.target));
        ASSERT_NE(b, nullptr) << row.target;
        EXPECT_STREQ(b->button, row.button);
        const bool bySector = row.insurance != nullptr;
        EXPECT_EQ(text(M1CalcSource(*b, 0)), row.general);
        EXPECT_EQ(text(M1CalcSource(*b, 11)), bySector ? row.insurance : row.general);
        EXPECT_EQ(text(M1CalcSource(*b, 21)), bySector ? row.banking : row.general);
        EXPECT_EQ(text(M1CalcSource(*b, -1)), bySector ? "none" : row.general);
    }
    EXPECT_EQ(M1CalcButtons().size(), std::size(kM1CalcButtons));
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
