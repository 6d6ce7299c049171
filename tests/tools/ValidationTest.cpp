// The validation of M/1, M/3 and M/4 seen through qxfolder: the findings of a blank declaration,
// and what a change of one page does to the list.
#include "QxFolderRun.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

class ValidationTest : public qxtest::QxFolderFixture {
protected:
    // The form folder is left for qxfolder to meet as missing.
    void SetUp() override { ASSERT_TRUE(work.isValid()); }

    // Runs the commands on a fresh folder with today fixed; the alert lines, grouped by page, in
    // list order.
    QMap<QString, QStringList> alertsAfter(const QStringList& commands)
    {
        const qxtest::ToolRun r = succeedingOnFolder(commands);
        QMap<QString, QStringList> pages;
        for (const QString& line : r.output())
            pages[line.section(QLatin1Char('\t'), 0, 0)] << line;
        return pages;
    }
};

QString alert(const char* page, const char* field, const char* code, const char* chn, const char* por)
{
    return QStringList{QString::fromLatin1(page), QString::fromLatin1(field), QStringLiteral("10"),
                       QString::fromLatin1(code), QString::fromUtf8(chn), QString::fromUtf8(por)}
        .join(QLatin1Char('\t'));
}

const QString kNoName = alert("1011", "Nome_Contribuinte_1", "A-032", "請輸入納稅人姓名或名稱．",
                              "Introduza o nome ou a designação do contribuinte");
const QString kNoTaxNumber =
    alert("1011", "No_Contribuinte", "A-033", "請輸入正確的納稅人編號．", "Introduza o número de contribuinte");
const QString kNoTradeName =
    alert("1011", "Distico_Comercial", "A-011", "請輸入商號名稱．", "Introduza o dístico comercial");
const QString kNoFileNumber =
    alert("1011", "No_Cadastro", "A-011", "請輸入檔案編號．", "Introduza o número de cadastro");
const QString kNoResidence = alert("1011", "Residencia_ou_Sede_1", "A-034", "請輸入住址或店址．",
                                   "Introduza a residência ou sede do contribuinte");
const QString kNoTaxpayerType = alert("1011", "Tipo_Contribuinte_Individual", "A-009", "請選擇「納稅人類別」",
                                      "Por favor, seleccione \"Tipo de contribuinte\"");
const QString kNoActivity =
    alert("1011", "Actividade_Principal", "A-011", "請輸入主要業務．", "Introduza a actividade principal");
const QString kNoActivityCode =
    alert("1011", "Actividade_Codigo_1", "A-035", "請輸入行業代號．", "Introduza o(s) código(s) da actividade");
const QString kDeclarationChoices[] = {
    alert("1011", "Tipo_de_Declaracao_Normal", "A-009", "請選擇「申報書之類別」",
          "Por favor, seleccione \"Tipo de declaração\""),
    alert("1011", "Exercicio_Anterior_Grupo_A", "A-009", "請選擇「以往納稅之組別」",
          "Por favor, seleccione \"Situação tribuitária do exercício anterior\""),
    alert("1011", "Enderecados_ao_Contribuinte", "A-009", "請選擇「可提供補充解釋之人士」",
          "Por favor, seleccione \"Pessoa(s) quem pode(m) prestar esclarecimento adicional\""),
    alert("1011", "Acomp_Anexos_A_B", "A-009", "請選擇「此申報書之附列文件」",
          "Por favor, seleccione \"Documentos em anexo desta declaração.\""),
};

