// The checks of an M/3 list row before its post: every finding with its exact text, the order
// and layout of several findings in one dialog, the rows that pass, and rows whose amounts lie
// at the ends of the currency range.
#include "AssetListFixture.h"

namespace {

const QString kHeadingChn = QStringLiteral("請修正以下問題：(M/3)\r\n\r\n");
const QString kHeadingPor = QStringLiteral("Corrija as seguinte falhas: (M/3)\r\n\r\n");

class M3RowChecks : public AssetListFixture {
protected:
    // Posts the row; returns the finding texts of its DM-012 dialog (empty when it posted).
    std::pair<QString, QString> Findings(Values values)
    {
        messages.clear();
        const int before = dm->cdsM3VCLF.recordCount();
        const bool posted = AppendRow(dm->cdsM3VCLF, values);
        EXPECT_EQ(dm->cdsM3VCLF.recordCount(), before + (posted ? 1 : 0));
        if (posted) {
            EXPECT_TRUE(messages.shown.empty());
            return {};
        }
        const ShownMessage m = OnlyMessage();
        EXPECT_EQ(m.code, QStringLiteral("DM-012"));
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.eng.isEmpty());
        EXPECT_TRUE(m.chn.startsWith(kHeadingChn)) << m.chn.toStdString();
        EXPECT_TRUE(m.por.startsWith(kHeadingPor)) << m.por.toStdString();
        return {m.chn.mid(kHeadingChn.size()), m.por.mid(kHeadingPor.size())};
    }
};

// Amounts that pass every check, with a known code and type.
#define M3_ROW {"Codigo", "1.1"}, {"Tipo", "Escritório"}, {"Col1_Mop", "1000"}

TEST_F(M3RowChecks, ASoundRowPostsWithoutAMessage)
{
    EXPECT_EQ(Findings({M3_ROW, {"Col4_Mop", "400"}, {"Col5_Mop", "600"}, {"DA_Taxas", "12.5"}}),
              (std::pair<QString, QString>{}));
    EXPECT_EQ(Findings({M3_ROW, {"DA_Taxas", "12.25"}, {"DA_Meses", "12"}}), (std::pair<QString, QString>{}));
    // Acquisition and prior periods may be negative.
    EXPECT_EQ(Findings({{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "-5"}, {"Col4_Mop", "-7"}}),
              (std::pair<QString, QString>{}));
}

TEST_F(M3RowChecks, AnEmptyRowPostsEvenWithTypeAndRate)
{
    EXPECT_EQ(Findings({{"Tipo", "Máquina"}, {"DA_Taxas", "10"}}), (std::pair<QString, QString>{}));
    const int row = dm->cdsM3VCLF.recordCount();
    EXPECT_EQ(Cell(dm->cdsM3VCLF, row, "Col1_Mop"), QStringLiteral("0"));  // null amounts stored as 0
    EXPECT_EQ(Cell(dm->cdsM3VCLF, row, "DA_Meses"), QStringLiteral("0"));
}

