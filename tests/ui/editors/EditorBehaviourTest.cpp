// What the M/1, annex and M/4 editors do beyond the framework: tick groups, auto-calc buttons by
// sector and their values, print codes, M/4's second page by sector.
#include "EditorFixture.h"

#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataText.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/editors/LayoutBoxNames.h"
#include "ui/framework/EditorTabs.h"

#include <QClipboard>

namespace {

using qx::Currency;

class EditorBehaviour : public EditorFixture {
protected:
    void Click(TFormFill& editor, const char* button) { Child<QToolButton>(editor, button).click(); }
    QString Value(qx::ClientDataSet& ds, const char* field) { return ds.fieldByName(QString::fromLatin1(field)).asString(); }
    // M/1 shown on page 2 with a source value of its auto-calc buttons, under a sector.
    TFormFillM1& M1OnPage2(qx::ClientDataSet& source, const char* field, const char* value, int sector)
    {
        TFormFillM1& m1 = *editors->FormFillM1;
        PostField(source, field, QString::fromLatin1(value));
        SetSector(sector);
        Show(m1);
        m1.PageControl->setCurrentIndex(1);
        return m1;
    }
};

TEST_F(EditorBehaviour, M1GroupTickClearsTheOthersNullIncludedAndUntickingNothing)
{
    TFormFillM1& m1 = *editors->FormFillM1;
    PostFields(dm->cdsM1P1, {{"Tipo_de_Declaracao_Normal", "True"}, {"Tipo_de_Declaracao_Cancelamento", ""}});
    Show(m1);
    Child<DataCheckBox>(m1, "DBCheckBoxTipo_de_Declaracao_Suspensao").click();
    EXPECT_EQ(Value(dm->cdsM1P1, "Tipo_de_Declaracao_Normal"), QStringLiteral("False"));
    EXPECT_EQ(Value(dm->cdsM1P1, "Tipo_de_Declaracao_Cancelamento"), QStringLiteral("False"));
    EXPECT_EQ(Value(dm->cdsM1P1, "Tipo_de_Declaracao_Suspensao"), QStringLiteral("True"));
    Child<DataCheckBox>(m1, "DBCheckBoxTipo_de_Declaracao_Suspensao").click();
    EXPECT_EQ(Value(dm->cdsM1P1, "Tipo_de_Declaracao_Suspensao"), QStringLiteral("False"));
    EXPECT_EQ(Value(dm->cdsM1P1, "Tipo_de_Declaracao_Normal"), QStringLiteral("False"));
    // The Enderecados pair does not exclude itself.
    Child<DataCheckBox>(m1, "DBCheckBoxEnderecados_ao_Contribuinte").click();
    Child<DataCheckBox>(m1, "DBCheckBoxEnderecados_ao_ACT").click();
    EXPECT_EQ(Value(dm->cdsM1P1, "Enderecados_ao_Contribuinte"), QStringLiteral("True"));
    // The Anexo B pair: the other field to False only when True.
    TFormFillAnexo& b = *editors->FormFillAnexoB;
    for (const char* other : {"", "True"}) {
        PostFields(dm->cdsAnexoBP1, {{"II_B_I_False", other}, {"II_B_I_True", "False"}});
        Show(b);
        Child<DataCheckBox>(b, "DBCheckBoxII_B_I").click();
        EXPECT_EQ(Value(dm->cdsAnexoBP1, "II_B_I_False"), QString::fromLatin1(*other ? "False" : "")) << other;
        EXPECT_EQ(Value(dm->cdsAnexoBP1, "II_B_I_True"), QStringLiteral("True"));
        dm->cdsAnexoBP1.post();
    }
}

TEST_F(EditorBehaviour, M1AutoCalcTakesTheSectorsSourceAndOtherSectorsOnlyMoveTheFocus)
{
    TFormFillM1& m1 = M1OnPage2(dm->cdsAnexoABankP1, "I_R15_Mop", "4321", 21);
    Click(m1, "SpeedButton4");
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-002")});
    EXPECT_EQ(dm->cdsM1P2.fieldByName(u"R10_Mop").asCurrency(), Currency::fromUnits(4321));
    EXPECT_EQ(Focused(), &EditOf(m1, 1, "R10_Mop"));
    dm->cdsM1P2.post();

    messages.clear();
    SetSector(-1);
    EditOf(m1, 1, "R2_Mop").setFocus();
    Click(m1, "SpeedButton4");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Focused(), &EditOf(m1, 1, "R10_Mop"));
    // A sector-free button still works; an equal value gives DM-001.
    Click(m1, "SpeedButton1");
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-001")});
}

