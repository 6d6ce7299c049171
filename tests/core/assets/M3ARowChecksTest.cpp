// The checks of the rows of both M/3A lists before their post: each finding with its exact text,
// the texts that differ between the lists, the rows that pass and several findings in order.
#include "AssetListFixture.h"

namespace {

struct ListCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values;
    QString chn;  // the findings after the heading; empty: the row posts
    QString por;
};

class M3ARowChecks : public AssetListFixture {
protected:
    void Expect(qx::ClientDataSet& list, const char* code, const char* tag, const ListCase& c)
    {
        SCOPED_TRACE(c.what);
        const QString headingChn = QStringLiteral("請修正以下問題：(M/3A-%1)\r\n\r\n").arg(QLatin1String(tag));
        const QString headingPor =
            QStringLiteral("Corrija as seguinte falhas: (M/3A-%1)\r\n\r\n").arg(QLatin1String(tag));
        list.append();
        for (const auto& [name, text] : c.values)
            list.fieldByName(QString::fromUtf8(name)).setAsString(QString::fromUtf8(text));
        messages.clear();
        if (c.chn.isEmpty()) {
            EXPECT_NO_THROW(list.post());
            EXPECT_TRUE(messages.shown.empty());
            return;
        }
        EXPECT_THROW(list.post(), qx::SilentAbort);
        EXPECT_EQ(list.state(), qx::DataSetState::Insert);
        dm->CancelWithoutQuestion(list);
        const ShownMessage m = OnlyMessage();
        EXPECT_EQ(m.code, QString::fromLatin1(code));
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.eng.isEmpty());
        EXPECT_EQ(m.chn, headingChn + c.chn);
        EXPECT_EQ(m.por, headingPor + c.por);
    }
};

const QString kA1Chn = QStringLiteral("請根據「固定資產重置與攤折之最高率表」輸入編號");
const QString kA1Por =
    QStringLiteral("Introduza o número de acordo com a \"tabela das taxas máximas de reintegração e amortização\"");
const QString kA2Chn = QStringLiteral("尚未輸入任何金額");
const QString kA2Por = QStringLiteral("Ainda não foi introduzido qualquer valor");
const QString kA5Chn = QStringLiteral("「累計攤折 - 根據稅務法例」不應大於「購入成本 - 根據稅務法例」");
const QString kA5Por = QStringLiteral("\"Amortizações acumuladas - Conforme a legislação fiscal\" não devem exceder o "
                                      "\"Valor de aquisição - Conforme a legislação fiscal\"");
const QString kA6Chn = QStringLiteral("「累計攤折 - 根據會計帳目」不應大於「購入成本 - 根據會計帳目」");
const QString kA6Por = QStringLiteral("\"Amortizações acumuladas - Conforme a escrita\" não devem exceder o \"Valor de "
                                      "aquisição - Conforme a escrita\"");
const QString kSep = QStringLiteral("\r\n\r\n");

