// The reusable field checks, on a small page of their own and on M/1 page 3.
#include "core/module/TdmMain.h"
#include "support/ScriptedMessages.h"
#include "tests/core/check/AlertRows.h"

#include <gtest/gtest.h>

namespace {

using qx::Currency;
using qx::FieldDef;
using qx::FieldKind;
using qx::FieldType;

FieldDef def(const char* name, FieldType type, int size = 0, FieldKind kind = FieldKind::Data, const char* label = "")
{
    FieldDef d;
    d.name = QString::fromLatin1(name);
    d.type = type;
    d.size = size;
    d.kind = kind;
    d.displayLabel = QString::fromUtf8(label);
    return d;
}

class FieldChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        dmMain = &dm;
        dm.cdsAlert.createDataSet();
        page.setFieldDefs({
            def("R1_Mop", FieldType::Currency),
            def("R1_Mop_Per_Ant", FieldType::Currency),
            def("r2_mop", FieldType::Currency, 0, FieldKind::Calculated),
            def("R3_Desc", FieldType::String, 150),
            def("R3_Mop", FieldType::Currency),
            def("R3_Mop_Per_Ant", FieldType::Currency),
            def("Box_A", FieldType::Boolean),
            def("Box_B", FieldType::Boolean),
            def("Box_C", FieldType::Boolean),
            def("Nome", FieldType::String, 60, FieldKind::Data, "姓名 Nome"),
            def("Numero", FieldType::Integer),
            def("Valor", FieldType::Currency),
            def("Data", FieldType::Date),
            def("Sim", FieldType::Boolean),
        });
        page.onCalcFields = [this](qx::ClientDataSet& ds) { ds.fieldByName(u"r2_mop").setAsCurrency(calculated); };
        page.createDataSet();
        page.append();
    }
    void TearDown() override { dmMain = nullptr; }

    void set(const char* field, const char* text) { page.fieldByName(QString::fromLatin1(field)).setAsString(QString::fromUtf8(text)); }
    std::vector<AlertRow> alerts() { return AlertRows(dm.cdsAlert); }
    QStringList codes()
    {
        QStringList out;
        for (const AlertRow& a : alerts())
            out << a.code;
        return out;
    }

    ScriptedMessages messages;
    TdmMain dm;
    qx::ClientDataSet page{QStringLiteral("cdsTestPage")};
    Currency calculated;
};

// ---- CheckAmountField ----

TEST_F(FieldChecks, AmountOfACalculatedFieldIsNeverReported)
{
    calculated = Currency::parse(u"-12.5");
    page.refresh();
    dm.CheckAmountField(page, 1012, false, true, QStringLiteral("II.2"), QStringLiteral("II.2"), QStringLiteral("r2_mop"));
    EXPECT_TRUE(alerts().empty());
}

