// The depreciation-rate table: its fixed rows, its self-check and its display.
#include "core/module/TdmMain.h"
#include "core/rates/RateTypeText.h"
#include "core/rates/RateYears.h"
#include "core/rates/TaxRateRows.h"
#include "platform/data/Currency.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using qx::Currency;

Currency cur(const char* text)
{
    return Currency::parse(QString::fromLatin1(text));
}

class RateTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        dmMain = &dm;
        ds.createDataSet();
    }
    void TearDown() override { dmMain = nullptr; }

    QString text(const char* field) const { return ds.fieldByName(QString::fromLatin1(field)).asString(); }

    // Appends one row and posts it (the self-check runs).
    void postRow(const QString& codigo, const QString& tipoChn, const char* taxa, const char* anos)
    {
        ds.append();
        ds.fieldByName(u"Codigo").setAsString(codigo);
        ds.fieldByName(u"Tipo_Chn").setAsString(tipoChn);
        ds.fieldByName(u"Taxa").setAsCurrency(cur(taxa));
        ds.fieldByName(u"No_de_Anos").setAsCurrency(cur(anos));
        ds.post();
    }

    // The text of the error that refuses the post, or "" when the post goes through.
    QString refusal(const QString& codigo, const QString& tipoChn, const char* taxa, const char* anos)
    {
        try {
            postRow(codigo, tipoChn, taxa, anos);
        } catch (const qx::DataSetError& e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }

    TdmMain dm;
    qx::ClientDataSet& ds = dm.cdsTaxMaxReintAmor;
};

TEST_F(RateTable, BuildFillsTheSixtyFourRowsInOrder)
{
    ASSERT_TRUE(dm.BuildTaxMaxReintAmor(QStringLiteral("折舊率"), QStringLiteral("Taxas")));
    ASSERT_EQ(ds.recordCount(), 64);
    EXPECT_EQ(ds.recNo(), 1);

    const QSet<int> headers{1, 10, 20, 28, 35, 38, 42, 47, 55, 63, 64};
    const auto rows = TaxMaxReintAmorRows();
    for (int n = 1; n <= 64; ++n) {
        SCOPED_TRACE(n);
        ds.setRecNo(n);
        const TaxRateRow& row = rows[n - 1];
        EXPECT_EQ(ds.fieldByName(u"Is_Header").asBoolean(), headers.contains(n));
        EXPECT_EQ(text("Codigo"), QString::fromUtf8(row.codigo));
        // Type texts are stored whole.
        EXPECT_EQ(text("Tipo_Chn"), QString::fromUtf8(row.tipoChn));
        EXPECT_EQ(text("Tipo_Por"), QString::fromUtf8(row.tipoPor));
        // An empty note takes the type text.
        EXPECT_FALSE(text("Obs_Chn").isEmpty());
        if (!QByteArray(row.obsChn).isEmpty())
            EXPECT_EQ(text("Obs_Chn"), QString::fromUtf8(row.obsChn));
        else
            EXPECT_EQ(text("Obs_Chn"), text("Tipo_Chn"));
    }

    ds.setRecNo(2);
    EXPECT_EQ(text("Codigo"), QStringLiteral("1.1"));
    EXPECT_EQ(ds.fieldByName(u"Taxa").asCurrency(), cur("2"));
    EXPECT_EQ(ds.fieldByName(u"No_de_Anos").asCurrency(), cur("50"));
    ds.setRecNo(8);
    EXPECT_EQ(ds.fieldByName(u"Taxa").asCurrency(), cur("14.29"));
    // Rows 60 to 62 can be chosen and give a rate of 0.
    for (int n : {60, 61, 62}) {
        ds.setRecNo(n);
        EXPECT_FALSE(ds.fieldByName(u"Is_Header").asBoolean());
        EXPECT_TRUE(ds.fieldByName(u"Taxa").asCurrency().isZero());
    }
}

