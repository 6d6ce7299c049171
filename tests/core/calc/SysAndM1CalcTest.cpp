// The settings record and the M/1 pages: defaults of a new record and the calculated lines.
#include "support/DmFixture.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class SysAndM1 : public DmFixture {
protected:
    static Currency Amount(const ClientDataSet& page, const char* name)
    {
        return page.fieldByName(QString::fromLatin1(name)).asCurrency();
    }
    static void Set(ClientDataSet& page, std::initializer_list<std::pair<const char*, int>> values)
    {
        page.edit();
        for (const auto& [name, units] : values)
            page.fieldByName(QString::fromLatin1(name)).setAsCurrency(Currency::fromUnits(units));
        page.post();
    }
    void SetSector(int sector) { PostField(dm->cdsSys, "Sector_ID", QString::number(sector)); }
};

TEST_F(SysAndM1, NewSettingsRecordHasNoSectorYet)
{
    ClientDataSet& sys = dm->cdsSys;
    EXPECT_EQ(sys.fieldByName(u"Form_Version").asString(), QStringLiteral("1.0"));
    EXPECT_EQ(sys.fieldByName(u"Sector_ID").asInteger(), -1);
    EXPECT_TRUE(sys.fieldByName(u"App_Log").isNull());
    EXPECT_EQ(sys.fieldByName(u"sector_chn").asString(), QStringLiteral("未選擇"));
}

TEST_F(SysAndM1, SectorTexts)
{
    const struct {
        int sector;
        const char16_t* chn;
        const char16_t* por;
    } cases[] = {
        {0, u"一般納稅人", u"Geral"},
        {11, u"保險業", u"Sector Segurador"},
        {21, u"銀行業", u"Sector Bancário"},
        {-1, u"未選擇", u"Ainda não seleccionou o sector da actividade pretendido"},
        {1, u"未選擇", u"Ainda não seleccionou o sector da actividade pretendido"},
    };
    for (const auto& c : cases) {
        SetSector(c.sector);
        EXPECT_EQ(dm->cdsSys.fieldByName(u"sector_chn").asString(), QString::fromUtf16(c.chn)) << c.sector;
        EXPECT_EQ(dm->cdsSys.fieldByName(u"sector_por").asString(), QString::fromUtf16(c.por)) << c.sector;
    }
}

TEST_F(SysAndM1, NewFrontPageDefaultsToThePreviousYear)
{
    for (const QDate today : {QDate(2009, 1, 1), QDate(2009, 6, 15), QDate(2009, 12, 31)}) {
        SetFixedNow(QDateTime(today, QTime(23, 59, 59)));
        ClientDataSet& front = dm->cdsM1P1;
        front.append();
        EXPECT_EQ(front.fieldByName(u"Ano_Exercicio").asInteger(), 2008);
        EXPECT_EQ(front.fieldByName(u"Periodo_de").asDate(), QDate(2008, 1, 1));
        EXPECT_EQ(front.fieldByName(u"Periodo_a").asDate(), QDate(2008, 12, 31));
        EXPECT_EQ(front.fieldByName(u"Periodo_a").displayText(), QStringLiteral("31/12/2008"));
        EXPECT_FALSE(front.fieldByName(u"Tipo_Contribuinte_Sociedade").asBoolean());
        EXPECT_TRUE(front.fieldByName(u"Data_da_Constituicao").isNull());
        front.cancel();
    }
}

TEST_F(SysAndM1, TaxpayerNameJoinsTheTrimmedPartsWithOneBlank)
{
    ClientDataSet& front = dm->cdsM1P1;
    const struct {
        const char16_t* first;
        const char16_t* second;
        const char16_t* joined;
    } cases[] = {
        {u"Companhia Lda   ", u"", u"Companhia Lda "},
        {u"  \t翠嶺公司\r\n", u" Filial ", u"翠嶺公司 Filial"},
        {u"", u"", u" "},
    };
    for (const auto& c : cases) {
        front.edit();
        front.fieldByName(u"Nome_Contribuinte_1").setAsString(QString::fromUtf16(c.first));
        front.fieldByName(u"Nome_Contribuinte_2").setAsString(QString::fromUtf16(c.second));
        front.post();
        EXPECT_EQ(front.fieldByName(u"nome_contribuinte").asString(), QString::fromUtf16(c.joined));
    }
}