TEST_F(FieldChecks, NegativeAmountWithDecimalsGivesBothAlertsNegativeFirst)
{
    set("R1_Mop", "-12.5");
    dm.CheckAmountField(page, 1012, false, true, QStringLiteral("二.5"), QStringLiteral("II.5"), QStringLiteral("R1_Mop"));
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-005"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「二.5」之金額(-12.5)不能輸入負數．"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Não deve introduzir-se valores negativa '-12.5' para o valor do quadro 'II.5'"));
    EXPECT_EQ(rows[1].code, QStringLiteral("A-006"));
    EXPECT_EQ(rows[1].chn, QStringLiteral("欄位「二.5」之金額(-12.5)應只輸入整數．"));
    EXPECT_EQ(rows[1].por, QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro 'II.5'"));
    for (const AlertRow& r : rows) {
        EXPECT_EQ(r.objCode, 1012);
        EXPECT_EQ(r.fieldName, QStringLiteral("R1_Mop"));
        EXPECT_EQ(r.type, 10);
    }
}

TEST_F(FieldChecks, NegativeWholeAmountPassesWithoutTheNegativeRule)
{
    set("R1_Mop", "-3");
    dm.CheckAmountField(page, 1012, false, false, QStringLiteral("II.5"), QStringLiteral("II.5"), QStringLiteral("R1_Mop"));
    set("R1_Mop", "-3.25");
    dm.CheckAmountField(page, 1012, false, false, QStringLiteral("II.5"), QStringLiteral("II.5"), QStringLiteral("R1_Mop"));
    EXPECT_EQ(codes(), QStringList{QStringLiteral("A-006")});
}

TEST_F(FieldChecks, CurrentPeriodAlertsComeBeforePreviousPeriodAlerts)
{
    set("R1_Mop", "-1.5");
    set("R1_Mop_Per_Ant", "-2.5");
    dm.CheckAmountField(page, 2011, true, true, QStringLiteral("I.1"), QStringLiteral("I.1"), QStringLiteral("R1_Mop"));
    const auto rows = alerts();
    ASSERT_EQ(codes(), (QStringList{"A-001", "A-002", "A-003", "A-004"}));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("R1_Mop"));
    EXPECT_EQ(rows[2].fieldName, QStringLiteral("R1_Mop_Per_Ant"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("欄位「I.1」之本期金額(-1.5)不能輸入負數．"));
    EXPECT_EQ(rows[0].por,
              QStringLiteral("Não deve introduzir-se valores negativa para o valor do período '-1.5' do quadro 'I.1' [0001]"));
    EXPECT_EQ(rows[1].por,
              QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do período '-1.5' do quadro 'I.1'"));
    EXPECT_EQ(rows[2].chn, QStringLiteral("欄位「I.1」之前期金額(-2.5)不能輸入負數．"));
    EXPECT_EQ(rows[2].por, QStringLiteral(
                               "Não deve introduzir-se valores negativa para o valor do período anterior '-2.5' do quadro 'I.1'"));
    EXPECT_EQ(rows[3].chn, QStringLiteral("欄位「I.1」之前期金額(-2.5)應只輸入整數．"));
    EXPECT_EQ(rows[3].por, QStringLiteral(
                               "Deve introduzir-se apenas valores inteiros para o valor do período anterior '-2.5' do quadro 'I.1'"));
}

TEST_F(FieldChecks, DecimalsAreFoundInTheExactValueWhateverItsSize)
{
    struct Case {
        const char* value;
        bool decimals;
    };
    const Case cases[] = {
        {"922337203685477.5807", true},  // the largest amount
        {"-922337203685477.5808", true},
        {"123456789012345.0001", true},  // too many digits for a double to keep the fraction
        {"0.0001", true},
        {"900000000000000", false},
        {"100", false},
        {"0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        dm.ClearAlerts();
        set("R1_Mop", c.value);
        dm.CheckAmountField(page, 1012, false, false, QStringLiteral("L"), QStringLiteral("L"), QStringLiteral("R1_Mop"));
        EXPECT_EQ(alerts().size(), c.decimals ? 1u : 0u);
    }
}

TEST_F(FieldChecks, AmountCheckOfAnUnknownFieldRaises)
{
    EXPECT_THROW(dm.CheckAmountField(page, 1012, false, true, QStringLiteral("X"), QStringLiteral("X"),
                                     QStringLiteral("R9_Mop")),
                 qx::DataSetError);
    // With the previous period the current field is checked before the missing one raises.
    set("R3_Mop", "1.5");
    EXPECT_THROW(dm.CheckAmountField(page, 1012, true, true, QStringLiteral("X"), QStringLiteral("X"),
                                     QStringLiteral("R3_Desc_Mop")),
                 qx::DataSetError);
}

// ---- CheckItemAmountDesc ----

TEST_F(FieldChecks, ItemWithAPreviousAmountButNoDescriptionAsksForTheDescription)
{
    set("R3_Mop_Per_Ant", "5");
    dm.CheckItemAmountDesc(page, 2012, true, QStringLiteral("V.1.18"), QStringLiteral("R3_"));
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-007"));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("R3_Desc"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("請輸入第V.1.18項之說明．"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Introduza a explicação para o Item V.1.18"));
}

TEST_F(FieldChecks, ItemDescriptionWithoutAmountAsksForTheAmount)
{
    set("R3_Desc", "其他");
    set("R3_Mop_Per_Ant", "5");  // not looked at without the previous period
    dm.CheckItemAmountDesc(page, 1012, false, QStringLiteral("II.14"), QStringLiteral("R3_"));
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-008"));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("R3_Desc"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("欠缺輸入第II.14項之金額．"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Verifique se foi introduzido ou não o valor no item II.14"));
}