TEST_F(M3RowChecks, EachFindingAlone)
{
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> values;
        const char* chn;
        const char* por;
    } cases[] = {
        {"unknown code", {{"Codigo", "9.99"}, {"Tipo", "x"}, {"Col1_Mop", "1"}},
         "請根據「固定資產重置與攤折之最高率表」輸入編號",
         "Introduza o número de acordo com a \"tabela das taxas máximas de reintegração e amortização\""},
        {"code compared exactly", {{"Codigo", "1.1 "}, {"Tipo", "x"}, {"Col1_Mop", "1"}},
         "請根據「固定資產重置與攤折之最高率表」輸入編號",
         "Introduza o número de acordo com a \"tabela das taxas máximas de reintegração e amortização\""},
        {"no amount nor rate", {{"Ano_Aqu", "2020"}}, "尚未輸入任何金額或攤折率",
         "Ainda não foi introduzido qualquer valor nem taxa de reintegração e amortização"},
        {"no amount", {{"Mes_Ini_de_Util", "3"}, {"DA_Taxas", "5"}}, "尚未輸入任何金額",
         "Ainda não foi introduzido qualquer valor nem amortização"},
        {"type missing", {{"Codigo", "1.1"}, {"Col1_Mop", "1"}}, "請輸入「類別」", "Introduza o \"tipo\""},
        {"decimals in (1)", {M3_ROW, {"Col1_Mop", "1000.5"}}, "欄位「(1).購入價值」之金額(1000.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro '(1).Value de aquisição'"},
        {"negative (2)", {M3_ROW, {"Col2_Mop", "-5"}}, "欄位「(2).變賣或報銷」之金額(-5)應只輸入正數．",
         "Deve introduzir-se apenas valores positivos no quadro '(2).Alienado ou abatido'"},
        {"net value negative", {M3_ROW, {"Col2_Mop", "1001"}}, "資產成本的「期未結餘」不能為負數",
         "O \"valor líquido\" do \"aquisições, alienações e abates\" não deve ser negativa"},
        {"decimals in (4)", {M3_ROW, {"Col4_Mop", "0.0001"}}, "欄位「(4).期初累計攤折」之金額(0.0001)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro '(4).De períodos anteriores'"},
        {"prior above acquisition", {M3_ROW, {"Col4_Mop", "1001"}}, "「期初累計攤折」不應大於「購入價值」",
         "\"Depreciações / amortizações dos períodos anteriores\" não devem exceder o \"valor de aquisição\""},
        {"rate with three decimals", {M3_ROW, {"DA_Taxas", "12.125"}}, "「攤折率」(12.125)小數點後多於2位數",
         "O decimal das \"taxas de amortização\" 12.125 tem mais de 2 dígitos"},
        {"months negative", {M3_ROW, {"DA_Meses", "-1"}}, "「攤折月數」輸入錯誤", "O \"Mêses\" invalido"},
        {"negative (5)", {M3_ROW, {"Col5_Mop", "-1"}}, "欄位「(5).本期攤折」之金額(-1)應只輸入正數．",
         "Deve introduzir-se apenas valores positivos no quadro '(5).Do período'"},
        {"period above remainder", {M3_ROW, {"Col4_Mop", "400"}, {"Col5_Mop", "601"}},
         "「本期攤折」不應大於「購入價值」與「期初累計攤折」之差額",
         "\"Depreciações/ amortizações do período\" não devem exceder a diferença entre o \"valor de aquisição\" e o "
         "valor das \"depreciações / amortizações de períodos anteriores\""},
        {"decimals in (6)", {M3_ROW, {"Col5_Mop", "10"}, {"Col6_Mop", "2.5"}},
         "欄位「(6).取消」之金額(2.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor do quadro '(6).Anuladas'"},
        {"accumulated negative", {M3_ROW, {"Col5_Mop", "10"}, {"Col6_Mop", "11"}}, "資產的「期未累計攤折」不能為負數",
         "\"Depreciações/Amortizações - Acumuladas\" não deve ser negativa"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dm->cdsM3VCLF.append();
        for (const auto& [name, text] : c.values)
            dm->cdsM3VCLF.fieldByName(QString::fromUtf8(name)).setAsString(QString::fromUtf8(text));
        messages.clear();
        EXPECT_THROW(dm->cdsM3VCLF.post(), qx::SilentAbort);
        EXPECT_EQ(dm->cdsM3VCLF.state(), qx::DataSetState::Insert);  // the row stays for correction
        dm->CancelWithoutQuestion(dm->cdsM3VCLF);
        const ShownMessage m = OnlyMessage();
        EXPECT_EQ(m.code, QStringLiteral("DM-012"));
        EXPECT_EQ(m.chn, kHeadingChn + QString::fromUtf8(c.chn));
        EXPECT_EQ(m.por, kHeadingPor + QString::fromUtf8(c.por));
    }
    EXPECT_EQ(dm->cdsM3VCLF.recordCount(), 0);
}