TEST_F(EditorBehaviour, AutoCalcStopsAtARefusedTextWithTheFieldsError)
{
    TFormFillM1& m1 = M1OnPage2(dm->cdsAnexoAP1, "I_R14_Mop", "10", 0);
    DataEdit& r2 = EditOf(m1, 1, "R2_Mop");
    TypeInto(r2, QStringLiteral("12x"));
    Click(m1, "SpeedButton4");
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-002")));
    EXPECT_EQ(Focused(), &r2);
    EXPECT_TRUE(dm->cdsM1P2.fieldByName(u"R10_Mop").asCurrency().isZero());
    r2.reset();
}

TEST_F(EditorBehaviour, M1PrintsOpenTheDialogOnTheSheetOfThePage)
{
    TFormFillM1& m1 = *editors->FormFillM1;
    Show(m1);
    struct Case {
        int page;
        bool a3;
        int code;
    } cases[] = {{3, true, 1011}, {2, true, 1012}, {3, false, 1014}, {0, false, 1011}};
    for (const Case& c : cases) {
        m1.PageControl->setCurrentIndex(c.page);
        (c.a3 ? m1.miPrintA3 : m1.miPrint)->trigger();
        EXPECT_EQ(printDialog.codes.back(), c.code) << c.page;
        EXPECT_EQ(printDialog.onA4.back(), !c.a3) << c.page;
    }
    EXPECT_EQ(printDialog.shown, 4);
    // Page 4 has no post or cancel; the other pages have them again.
    m1.PageControl->setCurrentIndex(3);
    EXPECT_FALSE(m1.miPost->isVisible() || m1.miCancel->isVisible());
    m1.PageControl->setCurrentIndex(2);
    EXPECT_TRUE(m1.miPost->isVisible() && m1.miCancel->isVisible());
}

TEST_F(EditorBehaviour, AnnexPrintPostsBothPagesAndStopsWhenOneCannotPost)
{
    TFormFillAnexo& a = *editors->FormFillAnexoA;
    Show(a);
    a.PageControl->setCurrentIndex(1);
    TypeInto(EditOf(a, 1, "IV_R111_Mop"), QStringLiteral("5x"));
    a.PageAt(0).ActionPrint->trigger();
    EXPECT_EQ(printDialog.shown, 0);
    EditOf(a, 1, "IV_R111_Mop").reset();
    TypeInto(EditOf(a, 1, "IV_R111_Mop"), QStringLiteral("5"));
    a.PageAt(0).ActionPrint->trigger();
    EXPECT_EQ(printDialog.shown, 1);
    EXPECT_EQ(printDialog.codes.back(), 2011);
    EXPECT_EQ(dm->cdsAnexoAP2.state(), qx::DataSetState::Browse);
    EXPECT_EQ(dm->cdsAnexoAP2.fieldByName(u"IV_R111_Mop").asCurrency(), Currency::fromUnits(5));
}

TEST_F(EditorBehaviour, GainsAndLossesFromTheM3ATotals)
{
    TFormFillAnexo& b = *editors->FormFillAnexoB;
    Show(b);
    // Both lists empty: both propose 0, equal to the value: DM-001.
    Click(b, "SpeedButton6");
    Click(b, "SpeedButton5");
    EXPECT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-001"), QStringLiteral("DM-001")}));

    qx::ClientDataSet& ali = dm->cdsM3AAli;
    ali.append();
    ali.fieldByName(u"Codigo").setAsString(QStringLiteral("1.1"));
    ali.fieldByName(u"Tipo").setAsString(QStringLiteral("x"));
    ali.fieldByName(u"Col1_Mop").setAsString(QStringLiteral("1000"));
    ali.post();
    messages.clear();
    Click(b, "SpeedButton6");
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-002")});
    EXPECT_EQ(dm->cdsAnexoBP2.fieldByName(u"V_R2_Mop").asCurrency(), Currency::fromUnits(1000));
    messages.clear();
    b.PageControl->setCurrentIndex(0);
    Click(b, "SpeedButton5");
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-001")});
}

TEST_F(EditorBehaviour, AnnexBOverflowShowsTheButtonsMessageAndAppliesNothing)
{
    PostFields(dm->cdsM4P1, {{"1_R5_Col6_Mop", "900000000000000"}, {"1_R6_Col6_Mop", "900000000000000"}});
    for (TFormFillAnexo* e : {editors->FormFillAnexoB.get(), editors->FormFillAnexoBBank.get()}) {
        messages.clear();
        Show(*e);
        e->PageControl->setCurrentIndex(1);
        Click(*e, "SpeedButton1");
        ASSERT_EQ(messages.shown.size(), 1u);
        const ShownMessage& m = messages.shown.front();
        EXPECT_EQ(m.code, e == editors->FormFillAnexoB.get() ? QStringLiteral("FAB-003") : QStringLiteral("FABB-003"));
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.chn.endsWith(QStringLiteral("(備用金撥回)")));
        EXPECT_EQ(e->PageAt(1).spec.dataSet->state(), qx::DataSetState::Browse);
        e->hide();
    }
}