TEST_F(SysAndM1, LineOneComesFromTheSectorsAnexoAFrontPage)
{
    // Each sector's source line holds its own value; the other pages' lines must not leak in.
    dm->cdsAnexoAP1.onCalcFields = [](ClientDataSet& ds) { ds.fieldByName(u"i_r15_mop").setAsCurrency(Currency::fromUnits(15)); };
    dm->cdsAnexoASegP1.onCalcFields = [](ClientDataSet& ds) { ds.fieldByName(u"i_r22_mop").setAsCurrency(Currency::fromUnits(22)); };
    dm->cdsAnexoABankP1.onCalcFields = [](ClientDataSet& ds) { ds.fieldByName(u"i_r16_mop").setAsCurrency(Currency::fromUnits(16)); };
    for (ClientDataSet* p : {&dm->cdsAnexoAP1, &dm->cdsAnexoASegP1, &dm->cdsAnexoABankP1})
        p->refresh();
    Set(dm->cdsM1P2, {{"R2_Mop", 100}});

    for (const auto& [sector, line1] : {std::pair{0, 15}, {11, 22}, {21, 16}}) {
        SetSector(sector);
        dm->cdsM1P2.refresh();
        EXPECT_EQ(Amount(dm->cdsM1P2, "r1_mop"), Currency::fromUnits(line1)) << sector;
        EXPECT_EQ(Amount(dm->cdsM1P2, "r21_mop"), Currency::fromUnits(line1 + 100)) << sector;
    }

    SetSector(-1);
    dm->cdsM1P2.refresh();
    EXPECT_TRUE(dm->cdsM1P2.fieldByName(u"r1_mop").isNull());
    EXPECT_EQ(dm->cdsM1P2.fieldByName(u"r1_mop").displayText(), QStringLiteral("--- "));
    EXPECT_EQ(Amount(dm->cdsM1P2, "r21_mop"), Currency::fromUnits(100));
}

TEST_F(SysAndM1, IncomeComputationLines)
{
    ClientDataSet& p = dm->cdsM1P2;
    // Line 21 = lines 2-20; line 32 = 21 - (22-31); line 36 = 32 - (33, 34, 35.1-35.3).
    Set(p, {{"R2_Mop", 1000}, {"R13_Mop", 200}, {"R20_Mop", 30}, {"R22_Mop", 100}, {"R31_Mop", 20},
            {"R33_Mop", 1}, {"R34_Mop", 2}, {"R35_1_Mop", 3}, {"R35_3_Mop", 4}, {"PC_de_Reducao", 50}});
    EXPECT_EQ(Amount(p, "r21_mop"), Currency::fromUnits(1230));
    EXPECT_EQ(Amount(p, "r32_mop"), Currency::fromUnits(1110));
    EXPECT_EQ(Amount(p, "r36_mop"), Currency::fromUnits(1100));
    EXPECT_EQ(p.fieldByName(u"overflow_fields").asString(), QString());

    // Deductions above line 21: a negative line 32 shows in parentheses.
    Set(p, {{"R22_Mop", 1500}});
    EXPECT_EQ(Amount(p, "r32_mop"), Currency::fromUnits(-290));
    EXPECT_EQ(p.fieldByName(u"r32_mop").displayText(), QStringLiteral("(290)"));
    EXPECT_EQ(p.fieldByName(u"r36_mop").displayText(), QStringLiteral("(300)"));
}

TEST_F(SysAndM1, DividendTotal)
{
    Set(dm->cdsM1P3, {{"Div_Lucros_Mop_R1", 1234567}, {"Div_Lucros_Mop_R8", 1}});
    EXPECT_EQ(Amount(dm->cdsM1P3, "div_lucros_mop_total"), Currency::fromUnits(1234568));
    EXPECT_EQ(dm->cdsM1P3.fieldByName(u"div_lucros_mop_total").displayText(), QStringLiteral("1,234,568 "));
}

}  // namespace