TEST_F(RateTable, PortugueseNotesLongerThanTheFieldKeepTheirFirst200Characters)
{
    dm.BuildTaxMaxReintAmor(QString(), QString());
    const auto rows = TaxMaxReintAmorRows();
    int cut = 0;
    for (int n = 1; n <= 64; ++n) {
        SCOPED_TRACE(n);
        ds.setRecNo(n);
        const QString full = QString::fromUtf8(rows[n - 1].obsPor);
        if (full.size() > 200) {
            ++cut;
            EXPECT_EQ(text("Obs_Por"), full.left(200));
        } else if (!full.isEmpty()) {
            EXPECT_EQ(text("Obs_Por"), full);
        }
    }
    EXPECT_EQ(cut, 4);  // rows 45, 54, 57 and 64

    ds.setRecNo(64);
    EXPECT_EQ(text("Obs_Por").size(), 200);
    EXPECT_TRUE(text("Obs_Por").startsWith(QStringLiteral("O contribuinte deverá propor a taxa de amortização")));
    // Rows 44 and 56 have no Portuguese type text and so no Portuguese note.
    for (int n : {44, 56}) {
        ds.setRecNo(n);
        EXPECT_TRUE(text("Tipo_Por").isEmpty());
        EXPECT_TRUE(text("Obs_Por").isEmpty());
    }
}

TEST_F(RateTable, BuildReplacesWhateverTheTableHeld)
{
    postRow(QStringLiteral("9.9"), QStringLiteral("舊"), "10", "10");
    dm.BuildTaxMaxReintAmor(QString(), QString());
    dm.BuildTaxMaxReintAmor(QString(), QString());
    EXPECT_EQ(ds.recordCount(), 64);
    EXPECT_FALSE(ds.locate(QStringLiteral("Codigo"), {QStringLiteral("9.9")}));
}

TEST_F(RateTable, RebuildingTheSameRowsLeavesNothingToSave)
{
    postRow(QStringLiteral("9.9"), QStringLiteral("舊"), "10", "10");
    ds.mergeChangeLog();
    dm.BuildTaxMaxReintAmor(QString(), QString());
    EXPECT_GT(ds.changeCount(), 0) << "a table that differed from the fixed rows must be saved";
    ds.mergeChangeLog();
    dm.BuildTaxMaxReintAmor(QString(), QString());
    EXPECT_EQ(ds.changeCount(), 0) << "the fixed rows again are no change";
}

TEST_F(RateTable, SearchingACodeFindsTheLeasedLandRowFirst)
{
    dm.BuildTaxMaxReintAmor(QString(), QString());
    ASSERT_TRUE(ds.locate(QStringLiteral("Codigo"), {QStringLiteral("1.1")}));
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_TRUE(text("Tipo_Chn").contains(QStringLiteral("(批租地)")));
    EXPECT_EQ(ds.fieldByName(u"Taxa").asCurrency(), cur("2.00"));
    ASSERT_TRUE(ds.locate(QStringLiteral("Codigo"), {QStringLiteral("1.2")}));
    EXPECT_EQ(ds.recNo(), 4);
}

TEST_F(RateTable, ZeroRateAndYearsShowAsBlankCells)
{
    dm.BuildTaxMaxReintAmor(QString(), QString());
    ds.setRecNo(1);
    EXPECT_TRUE(ds.fieldByName(u"Taxa").displayText().trimmed().isEmpty());
    EXPECT_TRUE(ds.fieldByName(u"No_de_Anos").displayText().trimmed().isEmpty());
    ds.setRecNo(8);
    EXPECT_EQ(ds.fieldByName(u"Taxa").displayText(), QStringLiteral("14.29%"));
    EXPECT_EQ(ds.fieldByName(u"No_de_Anos").displayText(), QStringLiteral("7"));
}

TEST_F(RateTable, SelfCheckRefusesRatesThatDisagreeWithTheYears)
{
    EXPECT_EQ(refusal(QStringLiteral("6.1"), QStringLiteral("機器"), "10.00", "11"),
              QStringLiteral("6.1之Taxa與年數不吻合\r\nA taxa de 6.1 não corresponde ao número de anos"));
    // The refused row stays unposted.
    EXPECT_EQ(ds.state(), qx::DataSetState::Insert);
    ds.cancel();
    EXPECT_EQ(ds.recordCount(), 0);

    EXPECT_EQ(refusal(QStringLiteral("6.2"), QStringLiteral("機器"), "-1", "0"),
              QStringLiteral("攤折率不應為負數\r\nA taxa não deve ser negativa"));
    ds.cancel();
    EXPECT_EQ(refusal(QStringLiteral("9.5"), QStringLiteral("轉移"), "0", "5"),
              QStringLiteral("年數應為零\r\nO número de anos deve ser zero"));
    ds.cancel();
    // Private land takes 0.8 of the leased-land years: 2 % there is 40 years, not 50.
    EXPECT_FALSE(refusal(QStringLiteral("1.1"), QStringLiteral("居住(私家地)"), "2.00", "50").isEmpty());
    ds.cancel();
}

