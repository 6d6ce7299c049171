// The pension-fund block of the Anexo B front pages: "yes" needs every detail, no box ticked
// allows none, and "no" alone leaves the details alone.
#include "tests/core/check/CheckAnnexFixture.h"

#include <gtest/gtest.h>

namespace {

struct FrontPage {
    const char* name;
    int code;
    qx::ClientDataSet TdmMain::*dataSet;
    int firstMsgNo;
    const char* markChn;
    const char* markPor;
};

const FrontPage kFrontPages[] = {
    {"general", 3011, &TdmMain::cdsAnexoBP1, 53, " [一般行業]", " [Geral]"},
    {"insurance", 3111, &TdmMain::cdsAnexoBSegP1, 58, " [保險業]", " [Sector Segurador]"},
    {"banking", 3311, &TdmMain::cdsAnexoBBankP1, 63, " [銀行業]", " [Sector Bancário]"},
};

const char* const kDetails[] = {"II_B_II", "II_B_III", "II_B_IV", "II_B_V", "II_B_VI"};

const CheckAnnexFixture::FieldTexts kAllDetails = {
    {"II_B_II", "01/07/2015"}, {"II_B_III", "Fundo X"}, {"II_B_IV", "12"}, {"II_B_V", "5%"}, {"II_B_VI", "250000"}};
const CheckAnnexFixture::FieldTexts kNoDetails = {
    {"II_B_II", ""}, {"II_B_III", ""}, {"II_B_IV", "0"}, {"II_B_V", ""}, {"II_B_VI", "0"}};

class CheckAnnexPension : public CheckAnnexFixture {
protected:
    qx::ClientDataSet& page(const FrontPage& p) { return dm.get()->*p.dataSet; }
    void tick(const FrontPage& p, const char* yes, const char* no)
    {
        PostFields(page(p), {{"II_B_I_True", yes}, {"II_B_I_False", no}});
    }
    // "code field" for each detail, numbered from the page's first message.
    static QStringList allDetails(const FrontPage& p)
    {
        QStringList out;
        int msgNo = p.firstMsgNo;
        for (const char* field : kDetails)
            out << QStringLiteral("A-0%1 ").arg(msgNo++) + QString::fromLatin1(field);
        return out;
    }
};

TEST_F(CheckAnnexPension, YesNeedsEveryDetail)
{
    for (const FrontPage& p : kFrontPages) {
        tick(p, "True", "False");
        EXPECT_EQ(Codes(p.code), allDetails(p)) << p.name;
        const std::vector<AlertRow> rows = Findings(p.code);
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[0].chn, QStringLiteral("請輸入退休基金的設立日期") + QString::fromUtf8(p.markChn));
        EXPECT_EQ(rows[0].por, QStringLiteral("Por favor, insira a \"Data de adesão\".") + QString::fromUtf8(p.markPor));
        EXPECT_EQ(rows[4].chn, QStringLiteral("請輸入用作計算僱主對退休基金的負擔的薪金總額") + QString::fromUtf8(p.markChn));
        EXPECT_EQ(rows[4].por, QStringLiteral("Por favor, insira a \"Montante salarial sobre o qual incidio o cálculo da "
                                              "comparticipação anual da entidade patronal\".")
                                   + QString::fromUtf8(p.markPor));

        PostFields(page(p), kAllDetails);
        EXPECT_EQ(Codes(p.code), QStringList()) << p.name;
    }
}

TEST_F(CheckAnnexPension, NoBoxTickedAllowsNoDetail)
{
    for (const FrontPage& p : kFrontPages) {
        PostFields(page(p), kAllDetails);
        EXPECT_EQ(Codes(p.code), allDetails(p)) << p.name;

        PostFields(page(p), kNoDetails);
        EXPECT_EQ(Codes(p.code), QStringList()) << p.name;
    }
    PostFields(dm->cdsAnexoBP1, {{"II_B_III", "Fundo X"}});
    const std::vector<AlertRow> rows = Findings(3011);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-054"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("請勿輸入退休基金的管理實體名稱 [一般行業]"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Por favor, não insira a \"Nome da entidade gestora\". [Geral]"));
}

TEST_F(CheckAnnexPension, NoAloneLeavesTheDetailsAlone)
{
    for (const FrontPage& p : kFrontPages) {
        tick(p, "False", "True");
        EXPECT_EQ(Codes(p.code), QStringList()) << p.name;
        PostFields(page(p), kAllDetails);
        EXPECT_EQ(Codes(p.code), QStringList()) << p.name;
    }
}

TEST_F(CheckAnnexPension, BothTickedCountsAsYes)
{
    for (const FrontPage& p : kFrontPages) {
        tick(p, "True", "True");
        EXPECT_EQ(Codes(p.code), allDetails(p)) << p.name;
    }
}

TEST_F(CheckAnnexPension, EachDetailIsJudgedByItsOwnKindOfEmptiness)
{
    const FrontPage& p = kFrontPages[0];
    // A null count and a percentage never typed are missing; a negative salary total is given.
    PostFields(page(p), {{"II_B_I_True", "True"}, {"II_B_II", "31/12/2019"}, {"II_B_III", "Fundo X"}, {"II_B_IV", ""},
                         {"II_B_VI", "-1"}});
    EXPECT_EQ(Codes(p.code), (QStringList{QStringLiteral("A-055 II_B_IV"), QStringLiteral("A-056 II_B_V")}));
    EXPECT_EQ(Findings(p.code)[0].por, QStringLiteral("Por favor, insira a \"Núero de beneficiários\". [Geral]"));
    EXPECT_EQ(Findings(p.code)[1].chn, QStringLiteral("請輸入僱主對退休基金的負擔百分比 [一般行業]"));
}

TEST_F(CheckAnnexPension, TheSalaryTotalIsCheckedForDecimalsBeforeTheBlock)
{
    const FrontPage& p = kFrontPages[2];
    PostFields(page(p), {{"II_B_VI", "0.5"}, {"II_R13_Mop", "1"}, {"III_R1_Mop", "0.5"}});
    EXPECT_EQ(Codes(p.code), (QStringList{QStringLiteral("A-007 II_R13_Desc"), QStringLiteral("A-006 II_B_VI"),
                                           QStringLiteral("A-067 II_B_VI"), QStringLiteral("A-006 III_R1_Mop")}));
    EXPECT_EQ(Findings(p.code)[2].por,
              QStringLiteral("Por favor, não insira a \"Montante salarial sobre o qual incidio o cálculo da "
                             "comparticipação anual da entidade patronal\". [Sector Bancário]"));
}

}  // namespace
