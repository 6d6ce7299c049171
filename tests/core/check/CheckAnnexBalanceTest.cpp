// Total assets against total equity and liabilities on the back page of each Anexo A variant,
// for the current and the previous period.
#include "tests/core/check/CheckAnnexFixture.h"

#include <gtest/gtest.h>

namespace {

struct BalanceCase {
    const char* name;
    int code;
    qx::ClientDataSet TdmMain::*dataSet;
    const char* asset;      // an input line of the assets (current period)
    const char* liability;  // an input line of equity and liabilities (current period)
    const char* assetsTotal;
    int currentMsgNo;
    const char* liabilitiesChn;  // how the Chinese text names the second total
    const char* markChn;
    const char* markPor;
};

const BalanceCase kVariants[] = {
    {"general", 2012, &TdmMain::cdsAnexoAP2, "IV_R111_Mop", "IV_R211_Mop", "iv_r1xx_ttl", 47, "權益和負債總額",
     " [一般行業]", " [Geral]"},
    {"insurance", 2112, &TdmMain::cdsAnexoASegP2, "III_R111_Mop", "III_R211_Mop", "iii_r1xx_mop", 49,
     "權益和負債總額", " [保險業]", " [Sector Segurador]"},
    {"banking", 2212, &TdmMain::cdsAnexoABankP2, "V_R1_1_Mop", "V_R2_1_1_Mop", "v_r1_x_mop", 51, "負債和權益總額",
     " [銀行業]", " [Sector Bancário]"},
};

QByteArray prev(const char* field) { return QByteArray(field) + "_Per_Ant"; }

class CheckAnnexBalance : public CheckAnnexFixture {
protected:
    qx::ClientDataSet& page(const BalanceCase& v) { return dm.get()->*v.dataSet; }
    void post(const BalanceCase& v, const QByteArray& field, const char* text)
    {
        PostFields(page(v), {{field.constData(), text}});
    }
};

TEST_F(CheckAnnexBalance, AnAssetWithoutLiabilitiesInEachVariant)
{
    for (const BalanceCase& v : kVariants) {
        post(v, v.asset, "100");
        const std::vector<AlertRow> rows = Findings(v.code);
        ASSERT_EQ(rows.size(), 1u) << v.name;
        const AlertRow& r = rows[0];
        EXPECT_EQ(r.code, QStringLiteral("A-0%1").arg(v.currentMsgNo)) << v.name;
        EXPECT_EQ(r.fieldName, QString::fromLatin1(v.assetsTotal)) << v.name;
        EXPECT_EQ(r.type, 10);
        EXPECT_EQ(r.chn, QStringLiteral("本期「資產總額」(100)不等於「") + QString::fromUtf8(v.liabilitiesChn)
                             + QStringLiteral("」(0)") + QString::fromUtf8(v.markChn))
            << v.name;
        EXPECT_EQ(r.por, QStringLiteral("O valor do período (100) do \"total dos activos\" deve ser igual o valor (0) "
                                        "\"total dos capitais próprios e passivos\"")
                             + QString::fromUtf8(v.markPor))
            << v.name;

        post(v, v.liability, "100");
        EXPECT_EQ(Codes(v.code), QStringList()) << v.name;
    }
}

TEST_F(CheckAnnexBalance, ThePreviousPeriodIsComparedOnItsOwn)
{
    for (const BalanceCase& v : kVariants) {
        post(v, prev(v.liability), "-120");
        post(v, prev(v.asset), "1234.5");
        const std::vector<AlertRow> rows = Findings(v.code);
        ASSERT_EQ(rows.size(), 2u) << v.name;  // the decimals of the asset line, then the balance
        const AlertRow& r = rows[1];
        EXPECT_EQ(r.code, QStringLiteral("A-0%1").arg(v.currentMsgNo + 1)) << v.name;
        EXPECT_EQ(r.fieldName, QString::fromLatin1(v.assetsTotal) + QStringLiteral("_per_ant")) << v.name;
        EXPECT_EQ(r.por, QStringLiteral("O valor do período anterior (1234.5) do \"total dos activos\" deve ser igual "
                                        "o valor (-120) \"total dos capitais próprios e passivos\"")
                             + QString::fromUtf8(v.markPor))
            << v.name;
        if (v.code == 2212) {
            // Worded without the opening parenthesis before the second total.
            EXPECT_EQ(r.chn, QStringLiteral("前期「資產總額」(1234.5)不等於「負債和權益總額」-120) [銀行業]"));
        } else {
            EXPECT_EQ(r.chn, QStringLiteral("前期「資產總額」(1234.5)不等於「權益和負債總額」(-120)") + QString::fromUtf8(v.markChn))
                << v.name;
        }
    }
}

TEST_F(CheckAnnexBalance, TotalsAreComparedExactly)
{
    for (const BalanceCase& v : kVariants) {
        PostFields(page(v), {{v.asset, "900000000000000"}, {v.liability, "899999999999999.9999"}});
        EXPECT_EQ(Codes(v.code), (QStringList{QStringLiteral("A-002 ") + QString::fromLatin1(v.liability),
                                              QStringLiteral("A-0%1 ").arg(v.currentMsgNo) + QString::fromLatin1(v.assetsTotal)}))
            << v.name;
        EXPECT_TRUE(Findings(v.code).back().chn.contains(QStringLiteral("(900000000000000)不等於")));
        EXPECT_TRUE(Findings(v.code).back().chn.contains(QStringLiteral("899999999999999.9999)")));
        post(v, v.liability, "900000000000000");
        EXPECT_EQ(Codes(v.code), QStringList()) << v.name;
    }
}

// A partial total that did not fit holds 0 and gets its overflow finding, as does the total built
// on it; the balance is still judged on the totals as the page holds them.
TEST_F(CheckAnnexBalance, AnOverflowedPeriodIsStillComparedOnItsTotals)
{
    const BalanceCase& v = kVariants[0];
    PostFields(dm->cdsAnexoAP2, {{"IV_R111_Mop", "922337203685477"},
                                 {"IV_R112_Mop", "922337203685477"},
                                 {"IV_R211_Mop", "5"},
                                 {"IV_R111_Mop_Per_Ant", "7"}});
    EXPECT_EQ(Codes(v.code), (QStringList{QStringLiteral("A-012 iv_r11x_ttl"), QStringLiteral("A-012 iv_r1xx_ttl"),
                                          QStringLiteral("A-047 iv_r1xx_ttl"),
                                          QStringLiteral("A-048 iv_r1xx_ttl_per_ant")}));
}

}  // namespace