TEST_F(M3ARowChecks, AlienatedList)
{
    const ListCase cases[] = {
        {"sound row", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "10"}, {"Col2_Mop", "100"}, {"Col4_Mop", "100"}},
         {}, {}},
        {"type alone is an empty row", {{"Tipo", "Barco"}}, {}, {}},
        {"year alone", {{"Tipo", "Barco"}, {"Ano_Aqu", "2019"}}, kA2Chn, kA2Por},
        {"month of sale alone", {{"Mes_Venda", "5"}}, kA2Chn, kA2Por},
        {"unknown code", {{"Codigo", "X"}, {"Tipo", "x"}, {"Col1_Mop", "1"}}, kA1Chn, kA1Por},
        {"code and type missing", {{"Col3_Mop", "1"}},
         QStringLiteral("請輸入「編號」") + kSep + QStringLiteral("請輸入「類別」"),
         QStringLiteral("Introduza o \"número\"") + kSep + QStringLiteral("Introduza o \"tipo\"")},
        {"tax depreciation above cost", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col2_Mop", "100"}, {"Col4_Mop", "101"}},
         kA5Chn, kA5Por},
        {"book depreciation above cost", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col3_Mop", "100"}, {"Col5_Mop", "101"}},
         kA6Chn, kA6Por},
        {"negative sale price", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "-1"}},
         QStringLiteral("欄位「(1).變賣價」之金額(-1)應只輸入正數．"),
         QStringLiteral("Deve introduzir-se apenas valores positivos no quadro \"(1).Liquido de despesas\"")},
        {"decimals quote the value", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col3_Mop", "7.25"}},
         QStringLiteral("欄位「(3).購入成本 - 根據會計帳目」之金額(7.25)應只輸入整數．"),
         QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor \"7.25\" do quadro \"(3).Valor de "
                        "aquisição - Conforme a escrita\"")},
        {"findings in check order",
         {{"Tipo", "x"}, {"Col2_Mop", "-3"}, {"Col4_Mop", "0.5"}, {"Col5_Mop", "-1"}},
         QStringLiteral("請輸入「編號」") + kSep + QStringLiteral("欄位「(2).購入成本 - 根據稅務法例」之金額(-3)應只輸入正數．")
             + kSep + QStringLiteral("欄位「(4).累計攤折 - 根據稅務法例」之金額(0.5)應只輸入整數．") + kSep + kA5Chn
             + kSep + QStringLiteral("欄位「(5).累計攤折 - 根據會計帳目」之金額(-1)應只輸入正數．"),
         QStringLiteral("Introduza o \"número\"") + kSep
             + QStringLiteral("Deve introduzir-se apenas valores positivos no quadro \"(2).Valor de aquisição - "
                              "Conforme a legislação fiscal\"")
             + kSep
             + QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor \"0.5\" do quadro "
                              "\"(4).Amortizações acumuladas - Conforme a legislação fiscal\"")
             + kSep + kA5Por + kSep
             + QStringLiteral("Deve introduzir-se apenas valores positivos no quadro \"(5).Amortizações acumuladas - "
                              "Conforme a escrita\"")},
        {"overflowed column",
         {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "900000000000000"}, {"Col4_Mop", "900000000000000"}},
         kA5Chn + kSep + QStringLiteral("部分欄位數值溢位，超出系統可處理之限額．"),
         kA5Por + kSep
             + QStringLiteral("O número de dígitos do valor de alguns quadros ultrapassa o limite de processamento do "
                              "sistema")},
    };
    for (const ListCase& c : cases)
        Expect(dm->cdsM3AAli, "DM-014", "a", c);
}

TEST_F(M3ARowChecks, WrittenOffList)
{
    const ListCase cases[] = {
        {"sound row",
         {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "100"}, {"Col3_Mop", "100"}, {"Motivo_Abate", "y"}},
         {}, {}},
        {"reason alone is an empty row", {{"Motivo_Abate", "y"}}, {}, {}},
        {"month written off alone", {{"Mes_Abate", "5"}}, kA2Chn, kA2Por},
        {"tax depreciation above cost",
         {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "100"}, {"Col3_Mop", "101"}, {"Motivo_Abate", "y"}}, kA5Chn,
         kA5Por},
        {"book depreciation above cost",
         {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col2_Mop", "100"}, {"Col4_Mop", "101"}, {"Motivo_Abate", "y"}}, kA6Chn,
         kA6Por},
        {"negative cost", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col1_Mop", "-1"}, {"Motivo_Abate", "y"}},
         QStringLiteral("欄位「(1).購入成本 - 根據稅務法例」之金額(-1)應只輸入正數．") + kSep + kA5Chn,
         QStringLiteral("Deve introduzir-se apenas valores positivos no quadro '(1).Valor de aquisição - Conforme a "
                        "legislação fiscal'")
             + kSep + kA5Por},
        {"reason after the amount findings", {{"Codigo", "1.1"}, {"Tipo", "x"}, {"Col4_Mop", "2.5"}},
         kA6Chn + kSep + QStringLiteral("欄位「(4).累計攤折 - 根據會計帳目」之金額(2.5)應只輸入整數．") + kSep
             + QStringLiteral("請輸入「報銷原因」"),
         kA6Por + kSep
             + QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro '(4).Amortizações "
                              "acumuladas - Conforme a escrita'")
             + kSep + QStringLiteral("Introduza o \"motivo do abate\"")},
    };
    for (const ListCase& c : cases)
        Expect(dm->cdsM3AAba, "DM-015", "b", c);
}

}  // namespace