TEST_F(M3RowChecks, FindingsOfOneRowShareOneDialogInCheckOrder)
{
    const auto [chn, por] = Findings({{"Codigo", "1.1"}, {"Col1_Mop", "-5"}, {"Col2_Mop", "-3"}, {"DA_Meses", "-2"}});
    EXPECT_EQ(chn, QStringLiteral("請輸入「類別」\r\n\r\n欄位「(2).變賣或報銷」之金額(-3)應只輸入正數．\r\n\r\n"
                                  "資產成本的「期未結餘」不能為負數\r\n\r\n「攤折月數」輸入錯誤"));
    EXPECT_EQ(por, QStringLiteral("Introduza o \"tipo\"\r\n\r\nDeve introduzir-se apenas valores positivos no quadro "
                                  "'(2).Alienado ou abatido'\r\n\r\nO \"valor líquido\" do \"aquisições, alienações e "
                                  "abates\" não deve ser negativa\r\n\r\nO \"Mêses\" invalido"));
}

TEST_F(M3RowChecks, AnUnknownCodeIsReportedAlsoOnARowWithoutAmounts)
{
    const auto [chn, por] = Findings({{"Codigo", "ZZ"}});
    EXPECT_EQ(chn, QStringLiteral("請根據「固定資產重置與攤折之最高率表」輸入編號\r\n\r\n尚未輸入任何金額或攤折率"));
}

// The remainder (1) - (4) may lie outside the currency range; the check still answers exactly.
TEST_F(M3RowChecks, TheRemainderCheckNeverOverflows)
{
    EXPECT_EQ(Findings({{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "900000000000000"},
                        {"Col4_Mop", "-900000000000000"}, {"Col5_Mop", "900000000000000"}}),
              (std::pair<QString, QString>{}));

    const auto [chn, por] = Findings({{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "-900000000000000"},
                                      {"Col4_Mop", "900000000000000"}, {"Col5_Mop", "1"}});
    EXPECT_TRUE(chn.contains(QStringLiteral("「本期攤折」不應大於「購入價值」與「期初累計攤折」之差額"))) << chn.toStdString();
}

TEST_F(M3RowChecks, AnOverflowedColumnRefusesTheRow)
{
    const auto [chn, por] = Findings({{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "900000000000000"},
                                      {"Col2_Mop", "-900000000000000"}});
    EXPECT_EQ(chn, QStringLiteral("欄位「(2).變賣或報銷」之金額(-900000000000000)應只輸入正數．\r\n\r\n"
                                  "部分欄位數值溢位，超出系統可處理之限額．"));
    EXPECT_TRUE(por.endsWith(QStringLiteral(
        "O número de dígitos do valor de alguns quadros ultrapassa o limite de processamento do sistema")));
}

// (7) = (4) + (5) - (6) fits although (4) + (5) does not: a value, not an overflow.
TEST_F(M3RowChecks, AColumnWhosePartialSumLeavesTheRangeIsNoOverflow)
{
    const auto [chn, por] = Findings({{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "900000000000000"},
                                      {"Col4_Mop", "900000000000000"}, {"Col5_Mop", "50000000000000"},
                                      {"Col6_Mop", "50000000000000"}});
    EXPECT_EQ(chn, QStringLiteral("「本期攤折」不應大於「購入價值」與「期初累計攤折」之差額"));
}

TEST_F(M3RowChecks, ARefusedEditKeepsTheStoredRow)
{
    ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {M3_ROW}));
    dm->cdsM3VCLF.edit();
    dm->cdsM3VCLF.fieldByName(u"DA_Taxas").setAsString(QStringLiteral("1.005"));
    EXPECT_THROW(dm->cdsM3VCLF.post(), qx::SilentAbort);
    EXPECT_EQ(dm->cdsM3VCLF.state(), qx::DataSetState::Edit);
    dm->CancelWithoutQuestion(dm->cdsM3VCLF);
    EXPECT_EQ(Cell(dm->cdsM3VCLF, 1, "DA_Taxas"), QStringLiteral("0"));
}

}  // namespace