TEST_F(RateTable, SelfCheckAcceptsRoundedRatesAndFillsEmptyNotes)
{
    EXPECT_TRUE(refusal(QStringLiteral("1.5"), QStringLiteral("碼頭"), "14.29", "7").isEmpty());
    EXPECT_TRUE(refusal(QStringLiteral("1.1"), QStringLiteral("居住(私家地)"), "1.60", "50").isEmpty());
    EXPECT_TRUE(refusal(QStringLiteral("9.6"), QStringLiteral("商標"), "0", "0").isEmpty());
    EXPECT_EQ(text("Obs_Chn"), QStringLiteral("商標"));
    EXPECT_EQ(ds.recordCount(), 3);
}

// Many Portuguese types are longer than the Tipo field of the asset lists: cut to its width they
// are taken by every list, and stay the start of the type.
TEST(RateTypeText, EveryTypeCutToTheTipoFieldOfTheListsIsTakenAndStartsLikeTheType)
{
    TdmMain dm;
    dmMain = &dm;
    int cut = 0;
    for (qx::ClientDataSet* list : {&dm.cdsM3VCLF, &dm.cdsM3AAli, &dm.cdsM3AAba}) {
        list->createDataSet();
        list->append();
        qx::Field& tipo = list->fieldByName(u"Tipo");
        for (const TaxRateRow& row : TaxMaxReintAmorRows()) {
            for (const QString type : {QString::fromUtf8(row.tipoPor), QString::fromUtf8(row.tipoChn)}) {
                const QString shown = CutToFieldWidth(type, tipo);
                EXPECT_TRUE(type.startsWith(shown));
                EXPECT_NO_THROW(tipo.setAsString(shown)) << qPrintable(type);
                cut += shown != type;
            }
        }
        list->cancel();
    }
    EXPECT_GT(cut, 0);
    // Never inside a character: a Chinese character takes two bytes.
    EXPECT_EQ(CutToFieldWidth(QString::fromUtf8("a房屋建築"), 4), QString::fromUtf8("a房"));
    EXPECT_EQ(CutToFieldWidth(QString::fromUtf8("ção"), 3), QString::fromUtf8("ção"));
    dmMain = nullptr;
}

TEST(RateMatchesYears, HalfAYearIsTheExactLimit)
{
    // 100 / 40 % = 2.5 years.
    EXPECT_TRUE(RateMatchesYears(cur("40"), cur("3"), false));
    EXPECT_TRUE(RateMatchesYears(cur("40"), cur("2"), false));
    EXPECT_FALSE(RateMatchesYears(cur("40"), cur("3.0001"), false));
    EXPECT_FALSE(RateMatchesYears(cur("40"), cur("1.9999"), false));
    // 0.8 x 100 / 1.6 % = 50 years on private land.
    EXPECT_TRUE(RateMatchesYears(cur("1.6"), cur("50"), true));
    EXPECT_FALSE(RateMatchesYears(cur("1.6"), cur("62.5"), true));
    EXPECT_TRUE(RateMatchesYears(cur("16.66"), cur("6"), false));
    EXPECT_TRUE(RateMatchesYears(cur("8.33"), cur("12"), false));
}

TEST(RateMatchesYears, ExtremeValuesNeitherOverflowNorMatch)
{
    EXPECT_FALSE(RateMatchesYears(Currency::max(), Currency::max(), false));
    EXPECT_FALSE(RateMatchesYears(Currency::fromRaw(1), Currency::max(), false));
    EXPECT_FALSE(RateMatchesYears(Currency::fromRaw(1), Currency::min(), true));
    EXPECT_TRUE(RateMatchesYears(Currency::fromRaw(1), cur("1000000"), false));  // 0.0001 %: a million years
    EXPECT_TRUE(RateMatchesYears(Currency::max(), Currency(), false));
}

}  // namespace
