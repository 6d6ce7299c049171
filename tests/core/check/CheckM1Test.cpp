// The rules of the three M/1 pages on a freshly opened folder (today is 15/03/2024).
#include "tests/core/check/CheckPageFixture.h"
#include "tests/core/check/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

class CheckM1Test : public CheckPageFixture {
protected:
    // The one finding of the page with this code.
    AlertRow finding(int objCode, const char* code)
    {
        const std::vector<AlertRow> found = rowsWith(objCode, code);
        EXPECT_EQ(found.size(), 1u) << code;
        return found.empty() ? AlertRow{} : found.front();
    }

    static QStringList yearCodes()
    {
        return {"A-025", "A-026", "A-027", "A-028", "A-029", "A-030", "A-031"};
    }
};

// ---- page 1: year and period ----

TEST_F(CheckM1Test, ANewPageHasNoYearOrPeriodFinding)
{
    dm->CheckForms(&dm->cdsM1P1);
    EXPECT_EQ(dm->cdsM1P1.fieldByName(u"Ano_Exercicio").asInteger(), 2023);
    EXPECT_TRUE(findings(1011, yearCodes()).isEmpty());
}

TEST_F(CheckM1Test, YearAndPeriodRulesExcludeEachOtherInPairs)
{
    struct Case {
        const char* year;
        const char* from;
        const char* to;
        QStringList expected;
    };
    const Case cases[] = {
        {"999", "01/01/2023", "31/12/2023", {"A-026 Ano_Exercicio"}},
        {"1000", "01/01/1000", "31/12/1000", {}},
        {"2024", "01/01/2024", "15/03/2024", {}},
        {"2025", "01/01/2025", "31/12/2025", {"A-026 Ano_Exercicio"}},
        {"-5", "01/01/2023", "31/12/2023", {"A-026 Ano_Exercicio"}},
        {"0", "01/07/2008", "30/06/2009", {"A-025 Ano_Exercicio", "A-029 Periodo_de"}},
        {"", "01/01/2023", "31/12/2023", {"A-025 Ano_Exercicio"}},
        {"2008", "01/07/2008", "30/06/2009", {"A-029 Periodo_de"}},
        {"2009", "01/07/2008", "30/06/2009", {"A-027 Ano_Exercicio", "A-029 Periodo_de"}},
        {"2023", "30/06/2023", "01/03/2023", {"A-031 Periodo_a"}},
        {"2023", "30/06/2023", "30/06/2023", {}},
        {"2023", "", "31/12/2023", {"A-028 Periodo_de"}},
        {"2023", "01/01/2023", "", {"A-030 Periodo_a"}},
        {"2022", "", "", {"A-028 Periodo_de", "A-030 Periodo_a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.year, c.from, c.to).toStdString());
        PostFields(dm->cdsM1P1, {{"Ano_Exercicio", c.year}, {"Periodo_de", c.from}, {"Periodo_a", c.to}});
        EXPECT_EQ(findings(1011, yearCodes()), c.expected);
    }
}

TEST_F(CheckM1Test, AYearOutOfRangeNamesThisYearInBothLanguages)
{
    PostFields(dm->cdsM1P1, {{"Ano_Exercicio", "999"}});
    const AlertRow r = finding(1011, "A-026");
    EXPECT_EQ(r.type, 10);
    EXPECT_EQ(r.chn, QStringLiteral("收益所屬年度應在2024年或之前．"));
    EXPECT_TRUE(r.por.startsWith(QStringLiteral("O exercício a que respeitam os rendimentos"))) << qPrintable(r.por);
    EXPECT_TRUE(r.por.endsWith(QStringLiteral("2024"))) << qPrintable(r.por);
}

// ---- page 1: identification ----

TEST_F(CheckM1Test, TaxNumberMustHaveSevenOrEightDigits)
{
    for (const char* number : {"1000000", "99999999", "12345678"}) {
        PostFields(dm->cdsM1P1, {{"No_Contribuinte", number}});
        EXPECT_TRUE(findings(1011, {"A-033"}).isEmpty()) << number;
    }
    for (const char* number : {"999999", "0", "", "-1000000"}) {
        PostFields(dm->cdsM1P1, {{"No_Contribuinte", number}});
        EXPECT_EQ(findings(1011, {"A-033"}), QStringList{"A-033 No_Contribuinte"}) << number;
    }
    // Nine digits never reach the page: the field itself refuses them.
    dm->cdsM1P1.edit();
    EXPECT_THROW(dm->cdsM1P1.fieldByName(u"No_Contribuinte").setAsInteger(100000000), qx::DataSetError);
    dm->CancelWithoutQuestion(dm->cdsM1P1);
}

TEST_F(CheckM1Test, JoinedTextsNeedOnlyOneFilledPart)
{
    const QStringList codes{"A-032", "A-034", "A-035"};
    dm->CheckForms(&dm->cdsM1P1);
    EXPECT_EQ(findings(1011, codes),
              (QStringList{"A-032 Nome_Contribuinte_1", "A-034 Residencia_ou_Sede_1", "A-035 Actividade_Codigo_1"}));
    PostFields(dm->cdsM1P1,
               {{"Nome_Contribuinte_2", "Lda"}, {"Residencia_ou_Sede_2", "Rua A"}, {"Actividade_Codigo_4", "5110"}});
    EXPECT_TRUE(findings(1011, codes).isEmpty());
}

TEST_F(CheckM1Test, EachTaxpayerTypeRequiresItsOwnDetails)
{
    // The findings about the type and the details it requires.
    auto typeFindings = [&] {
        const QStringList fields{"Tipo_Contribuinte_Individual", "Tipo_e_No_Doc_Id", "Data_da_Constituicao",
                                 "No_Reg_Comercial", "Local_da_Sede", "Indique_o_Tipo"};
        QStringList out;
        for (const QString& f : findings(1011))
            if (fields.contains(f.section(QLatin1Char(' '), 1)))
                out << f;
        return out;
    };
    PostFields(dm->cdsM1P1, {{"Tipo_Contribuinte_Sociedade", "True"}});
    EXPECT_EQ(typeFindings(), (QStringList{"A-011 Data_da_Constituicao", "A-011 No_Reg_Comercial"}));

    PostFields(dm->cdsM1P1, {{"Data_da_Constituicao", "02/05/1999"}, {"No_Reg_Comercial", "12345"}});
    EXPECT_TRUE(typeFindings().isEmpty());

    PostFields(dm->cdsM1P1, {{"Tipo_Contribuinte_Individual", "True"}, {"Tipo_Contribuinte_Outros", "True"}});
    EXPECT_EQ(typeFindings(),
              (QStringList{"A-010 Tipo_Contribuinte_Individual", "A-011 Tipo_e_No_Doc_Id", "A-011 Indique_o_Tipo"}));
    const AlertRow twoTypes = finding(1011, "A-010");
    EXPECT_EQ(twoTypes.chn, QStringLiteral("必須而且只能選擇 1 種之「納稅人類別」"));
    EXPECT_EQ(twoTypes.por, QStringLiteral("É necessário e só pode seleccionar 1 tipos do 'Tipo de contribuinte'"));

    PostFields(dm->cdsM1P1, {{"Tipo_Contribuinte_Individual", "False"}, {"Tipo_Contribuinte_Sociedade", "False"},
                             {"Tipo_Contribuinte_Outros", "False"}, {"Tipo_Contribuinte_Sucursal", "True"}});
    EXPECT_EQ(typeFindings(), QStringList{"A-011 Local_da_Sede"});
}

TEST_F(CheckM1Test, ChoiceGroupsTakeTheirOwnRangeOfTicks)
{
    const QStringList codes{"A-009", "A-010"};
    PostFields(dm->cdsM1P1, {{"Tipo_Contribuinte_Individual", "True"},
                             {"Tipo_de_Declaracao_Normal", "True"},
                             {"Exercicio_Anterior_Grupo_A", "True"},
                             {"Exercicio_Anterior_Grupo_B", "True"},
                             {"Enderecados_ao_Contribuinte", "True"},
                             {"Enderecados_ao_ACT", "True"}});
    EXPECT_EQ(findings(1011, codes), (QStringList{"A-010 Exercicio_Anterior_Grupo_A", "A-009 Acomp_Anexos_A_B"}));
    EXPECT_EQ(finding(1011, "A-009").por, QStringLiteral("Por favor, seleccione \"Documentos em anexo desta declaração.\""));

    // Every attached document ticked is still a valid choice.
    PostFields(dm->cdsM1P1, {{"Exercicio_Anterior_Grupo_B", "False"}});
    dm->cdsM1P1.edit();
    for (const char* box : {"Acomp_Anexos_A_B", "Acomp_M3", "Acomp_M3A", "Acomp_M4", "Acomp_Balancetes",
                            "Acomp_Rel_Tecnico", "Acomp_Acta_da_Aprovacao", "Acomp_Parecer_Conelho_Fiscal",
                            "Acomp_Rel_Auditoria", "Acomp_Outros_1", "Acomp_Outros_2"})
        dm->cdsM1P1.fieldByName(QString::fromLatin1(box)).setAsBoolean(true);
    dm->cdsM1P1.post();
    EXPECT_TRUE(findings(1011, codes).isEmpty());
}

TEST_F(CheckM1Test, OtherDocumentsNeedTickAndDescriptionTogether)
{
    const QStringList codes{"A-036", "A-037"};
    PostFields(dm->cdsM1P1, {{"Acomp_Outros_1", "True"}, {"Acomp_Outros_2_Desc", "Contrato"}});
    EXPECT_EQ(findings(1011, codes), (QStringList{"A-036 Acomp_Outros_1", "A-037 Acomp_Outros_2"}));
    PostFields(dm->cdsM1P1, {{"Acomp_Outros_1_Desc", "Mapa"}, {"Acomp_Outros_2", "True"}});
    EXPECT_TRUE(findings(1011, codes).isEmpty());
}

// ---- page 2 ----

TEST_F(CheckM1Test, IncomeLinesReportOnlyDecimalsTestedOnTheExactValue)
{
    PostFields(dm->cdsM1P2, {{"R5_Mop", "12.5"}, {"R6_Mop", "-3"}, {"R7_Mop", "0.0001"}, {"R8_Mop", "1234.0000"},
                             {"R9_Mop", "-922337203685477.5"}, {"R33_Mop", "7.25"}});
    EXPECT_EQ(findings(1012),
              (QStringList{"A-006 R5_Mop", "A-006 R7_Mop", "A-006 R9_Mop", "A-006 R33_Mop"}));
    const AlertRow r = AlertsOf(dm->cdsAlert, 1012).front();
    EXPECT_EQ(r.chn, QStringLiteral("欄位「II.5」之金額(12.5)應只輸入整數．"));
    EXPECT_EQ(r.por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro 'II.5'"));
}

TEST_F(CheckM1Test, CalculatedLinesAreNeverReported)
{
    // Line 21 sums lines 1 to 20 and carries the decimals of line 2; only line 2 is the user's.
    PostFields(dm->cdsM1P2, {{"R2_Mop", "0.5"}, {"R22_Mop", "0.25"}});
    EXPECT_EQ(findings(1012), (QStringList{"A-006 R2_Mop", "A-006 R22_Mop"}));
}

TEST_F(CheckM1Test, DescribedLinesNeedBothDescriptionAndAmount)
{
    PostFields(dm->cdsM1P2, {{"R14_Desc", "Juros"}, {"R15_Mop", "10.5"}, {"R31_Mop", "-8"}, {"R35_2_Desc", "Outros"},
                             {"R35_3_Mop", "0.5"}});
    EXPECT_EQ(findings(1012), (QStringList{"A-008 R14_Desc", "A-006 R15_Mop", "A-007 R15_Desc", "A-007 R31_Desc",
                                           "A-008 R35_2_Desc", "A-007 R35_3_Desc", "A-006 R35_3_Mop"}));
    const auto rows = AlertsOf(dm->cdsAlert, 1012);
    EXPECT_EQ(rows[0].chn, QStringLiteral("欠缺輸入第II.14項之金額．"));
    EXPECT_EQ(rows[4].por, QStringLiteral("Verifique se foi introduzido ou não o valor no item II.35.2"));
    EXPECT_EQ(rows[5].chn, QStringLiteral("請輸入第II.35.3項之說明．"));
}

TEST_F(CheckM1Test, ReductionPercentageLiesBetweenZeroAndHundred)
{
    struct Case {
        const char* pc;
        QStringList expected;
    };
    for (const Case& c : {Case{"0", {}}, Case{"100", {}}, Case{"100.01", {"A-039 PC_de_Reducao"}},
                          Case{"-0.01", {"A-038 PC_de_Reducao"}}, Case{"922337203685477", {"A-039 PC_de_Reducao"}}}) {
        PostFields(dm->cdsM1P2, {{"PC_de_Reducao", c.pc}});
        EXPECT_EQ(findings(1012), c.expected) << c.pc;
    }
}

// ---- page 3 ----

TEST_F(CheckM1Test, ABlankPageThreeAsksForBooksAccountantAndSignatoryOnly)
{
    dm->CheckForms(&dm->cdsM1P3);
    EXPECT_EQ(findings(1013),
              (QStringList{"A-009 Regime_Prep_Doc_Fin_NRF", "A-009 Lingua_Reg_Con_Chines", "A-009 Moeda_Reg_Con_Mop",
                           "A-011 Nome_Aud_Cont", "A-011 Num_Cartao_Prof_Tervask", "A-009 Assinatura_Contrib"}));
}

TEST_F(CheckM1Test, DividendsAskForPeriodAndKindOnlyWhenTheirTotalIsNotZero)
{
    const QStringList codes{"A-041", "A-042", "A-010"};
    PostFields(dm->cdsM1P3, {{"Nome_Desig_Bene_R2", "Sócio A"}, {"Tipo_Doc_ID_R2", "BIR 1234"}});
    EXPECT_TRUE(findings(1013, codes).isEmpty());
    EXPECT_EQ(findings(1013, {"A-019"}), QStringList{"A-019 Div_Lucros_Mop_R2"});

    PostFields(dm->cdsM1P3, {{"Div_Lucros_Mop_R2", "5000"}});
    EXPECT_EQ(findings(1013, codes), (QStringList{"A-041 Dis_Div_Lucros_Periodo", "A-042 Div_Lucros_Antes_Imposto"}));

    PostFields(dm->cdsM1P3, {{"Dis_Div_Lucros_Periodo", "2023"}, {"Div_Lucros_Antes_Imposto", "True"},
                             {"Div_Lucros_Depois_Imposto", "True"}});
    EXPECT_EQ(findings(1013, codes), QStringList{"A-010 Div_Lucros_Antes_Imposto"});
    EXPECT_EQ(finding(1013, "A-010").chn, QStringLiteral("必須而且只能選擇 1 種之「股息/利潤之類別」"));

    PostFields(dm->cdsM1P3, {{"Div_Lucros_Antes_Imposto", "False"}});
    EXPECT_TRUE(findings(1013, codes).isEmpty());
}

TEST_F(CheckM1Test, DividendLinesAreCheckedOneToEightInOrder)
{
    PostFields(dm->cdsM1P3, {{"Div_Lucros_Mop_R8", "12.5"}, {"Tipo_Soc_No_Reg_Com_R3", "SA 999"}, {"Div_Lucros_Mop_R1", "7"}});
    EXPECT_EQ(findings(1013, {"A-019", "A-020", "A-021", "A-022", "A-023", "A-024"}),
              (QStringList{"A-020 Nome_Desig_Bene_R1", "A-019 Div_Lucros_Mop_R3", "A-023 Nome_Desig_Bene_R3",
                           "A-020 Nome_Desig_Bene_R8", "A-024 Div_Lucros_Mop_R8"}));
}

TEST_F(CheckM1Test, OtherLanguageAndCurrencyNeedTickAndNameTogether)
{
    const QStringList codes{"A-010", "A-043", "A-044", "A-045", "A-046"};
    PostFields(dm->cdsM1P3, {{"Lingua_Reg_Con_Outro", "True"},
                             {"Moeda_Reg_Con_HKD", "True"},
                             {"Moeda_Reg_Con_USD", "True"},
                             {"Moeda_Reg_Con_Outro_Desc", "JPY"}});
    EXPECT_EQ(findings(1013, codes), (QStringList{"A-043 Lingua_Reg_Con_Outro_Desc", "A-010 Moeda_Reg_Con_Mop",
                                                  "A-046 Moeda_Reg_Con_Outro_Desc"}));
    const AlertRow currency = finding(1013, "A-010");
    EXPECT_EQ(currency.chn, QStringLiteral("必須而且只能選擇 1 種之「記帳貨幣」"));
    EXPECT_EQ(currency.por, QStringLiteral("É necessário e só pode seleccionar 1 tipos do 'Moeda dos Registos Contabilisticos'"));

    PostFields(dm->cdsM1P3, {{"Lingua_Reg_Con_Outro", "False"}, {"Lingua_Reg_Con_Outro_Desc", "Tagalo"},
                             {"Moeda_Reg_Con_HKD", "False"}, {"Moeda_Reg_Con_USD", "False"}, {"Moeda_Reg_Con_Outro", "True"},
                             {"Moeda_Reg_Con_Outro_Desc", ""}});
    EXPECT_EQ(findings(1013, codes),
              (QStringList{"A-044 Lingua_Reg_Con_Outro_Desc", "A-045 Moeda_Reg_Con_Outro_Desc"}));
    const AlertRow language = finding(1013, "A-044");
    EXPECT_EQ(language.chn, QStringLiteral("會計紀錄之語文若非選擇「其他」，則無需自行填寫其名稱．"));
    EXPECT_TRUE(language.por.startsWith(QStringLiteral("Caso não seleccione \"outro\" para a língua"))) << qPrintable(language.por);
}

}  // namespace
