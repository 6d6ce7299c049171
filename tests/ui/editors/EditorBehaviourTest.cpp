// What the M/1, annex and M/4 editors do beyond the framework: tick groups, auto-calc buttons by
// sector and their values, print codes, M/4's second page by sector.
#include "EditorFixture.h"

#include "platform/widgets/DataCheckBox.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/framework/EditorTabs.h"

namespace {

using qx::Currency;

class EditorBehaviour : public EditorFixture {
protected:
    void Click(TFormFill& editor, const char* button) { Child<QToolButton>(editor, button).click(); }
    QString Value(qx::ClientDataSet& ds, const char* field) { return ds.fieldByName(QString::fromLatin1(field)).asString(); }
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
    TFormFillM1& m1 = *editors->FormFillM1;
    PostField(dm->cdsAnexoABankP1, "I_R15_Mop", QStringLiteral("4321"));
    SetSector(21);
    Show(m1);
    m1.PageControl->setCurrentIndex(1);
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
    TFormFillM1& m1 = *editors->FormFillM1;
    PostField(dm->cdsAnexoAP1, "I_R14_Mop", QStringLiteral("10"));
    SetSector(0);
    Show(m1);
    m1.PageControl->setCurrentIndex(1);
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

    // Enter on the last box of page 1 stays there.
    m4.PageAt(0).Last->setFocus();
    QTest::keyClick(m4.PageAt(0).Last, Qt::Key_Return);
    EXPECT_EQ(Focused(), m4.PageAt(0).Last);
    QTest::keyClick(m4.PageAt(0).First, Qt::Key_Return);
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
