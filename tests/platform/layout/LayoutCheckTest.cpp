// Every page table against the counts, fields, first and last boxes of its page, and the check
// itself against tables with one fault each.
#include "platform/layout/LayoutCheck.h"

#include "core/catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct Expected {
    const char* page;
    const char* dataSet;
    int edits, ticks, texts, headers, dates, calcs;
    std::map<QString, int> printed;  // data texts of each report band (the page's part of it)
    const char* first;
    const char* last;
};

const Expected kPages[] = {
    {"M1P1", "cdsM1P1", 26, 23, 0, 0, 3, 0, {{"A4", 49}, {"A3", 49}}, "Ano_Exercicio", "Acomp_Outros_2_Desc"},
    {"M1P2", "cdsM1P2", 50, 0, 4, 0, 0, 7, {{"A4", 54}, {"A3", 54}}, "R2_Mop", "PC_de_Reducao"},
    {"M1P3", "cdsM1P3", 44, 15, 1, 0, 4, 0, {{"A4", 60}, {"A3", 60}}, "Data_Deli_Assem_Geral", "Data_Assi_Contrib"},
    {"M1P4", "", 0, 0, 0, 0, 0, 0, {{"A4", 0}}, nullptr, nullptr},
    {"AnexoAP1", "cdsAnexoAP1", 32, 4, 22, 4, 0, 0, {{"A4", 62}}, "I_R1_Mop_Per_Ant", "Criterio_Val_Inv_Outros_Desc_2"},
    {"AnexoAP2", "cdsAnexoAP2", 58, 0, 17, 0, 0, 1, {{"A4", 75}}, "IV_R111_Mop_Per_Ant", "IV_R2228_Mop"},
    {"AnexoASegP1", "cdsAnexoASegP1", 44, 0, 18, 4, 0, 0, {{"A4", 66}}, "I_R1_Mop_Per_Ant", "II_R6_Col2_Mop"},
    {"AnexoASegP2", "cdsAnexoASegP2", 62, 0, 17, 0, 0, 1, {{"A4", 79}}, "III_R111_Mop_Per_Ant", "III_R2229_Mop"},
    {"AnexoABankP1", "cdsAnexoABankP1", 58, 0, 19, 4, 0, 0, {{"A4", 81}}, "I_R1_Mop_Per_Ant", "IV_R7_Mop"},
    {"AnexoABankP2", "cdsAnexoABankP2", 75, 0, 10, 0, 0, 2, {{"A4", 85}}, "V_R1_1_Mop_Per_Ant", "V_R2_2_5_Mop"},
    {"AnexoBP1", "cdsAnexoBP1", 61, 2, 4, 4, 1, 3, {{"A4", 71}}, "I_R1_Mop", "III_R11_Mop"},
    {"AnexoBP2", "cdsAnexoBP2", 38, 0, 7, 0, 0, 2, {{"A4", 45}}, "IV_R1_Mop", "VIII_R10_Mop"},
    {"AnexoBSegP1", "cdsAnexoBSegP1", 54, 2, 6, 4, 1, 0, {{"A4", 66}}, "I_R3_Mop", "IV_R7_Mop"},
    {"AnexoBSegP2", "cdsAnexoBSegP2", 40, 0, 7, 0, 0, 2, {{"A4", 47}}, "V_R1_Mop", "VIII_R10_Mop"},
    {"AnexoBBankP1", "cdsAnexoBBankP1", 62, 2, 4, 4, 1, 0, {{"A4", 72}}, "I_R1_Mop", "III_R7_Mop"},
    {"AnexoBBankP2", "cdsAnexoBBankP2", 56, 0, 5, 0, 0, 3, {{"A4", 61}}, "IV_R1_Mop", "VI_R11_Mop"},
    {"M4P1", "cdsM4P1", 53, 0, 40, 3, 0, 0, {{"A4", 96}}, "1_R1_Col1_Mop", "2_R2_Col5_Mop"},
    {"M4P2", "cdsM4P2", 40, 0, 38, 0, 0, 0, {{"A4", 78}}, "3_PRC_R1_Col2_Mop", "3_PS_R4_Col6_Mop"},
};