TEST_F(FieldChecks, ItemThatIsEmptyOrCompleteIsFine)
{
    dm.CheckItemAmountDesc(page, 1012, true, QStringLiteral("II.14"), QStringLiteral("R3_"));
    set("R3_Desc", "其他");
    set("R3_Mop", "-7");
    dm.CheckItemAmountDesc(page, 1012, true, QStringLiteral("II.14"), QStringLiteral("R3_"));
    EXPECT_TRUE(alerts().empty());
}

// ---- CheckChoiceCount ----

TEST_F(FieldChecks, ExactlyOneChoice)
{
    const QStringList boxes{"Box_A", "Box_B", "Box_C"};
    dm.CheckChoiceCount(page, 1013, QStringLiteral("幣種"), QStringLiteral("Moeda"), boxes, 1, 1);
    set("Box_B", "True");
    dm.CheckChoiceCount(page, 1013, QStringLiteral("幣種"), QStringLiteral("Moeda"), boxes, 1, 1);
    set("Box_C", "True");
    dm.CheckChoiceCount(page, 1013, QStringLiteral("幣種"), QStringLiteral("Moeda"), boxes, 1, 1);
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-009"));
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("Box_A"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("請選擇「幣種」"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Por favor, seleccione \"Moeda\""));
    EXPECT_EQ(rows[1].code, QStringLiteral("A-010"));
    EXPECT_EQ(rows[1].fieldName, QStringLiteral("Box_A"));
    EXPECT_EQ(rows[1].chn, QStringLiteral("必須而且只能選擇 1 種之「幣種」"));
    EXPECT_EQ(rows[1].por, QStringLiteral("É necessário e só pode seleccionar 1 tipos do 'Moeda'"));
}

TEST_F(FieldChecks, ChoiceCountWithinARange)
{
    const QStringList boxes{"Box_A", "Box_B", "Box_C"};
    set("Box_A", "True");
    dm.CheckChoiceCount(page, 1011, QStringLiteral("附列文件"), QStringLiteral("Doc"), boxes, 1, 11);
    EXPECT_TRUE(alerts().empty());
    dm.CheckChoiceCount(page, 1011, QStringLiteral("附列文件"), QStringLiteral("Doc"), boxes, 2, 3);
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, QStringLiteral("A-010"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("必須而且只能選擇不少於 2 種但不多於 3 種之「附列文件」"));
    EXPECT_EQ(rows[0].por, QStringLiteral(
                               "É necessário e só pode seleccionar não inferiores a 2 tipos e não superiores a 3 tipos do 'Doc'"));
    // No box ticked is no fault when none is required.
    dm.ClearAlerts();
    set("Box_A", "False");
    dm.CheckChoiceCount(page, 1011, QStringLiteral("X"), QStringLiteral("X"), boxes, 0, 1);
    EXPECT_TRUE(alerts().empty());
}

// ---- CheckRequiredField ----

