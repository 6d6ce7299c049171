// Room for every value: every page table against the widest value of each box, on screen and on
// paper, in the program's fonts; and the rule itself against boxes made too narrow.
#include "platform/data/FieldDef.h"
#include "platform/layout/BoxFit.h"
#include "print/forms/WidestValues.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

qx::Box& boxOf(qx::PageLayout& page, const char* field, int nth = 1)
{
    for (qx::Box& b : page.boxes)
        if (b.field == QLatin1String(field) && (b.isBound() || b.kind == qx::BoxKind::SumLabel) && --nth == 0)
            return b;
    throw std::logic_error(field);
}

TEST(BoxFit, EveryBoxHoldsItsWidestValue)
{
    for (const QString& name : qx::pageLayoutNames()) {
        const QStringList faults = CheckBoxFits(qx::pageLayout(name));
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(BoxFit, TheWidestValuesOfTheFields)
{
    struct Case {
        const char* page;
        const char* field;
        int nth;
        const char* screen;  // "": nothing to show whole on screen
        const char* paper;
    };
    const Case cases[] = {
        {"AnexoBP1", "I_R1_Mop", 1, "(9,999,999,999)", "(9,999,999,999)"},
        {"M4P1", "1_r1_col9_col10_sum", 1, "(9,999,999)", "(9,999,999)"},
        {"M3Front", "col8_mop", 1, "", "(999,999,999)"},
        {"M3Front", "DA_Taxas", 1, "", "100.00%"},
        {"M1P2", "PC_de_Reducao", 1, "99.9999", "99.9999"},
        {"M1P1", "No_Contribuinte", 1, "99999999", "99999999"},
        {"M1P1", "Ano_Exercicio", 1, "9999", "9999"},
        {"M1P3", "Data_Deli_Assem_Geral", 1, "28/12/2099", "2099     12    28"},
        {"M1P3", "Data_Deli_Assem_Geral", 2, "28/12/2099", "28   12   2099"},
        {"AnexoBBankP1", "II_B_V", 1, "WWWWW", "WWWWW"},
        {"M1P1", "Distico_Comercial", 1, "", ""},
    };
    for (const Case& c : cases) {
        qx::PageLayout page = qx::pageLayout(QLatin1String(c.page));
        const qx::BoxWidest w = WidestOfBox(page, boxOf(page, c.field, c.nth));
        EXPECT_EQ(w.screen ? w.screen->text : QString(), QLatin1String(c.screen)) << c.page << " " << c.field;
        EXPECT_EQ(w.paper ? w.paper->text : QString(), QLatin1String(c.paper)) << c.page << " " << c.field;
    }
    qx::PageLayout m1p1 = qx::pageLayout(QStringLiteral("M1P1"));
    EXPECT_EQ(WidestOfBox(m1p1, boxOf(m1p1, "Distico_Comercial")).paper->characters, 77);
    // A whole number's bound is its widest value, wider than the four digits of a count.
    qx::FieldDef bounded{QStringLiteral("Numero"), qx::FieldType::Integer};
    bounded.maxValue = 99999;
    EXPECT_EQ(WidestOfField(bounded, qx::kAmountDigits)->text, QStringLiteral("99999"));
}

// The check itself: each box made a little too narrow fails it where it shows; a long text
// marked as may be cut is left alone.
TEST(BoxFit, ABoxMadeTooNarrowFails)
{
    struct Case {
        const char* page;
        const char* field;
        double narrowerMm;
        std::function<void(qx::Box&)> mark;
        QStringList said;
    };
    const Case cases[] = {
        {"M4P1", "1_R1_Col1_Mop", 0.6, {}, {"on paper \"(9,999,999)\" needs 59.3 px at 9 px", "on screen \"(9,999,999)\" needs 66.0 px at 10 px"}},
        {"AnexoAP1", "ii_r2_col4_mop", 1.0, {}, {"on screen \"(9,999,999,999)\" needs 108.0 px at 12 px"}},
        {"M1P3", "Data_Assi_Contrib", 1.0, {}, {"on paper \"2099       12      28\""}},
        {"M1P1", "Distico_Comercial", 3.0, {}, {"on paper 77 characters needs 369.4 px at 8 px"}},
        {"M1P1", "Distico_Comercial", 3.0, [](qx::Box& b) { b.cut = true; }, {}},
        // A number never may be cut: a `cut` mark on its box changes nothing.
        {"M1P1", "No_Contribuinte", 9.0, [](qx::Box& b) { b.cut = true; }, {"on paper \"99999999\"", "on screen \"99999999\""}},
        {"M3ABack", "QRLabel_S7B", 1.0, {}, {"on paper \"(999,999,999)\""}},
    };
    for (const Case& c : cases) {
        qx::PageLayout page = qx::pageLayout(QLatin1String(c.page));
        qx::Box* box = &boxOf(page, c.field);
        box->mm.setWidth(box->mm.width() - c.narrowerMm);
        if (c.mark)
            c.mark(*box);
        const QStringList faults = CheckBoxFits(page);
        EXPECT_EQ(faults.size(), c.said.size()) << c.page << " " << c.field << "\n" << faults.join(QLatin1Char('\n')).toStdString();
        for (const QString& s : c.said)
            EXPECT_TRUE(faults.join(QLatin1Char('\n')).contains(s)) << c.page << " " << c.field << ": " << s.toStdString() << "\n"
                                                                      << faults.join(QLatin1Char('\n')).toStdString();
    }
}

}  // namespace