TEST_F(EditorBehaviour, M4SecondPageOnlyForInsurersDecidedAtEveryShow)
{
    TFormFillM4& m4 = *editors->FormFillM4;
    for (const auto& [sector, shown] : {std::pair{0, false}, {11, true}, {21, false}}) {
        SetSector(sector);
        Show(m4);
        EXPECT_EQ(m4.PageControl->isTabVisible(1), shown) << sector;
        m4.hide();
    }
    SetSector(11);
    Show(m4);
    m4.PageControl->setCurrentIndex(1);
    m4.close();
    SetSector(0);
    Show(m4);
    EXPECT_FALSE(m4.PageControl->isTabVisible(1));
    EXPECT_EQ(m4.ActivePage(), 0);

    // Enter walks from the first box on, and stays on the last box of page 1.
    m4.PageAt(0).First->setFocus();
    QTest::keyClick(m4.PageAt(0).First, Qt::Key_Return);
    EXPECT_NE(Focused(), m4.PageAt(0).First);
    m4.PageAt(0).Last->setFocus();
    QTest::keyClick(m4.PageAt(0).Last, Qt::Key_Return);
    EXPECT_EQ(Focused(), m4.PageAt(0).Last);
    EXPECT_EQ(m4.ActivePage(), 0);
}

TEST_F(EditorBehaviour, DateBoxesOfOneFieldShowTheSameDateAndTheirButtonsOpenTheCalendar)
{
    TFormFillM1& m1 = *editors->FormFillM1;
    Show(m1);
    m1.PageControl->setCurrentIndex(2);
    TypeInto(*m1.PageAt(2).First, QStringLiteral("05/06/2023"));
    Child<DataEdit>(m1, "Data_Deli_Assem_Geral_2").setFocus();
    EXPECT_EQ(Child<DataEdit>(m1, "Data_Deli_Assem_Geral_2").text(), QStringLiteral("05/06/2023"));
    Click(m1, "SpeedButton10");
    EXPECT_EQ(calendar.target, &Child<DataEdit>(m1, "Data_Deli_Assem_Geral_2"));
    Click(m1, "SpeedButton9");
    EXPECT_EQ(calendar.target, m1.PageAt(2).First);
}

}  // namespace