TEST_F(FieldChecks, RequiredFieldEmptinessByType)
{
    set("Numero", "0");
    set("Valor", "0");
    set("Sim", "False");
    for (const char* name : {"Nome", "Numero", "Valor", "Data", "Sim"})
        dm.CheckRequiredField(1011, page.fieldByName(QString::fromLatin1(name)), QStringLiteral("請輸入"), QStringLiteral("Introduza"));
    QStringList named;
    for (const AlertRow& a : alerts()) {
        EXPECT_EQ(a.code, QStringLiteral("A-011"));
        EXPECT_EQ(a.chn, QStringLiteral("請輸入"));
        EXPECT_EQ(a.por, QStringLiteral("Introduza"));
        named << a.fieldName;
    }
    // A Boolean holding False is filled in; only a null one is empty.
    EXPECT_EQ(named, (QStringList{"Nome", "Numero", "Valor", "Data"}));

    dm.ClearAlerts();
    set("Numero", "7");
    set("Nome", "Chan");
    set("Data", "01/02/2024");
    for (const char* name : {"Nome", "Numero", "Data"})
        dm.CheckRequiredField(1011, page.fieldByName(QString::fromLatin1(name)), QStringLiteral("x"), QStringLiteral("x"));
    EXPECT_TRUE(alerts().empty());
}

TEST_F(FieldChecks, RequiredFieldWithoutTextsShowsTheFieldLabel)
{
    dm.CheckRequiredField(1011, page.fieldByName(u"Nome"), QString(), QStringLiteral("Introduza o nome"));
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].chn, QStringLiteral("姓名 Nome"));
    EXPECT_EQ(rows[0].por, QStringLiteral("Introduza o nome"));
}

// ---- CheckOverflowFields ----

TEST_F(FieldChecks, OverflowListGivesOneAlertPerField)
{
    dm.CheckOverflowFields(2011, QString());
    EXPECT_TRUE(alerts().empty());

    dm.CheckOverflowFields(2011, QStringLiteral("/i_r1_mop/iv_r11x_ttl/"));
    const auto rows = alerts();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fieldName, QStringLiteral("i_r1_mop"));
    EXPECT_EQ(rows[1].fieldName, QStringLiteral("iv_r11x_ttl"));
    EXPECT_EQ(rows[0].code, QStringLiteral("A-012"));
    EXPECT_EQ(rows[0].chn, QStringLiteral("數值溢位，超出系統可處理之限額．"));
    EXPECT_EQ(rows[0].por, QStringLiteral("O número de dígitos do valor ultrapassa o limite de processamento do sistema"));
}

TEST_F(FieldChecks, OverflowListThatIsRepeatedOrMalformedIsReadSafely)
{
    struct Case {
        const char* text;
        QStringList names;
    };
    const Case cases[] = {
        {"/a/b/a/", {"a", "b"}},       // a field listed twice is reported once
        {"/a/B/b/A/", {"a", "B"}},     // names ignore letter case
        {"/a/b", {"a", "b"}},          // a last name without its closing mark still counts
        {"a/", {"a"}},
        {"//", {}},
        {"/", {}},
        {"///a///", {"a"}},
        {"/ a /", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dm.ClearAlerts();
        dm.CheckOverflowFields(1012, QString::fromLatin1(c.text));
        QStringList named;
        for (const AlertRow& a : alerts())
            named << a.fieldName;
        EXPECT_EQ(named, c.names);
    }
}

// ---- CheckDividendLines (M/1 page 3) ----

class DividendLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        dmMain = &dm;
        dm.cdsAlert.createDataSet();
        dm.cdsM1P3.createDataSet();
        dm.cdsM1P3.append();  // the routine reads the edit buffer; no post, no page check
    }
    void TearDown() override { dmMain = nullptr; }

    void line(const char* amount, const char* name, const char* doc, const char* reg)
    {
        dm.ClearAlerts();
        auto set = [&](const char* field, const char* value) {
            dm.cdsM1P3.fieldByName(QString::fromLatin1(field) + QStringLiteral("3")).setAsString(QString::fromUtf8(value));
        };
        set("Div_Lucros_Mop_R", amount);
        set("Nome_Desig_Bene_R", name);
        set("Tipo_Doc_ID_R", doc);
        set("Tipo_Soc_No_Reg_Com_R", reg);
        dm.CheckDividendLines(QStringLiteral("3"));
    }
    QStringList found()
    {
        QStringList out;
        for (const AlertRow& a : AlertRows(dm.cdsAlert)) {
            EXPECT_EQ(a.objCode, 1013);
            out << a.code + QLatin1Char(' ') + a.fieldName;
        }
        return out;
    }

    ScriptedMessages messages;
    TdmMain dm;
};