TEST_F(ValidationTest, ABlankDeclarationListsExactlyTheseFindingsInRuleOrder)
{
    const QMap<QString, QStringList> pages = alertsAfter({QStringLiteral("open"), QStringLiteral("alerts")});
    const QStringList page1 = QStringList{kNoName,      kNoTaxNumber, kNoTradeName,    kNoFileNumber, kNoResidence,
                                          kNoTaxpayerType, kNoActivity, kNoActivityCode}
                              + QStringList(std::begin(kDeclarationChoices), std::end(kDeclarationChoices));
    const QStringList page3{
        alert("1013", "Regime_Prep_Doc_Fin_NRF", "A-009", "請選擇「財務報表之編製基準」",
              "Por favor, seleccione \"Regime de prepara ção das Demonstrações Financeiras\""),
        alert("1013", "Lingua_Reg_Con_Chines", "A-009", "請選擇「會計紀錄之語文之名稱」",
              "Por favor, seleccione \"Lingua dos Registos Contabilisticos\""),
        alert("1013", "Moeda_Reg_Con_Mop", "A-009", "請選擇「記帳貨幣」",
              "Por favor, seleccione \"Moeda dos Registos Contabilisticos\""),
        alert("1013", "Nome_Aud_Cont", "A-011", "請輸入「核數師／會計師／專業會計員姓名」",
              "Introduza o nome do auditor/contabilista/técnico de contas"),
        alert("1013", "Num_Cartao_Prof_Tervask", "A-011", "請輸入「Tervask所簽發之專業證編號」．",
              "Introduza o número do cartão profissional emitido pela Tervask"),
        alert("1013", "Assinatura_Contrib", "A-009", "請選擇「簽署人類別」", "Por favor, seleccione \"Tipo do assinante\""),
    };
    EXPECT_EQ(pages.value(QStringLiteral("1011")), page1);
    EXPECT_EQ(pages.value(QStringLiteral("1013")), page3);
    // Income lines, the M/3 summary and M/4 are all zero: nothing to find.
    for (const char* page : {"1012", "4011", "6011", "6012"})
        EXPECT_EQ(pages.value(QString::fromLatin1(page)), QStringList()) << page;
}

TEST_F(ValidationTest, ASetOnAnM1PageReplacesThatPagesFindingsOnly)
{
    const QMap<QString, QStringList> before = alertsAfter({QStringLiteral("open"), QStringLiteral("alerts")});
    const QMap<QString, QStringList> after = alertsAfter(
        {QStringLiteral("open"), QStringLiteral("set"), QStringLiteral("cdsM1P1.No_Contribuinte=12345678"),
         QStringLiteral("set"), QStringLiteral("cdsM1P1.Tipo_Contribuinte_Sociedade=TRUE"), QStringLiteral("alerts")});

    const QStringList page1 =
        QStringList{kNoName,
                    kNoTradeName,
                    kNoFileNumber,
                    kNoResidence,
                    alert("1011", "Data_da_Constituicao", "A-011", "如屬於Varnholm成立之公司，請輸入成立日期．",
                          "Caso seja sociedade com sede na Varnholm, introduza a data da constituição"),
                    alert("1011", "No_Reg_Comercial", "A-011", "如屬於Varnholm成立之公司，請輸入商業登記編號．",
                          "Caso seja sociedade com sede na Varnholm, introduza o número do registo comercial"),
                    kNoActivity,
                    kNoActivityCode}
        + QStringList(std::begin(kDeclarationChoices), std::end(kDeclarationChoices));
    EXPECT_EQ(after.value(QStringLiteral("1011")), page1);
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() != QLatin1String("1011")) {
            EXPECT_EQ(after.value(it.key()), it.value()) << qPrintable(it.key());
        }
    }
    EXPECT_EQ(after.keys(), before.keys());

    // A set on page 2 adds its finding and leaves page 1 as it was.
    const QMap<QString, QStringList> page2 = alertsAfter(
        {QStringLiteral("open"), QStringLiteral("set"), QStringLiteral("cdsM1P2.R5_Mop=12.5"), QStringLiteral("alerts")});
    EXPECT_EQ(page2.value(QStringLiteral("1012")),
              QStringList{alert("1012", "R5_Mop", "A-006", "欄位「II.5」之金額(12.5)應只輸入整數．",
                                "Deve introduzir-se apenas valores inteiros para o valor do quadro 'II.5'")});
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() != QLatin1String("1012")) {
            EXPECT_EQ(page2.value(it.key()), it.value()) << qPrintable(it.key());
        }
    }
}

}  // namespace