const qx::FieldDef* findField(const std::vector<qx::FieldDef>& fields, const QString& name)
{
    for (const auto& f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

// Boxes bound to fields their dataset does not have, input fields of the page without a box, and
// box kinds that do not fit their field.
QStringList fieldFaults(const qx::PageLayout& page, const QString& dataSet)
{
    QStringList faults;
    std::set<QString> boxed;
    for (const qx::Box& b : page.boxes) {
        if (b.kind == qx::BoxKind::SumLabel)
            continue;
        const auto fields = CatalogueFields(b.dataSet);
        const qx::FieldDef* f = findField(fields, b.field);
        if (!f) {
            faults << QStringLiteral("%1: %2 has no field %3").arg(page.name, b.dataSet, b.field);
            continue;
        }
        const bool calculated = f->kind != qx::FieldKind::Data;
        const bool shown = b.kind == qx::BoxKind::DataText || b.kind == qx::BoxKind::HeaderText;
        if ((b.kind == qx::BoxKind::TickBox) != (f->type == qx::FieldType::Boolean) && b.isTabStop())
            faults << QStringLiteral("%1: %2 is a %3").arg(page.name, b.field, qx::boxKindName(b.kind));
        if (calculated && !shown)
            faults << QStringLiteral("%1: calculated %2 in a %3").arg(page.name, b.field, qx::boxKindName(b.kind));
        if (b.isBound() && !boxed.insert(b.dataSet + b.field.toLower()).second && b.name.isEmpty())
            faults << QStringLiteral("%1: a second box of %2 without a name of its own").arg(page.name, b.field);
    }
    for (const auto& f : CatalogueFields(dataSet))
        if (f.kind == qx::FieldKind::Data && !boxed.count(dataSet + f.name.toLower()))
            faults << QStringLiteral("%1: input field %2 has no box").arg(page.name, f.name);
    return faults;
}

QStringList countFaults(const qx::PageLayout& page, const Expected& e)
{
    QStringList faults;
    const std::pair<qx::BoxKind, int> counts[] = {
        {qx::BoxKind::Edit, e.edits},          {qx::BoxKind::TickBox, e.ticks},
        {qx::BoxKind::DataText, e.texts},      {qx::BoxKind::HeaderText, e.headers},
        {qx::BoxKind::DateButton, e.dates},    {qx::BoxKind::CalcButton, e.calcs},
    };
    for (const auto& [kind, n] : counts)
        if (qx::countBoxes(page, kind) != n)
            faults << QStringLiteral("%1: %2 %3 boxes, not %4").arg(page.name).arg(qx::countBoxes(page, kind)).arg(qx::boxKindName(kind)).arg(n);
    for (const auto& [name, n] : e.printed) {
        const qx::ReportPlacement* r = page.report(name);
        if (!r || qx::countBound(page, *r) != n)
            faults << QStringLiteral("%1: the %2 band does not print %3 data texts").arg(page.name, name).arg(n);
    }
    std::vector<const qx::Box*> stops;
    for (const qx::Box& b : page.boxes)
        if (b.isTabStop())
            stops.push_back(&b);
    if (e.first && (stops.empty() || stops.front()->field != QLatin1String(e.first) || stops.back()->field != QLatin1String(e.last)))
        faults << QStringLiteral("%1: the tab order does not run from %2 to %3").arg(page.name, e.first, e.last);
    return faults;
}

QStringList pageFaults(const qx::PageLayout& page, const Expected& e)
{
    return qx::checkLayout(page) + countFaults(page, e) + fieldFaults(page, QString::fromLatin1(e.dataSet));
}

const Expected& expectedOf(const char* page)
{
    for (const auto& e : kPages)
        if (QLatin1String(e.page) == QLatin1String(page))
            return e;
    throw std::logic_error("no expectation");
}

TEST(LayoutCheck, EveryPageTableIsSound)
{
    for (const auto& e : kPages) {
        SCOPED_TRACE(e.page);
        const QStringList faults = pageFaults(qx::pageLayout(QLatin1String(e.page)), e);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(LayoutCheck, TheA3BackSheetCarriesPageTwoLeftOfPageThree)
{
    const auto& p2 = qx::pageLayout(QStringLiteral("M1P2"));
    const auto& p3 = qx::pageLayout(QStringLiteral("M1P3"));
    EXPECT_EQ(qx::countBound(p2, *p2.report(QStringLiteral("A3"))) + qx::countBound(p3, *p3.report(QStringLiteral("A3"))), 114);
    EXPECT_EQ(p2.report(QStringLiteral("A3"))->maxLeft(), 800);
    EXPECT_EQ(p3.report(QStringLiteral("A3"))->minLeftPx, 801);
}

// The check itself: one fault put into a sound table is found.
class LayoutCheckFaults : public ::testing::Test {
protected:
    qx::PageLayout page = qx::pageLayout(QStringLiteral("AnexoBP2"));
    const Expected& expected = expectedOf("AnexoBP2");

    qx::Box& boxOf(const char* field)
    {
        for (auto& b : page.boxes)
            if (b.field == QLatin1String(field))
                return b;
        throw std::logic_error("no box");
    }
};

TEST_F(LayoutCheckFaults, ABoxMovedToAnotherLine)
{
    qx::Box& b = boxOf("IV_R2_Mop");
    b.mm.moveTop(boxOf("IV_R4_Mop").mm.top() + 0.3 * b.mm.height());
    b.mm.moveLeft(b.mm.left() - 40);
    EXPECT_FALSE(pageFaults(page, expected).isEmpty());
}

TEST_F(LayoutCheckFaults, ABoxThatGroupsOnlyAtOneScale)
{
    // 1.3 mm lower than the box beside it is 6 editor pixels but 5 report pixels here: a line of
    // its own only on the editor page.
    const qx::Box& neighbour = boxOf("IV_R1_Mop");
    qx::Box& b = boxOf("IV_R5_Mop");
    ASSERT_EQ(b.mm.top(), neighbour.mm.top());
    b.mm.moveTop(neighbour.mm.top() + 1.3);
    const QStringList faults = qx::checkLayout(page);
    EXPECT_TRUE(faults.join(QLatin1Char(' ')).contains(QLatin1String("pairs it otherwise"))) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LayoutCheckFaults, OneBoxTooMany)
{
    qx::Box extra = boxOf("IV_R1_Mop");
    extra.mm.moveLeft(extra.mm.left() - 45);
    page.boxes.insert(page.boxes.begin() + 1, extra);
    EXPECT_FALSE(pageFaults(page, expected).isEmpty());
}

TEST_F(LayoutCheckFaults, ABoxOutsideThePaper)
{
    boxOf("VIII_R10_Mop").mm.moveTop(296);
    const QStringList faults = pageFaults(page, expected);
    EXPECT_TRUE(faults.join(QLatin1Char(' ')).contains(QLatin1String("outside the paper"))) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(LineNumbers, FivePixelsApartIsOneLineSixIsTwoAndDriftCountsFromTheFirst)
{
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 105}}), (std::vector<int>{1, 1}));
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 106}}), (std::vector<int>{1, 2}));
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 103}, {90, 106}}), (std::vector<int>{1, 1, 2}));
}

}  // namespace