TEST_F(DividendLines, FindingsByWhatTheLineHolds)
{
    line("0", "", "", "");
    EXPECT_EQ(found(), QStringList());
    line("0", "陳大文", "", "");
    EXPECT_EQ(found(), QStringList{"A-019 Div_Lucros_Mop_R3"});
    line("1000", "", "", "");
    EXPECT_EQ(found(), QStringList{"A-020 Nome_Desig_Bene_R3"});
    line("1000", "", "BIR 1234567(8)", "");
    EXPECT_EQ(found(), (QStringList{"A-021 Nome_Desig_Bene_R3", "A-023 Nome_Desig_Bene_R3"}));
    line("1000", "陳大文", "", "");
    EXPECT_EQ(found(), QStringList{"A-022 Tipo_Doc_ID_R3"});
    line("1000", "陳大文", "", "SQ 12345");
    EXPECT_EQ(found(), QStringList());
    line("0", "", "", "SQ 12345");
    EXPECT_EQ(found(), (QStringList{"A-019 Div_Lucros_Mop_R3", "A-023 Nome_Desig_Bene_R3"}));
    line("1000.5", "陳大文", "BIR 1", "");
    EXPECT_EQ(found(), QStringList{"A-024 Div_Lucros_Mop_R3"});
}

TEST_F(DividendLines, TextsNameTheLine)
{
    struct Case {
        const char *amount, *name, *doc;
        const char* code;
        const char *chn, *por;
    };
    const Case cases[] = {
        {"0", "陳", "", "A-019", "缺欠輸入股息/利潤分配第3行之金額．",
         "Não introduzido o valor constante da linha 3 da distribuição de dividendos / lucros"},
        {"5", "", "", "A-020", "請填寫股息/利潤分配第3行之股東/權益所有人資料．",
         "Preencha os dados dos sócios / beneficiários na linha 3 da distribuição de dividendos / lucros"},
        {"5", "", "B", "A-021", "請檢查是否欠缺輸入股息/利潤分配第3行之股東/權益所有人姓名或名稱．",
         "Verifique se foi ou não introduzido o nome ou a designação dos sócios / beneficiários na linha 3 da "
         "distribuição de dividendos / lucros"},
        {"5", "陳", "", "A-022", "請輸入股息/利潤分配第3行之「證件類別及編號」或「商業類別及登記編號」．",
         "Introduza o tipo e o número de documento de identificação e o tipo de sociedade e o número do registo "
         "comercial  na linha 3 da distribuição de dividendos / lucros"},
        {"0", "", "B", "A-023", "欠缺輸入股息/利潤分配第3行之股東/權益所有人姓名或名稱．",
         "Não introduzido o nome ou a designação dos sócios / beneficiários na linha 3 da distribuição de "
         "dividendos / lucros"},
        {"12.5", "陳", "B", "A-024", "股息/利潤分配第3行之金額(12.5)應只輸入整數．",
         "Deve introduzir-se apenas valores inteiros para o valor (12.5) na linha 3 da distribuição de "
         "dividendos / lucros"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        line(c.amount, c.name, c.doc, "");
        bool seen = false;
        for (const AlertRow& a : AlertRows(dm.cdsAlert)) {
            if (a.code != QLatin1String(c.code))
                continue;
            seen = true;
            EXPECT_EQ(a.chn, QString::fromUtf8(c.chn));
            EXPECT_EQ(a.por, QString::fromUtf8(c.por));
        }
        EXPECT_TRUE(seen);
    }
}

}  // namespace