// A text a box refuses is told in Chinese and Portuguese, naming the box as its page does (its
// label, or its line and column), with the field's English text kept and one code per kind of
// fault; the box keeps the focus and nothing is stored.
TEST_F(EditorBehaviour, RefusedTextIsToldInBothLanguagesNamingTheBoxAsThePageDoes)
{
    struct Case {
        int editor;  // 0 M/1, 1 Anexo A
        int page;
        const char* field;
        const char* typed;  // pasted: it may hold what no key types
        const char* code;
        const char* chn;
        const char* por;
        const char* eng;
    };
    const Case cases[] = {
        {0, 0, "Data_da_Constituicao", "31/02/2001", "DM-035",
         "「成立日期」不接受「31/02/2001」：沒有這個日期．請以 日/月/年 輸入，例如 31/12/2001．",
         "'31/02/2001' não é uma data válida para 'Data da constituição'. Escreva-a como dia/mês/ano, por exemplo 31/12/2001.",
         "cdsM1P1: '31/02/2001' is not a valid date value for field 'Data_da_Constituicao'"},
        {1, 0, "I_R5_Mop_Per_Ant", "12x", "DM-036", "「第 I.5 行 上期」不接受「12x」：金額只可由數字組成，負數前加減號．",
         "'12x' não é um montante válido para 'linha I.5 Período anterior'. Escreva só algarismos, com o sinal menos à frente "
         "se for negativo.",
         "cdsAnexoAP1: '12x' is not a valid currency value for field 'I_R5_Mop_Per_Ant'"},
        {0, 0, "Ano_Exercicio", "20x3", "DM-037", "「年度」不接受「20x3」：只可輸入整數．",
         "'20x3' não é um número inteiro válido para 'Ano'.",
         "cdsM1P1: '20x3' is not a valid integer value for field 'Ano_Exercicio'"},
        {0, 0, "Ano_Exercicio", "-99999999999", "DM-037", "「年度」不接受 -99999999999：數值不可小於 -2147483648．",
         "-99999999999 não é aceite em 'Ano': o menor valor aceite é -2147483648.",
         "cdsM1P1: -99999999999 is not a valid value for field 'Ano_Exercicio'. The allowed range is -2147483648 to "
         "2147483647"},
        // Above the range: the high bound is told (below it, the low one).
        {0, 0, "Ano_Exercicio", "99999999999", "DM-037", "「年度」不接受 99999999999：數值不可大於 2147483647．",
         "99999999999 não é aceite em 'Ano': o maior valor aceite é 2147483647.",
         "cdsM1P1: 99999999999 is not a valid value for field 'Ano_Exercicio'. The allowed range is -2147483648 to "
         "2147483647"},
        // A sentence printed in Chinese and again in Portuguese: each language names the box by its
        // own line.
        {0, 2, "Data_Deli_Assem_Geral", "31/02/2001", "DM-035",
         "「於」不接受「31/02/2001」：沒有這個日期．請以 日/月/年 輸入，例如 31/12/2001．",
         "'31/02/2001' não é uma data válida para 'Deliberação de'. Escreva-a como dia/mês/ano, por exemplo 31/12/2001.",
         "cdsM1P3: '31/02/2001' is not a valid date value for field 'Data_Deli_Assem_Geral'"},
        {0, 0, "Telefone", "電話電話電話電話", "DM-038",
         "「電話」最多可容納 14 個字元（每個中文字佔兩個），「電話電話電話電話」太長，請縮短．",
         "'Telefone' leva no máximo 14 caracteres (cada carácter chinês conta por dois); '電話電話電話電話' é demasiado "
         "longo e tem de ser encurtado.",
         "cdsM1P1: Text too long for field 'Telefone' (at most 14 bytes): '電話電話電話電話'"},
        {0, 0, "Telefone", "28\x01" "12", "DM-039",
         "「電話」不能存入字元 U+0001（控制字元或非字元，檔案不能保存），請把它刪除．",
         "'Telefone' não pode guardar o carácter U+0001 (um carácter de controlo ou um não-carácter, que o ficheiro "
         "não guarda). Apague-o.",
         "cdsM1P1: Field 'Telefone' cannot hold the character U+0001"},
    };
    TFormFill* editors_[] = {editors->FormFillM1.get(), editors->FormFillAnexoA.get()};
    for (const Case& c : cases) {
        TFormFill& editor = *editors_[c.editor];
        Show(editor);
        editor.PageControl->setCurrentIndex(c.page);
        DataEdit& box = EditOf(editor, c.page, c.field);
        const QString held = box.boundField()->asString();
        box.setFocus();
        box.selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(c.typed));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        messages.clear();
        EXPECT_FALSE(box.commit()) << c.field;
        ASSERT_EQ(messages.shown.size(), 1u) << c.field;
        const ShownMessage& m = messages.shown.front();
        EXPECT_EQ(m.code.toStdString(), c.code) << c.field;
        EXPECT_EQ(m.chn.toStdString(), c.chn);
        EXPECT_EQ(m.por.toStdString(), c.por);
        EXPECT_EQ(m.eng.toStdString(), c.eng);
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_EQ(Focused(), &box);
        EXPECT_EQ(box.boundField()->asString(), held) << c.field;
        box.reset();
        editor.PageControl->setCurrentIndex(0);
        editor.hide();
    }
    const auto grid = HeadingColumnNames(qx::pageLayout(QStringLiteral("M3Grid")));
    ASSERT_TRUE(grid.count(QStringLiteral("Col1_Mop")));
    EXPECT_EQ(grid.at(QStringLiteral("Col1_Mop")).chn, QStringLiteral("(1) 購入價值"));
    EXPECT_EQ(grid.at(QStringLiteral("Col1_Mop")).por, QStringLiteral("(1) Valor de aquisição"));
}

// Ctrl+S shows at once what the post changed on the page through other pages: on Anexo B's back,
// line IV feeds Anexo A's I.15, which the back shows again as VIII.5 and sums into VIII.11.
TEST_F(EditorBehaviour, CtrlSShowsTheValuesThePageTakesFromThePagesItFeeds)
{
    TFormFillAnexo& b = *editors->FormFillAnexoB;
    Show(b);
    b.PageControl->setCurrentIndex(1);
    QApplication::processEvents();
    DataEdit& line = EditOf(b, 1, "IV_R1_Mop");
    TypeInto(line, QStringLiteral("700"));
    QTest::keyClick(&line, Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(dm->cdsAnexoBP2.state(), qx::DataSetState::Browse);
    for (const char* shown : {"viii_r5_mop", "viii_r11_mop"}) {
        QString text;
        for (QObject* child : b.PageAt(1).Content->children())
            if (auto* t = qobject_cast<DataText*>(child); t && t->dataField() == QLatin1String(shown))
                text = t->text();
        EXPECT_EQ(text.trimmed(), QStringLiteral("700")) << shown;
    }
}
