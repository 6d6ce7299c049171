// Every page table against the counts, fields, first and last boxes of its page, and the check
// itself against tables with one fault each.
#include "platform/layout/LayoutCheck.h"

#include "platform/layout/Coordinates.h"

#include "core/catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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
        if (b.kind == qx::BoxKind::SumLabel || b.kind == qx::BoxKind::Mark)
            continue;
        const auto fields = CatalogueFields(b.dataSet);
        const qx::FieldDef* f = findField(fields, b.field);
        if (!f) {
            faults << QStringLiteral("%1: %2 has no field %3").arg(page.name, b.dataSet, b.field);
            continue;
        }
        const bool calculated = f->kind != qx::FieldKind::Data;
        if ((b.kind == qx::BoxKind::TickBox) != (f->type == qx::FieldType::Boolean) && b.isTabStop())
            faults << QStringLiteral("%1: %2 is a %3").arg(page.name, b.field, qx::boxKindName(b.kind));
        if (calculated && b.isTabStop())
            faults << QStringLiteral("%1: calculated %2 in a %3").arg(page.name, b.field, qx::boxKindName(b.kind));
        if (b.isBound() && b.band.isEmpty() && !boxed.insert(b.dataSet + b.field.toLower()).second && b.name.isEmpty())
            faults << QStringLiteral("%1: a second box of %2 without a name of its own").arg(page.name, b.field);
    }
    for (const auto& f : CatalogueFields(dataSet))
        if (f.kind == qx::FieldKind::Data && f.type != qx::FieldType::AutoInc && !boxed.count(dataSet + f.name.toLower()))
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

TEST(LayoutCheck, EveryTableIsSoundAndNamesFieldsItsDataSetsHave)
{
    EXPECT_EQ(qx::pageLayoutNames().size(), 28);
    for (const QString& name : qx::pageLayoutNames()) {
        const qx::PageLayout& page = qx::pageLayout(name);
        const QStringList faults = qx::checkLayout(page) + fieldFaults(page, QString());
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(LayoutCheck, TheM3HeaderPageHasItsInputsAndTheTotalsOfItsDataSet)
{
    const qx::PageLayout& page = qx::pageLayout(QStringLiteral("M3P1"));
    EXPECT_TRUE(fieldFaults(page, QStringLiteral("cdsM3P1")).isEmpty());
    const Expected e{"M3P1", "cdsM3P1", 5, 0, 15, 3, 0, 0, {}, "1_R1_Col1_Mop", "1_R2_Col1_Mop"};
    EXPECT_TRUE(countFaults(page, e).isEmpty()) << countFaults(page, e).join(QLatin1Char('\n')).toStdString();
}

// The heading strips are as wide as the grid columns they head (each column plus its grid line).
TEST(LayoutCheck, HeadingStripsFollowTheGridColumns)
{
    const std::pair<const char*, std::vector<int>> strips[] = {
        {"M3Grid", {65, 260, 47, 46, 123, 123, 123, 123, 61, 54, 143, 123, 123, 123}},
        {"M3AAliGrid", {65, 260, 46, 46, 123, 123, 123, 123, 123, 123, 123, 135}},
        {"M3AAbaGrid", {65, 260, 49, 47, 123, 123, 123, 123, 123, 123, 123, 142}},
    };
    for (const auto& [name, widths] : strips) {
        const qx::PageLayout& page = qx::pageLayout(QLatin1String(name));
        const QPointF scale = qx::pixelsPerMm(page.picturePx, page.paperMm);
        std::vector<int> got;
        for (const qx::Box& b : page.boxes)
            got.push_back(qx::editorRect(b.mm, scale).width() - 1);
        EXPECT_EQ(got, widths) << name;
    }
}

// Each printed face: the data texts of one list row in both row bands, its sum labels, the
// observation lines on the backs and the four calibration strokes.
TEST(LayoutCheck, PrintedFacesCarryTheirRowsSumsObservationsAndMarks)
{
    struct Face {
        const char* name;
        const char* rowBands[2];
        int rowTexts, sums, observations;
    };
    const Face faces[] = {
        {"M3Front", {"DetailBand_A", "QRChildBand_A"}, 13, 8, 0},
        {"M3Back", {"DetailBand_B", "QRChildBand_B"}, 13, 16, 5},
        {"M3ContFront", {"DetailBand_A", "QRChildBand_A"}, 13, 16, 0},
        {"M3ContBack", {"DetailBand_B", "QRChildBand_B"}, 13, 16, 5},
        {"M3AFront", {"DetailBand_A", "QRChildBand_A"}, 12, 10, 0},
        {"M3ABack", {"DetailBand_B", "QRChildBand_B"}, 12, 7, 5},
    };
    for (const Face& f : faces) {
        SCOPED_TRACE(f.name);
        const qx::PageLayout& page = qx::pageLayout(QLatin1String(f.name));
        for (const char* band : f.rowBands)
            EXPECT_EQ(int(page.boxesOfBand(QLatin1String(band)).size()), f.rowTexts) << band;
        EXPECT_EQ(qx::countBoxes(page, qx::BoxKind::SumLabel), f.sums);
        int observations = 0;
        QStringList marks;
        for (const qx::Box& b : page.boxes) {
            observations += b.field.endsWith(QLatin1String("_Obs"));
            if (b.kind == qx::BoxKind::Mark)
                marks << b.field.right(b.field.size() - int(qstrlen("QRShapeP1Mark")));
        }
        EXPECT_EQ(observations, f.observations);
        EXPECT_EQ(marks, (QStringList{"Top", "Right", "Left", "Bottom"}));
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

// Slips the reader and the check must catch, each named where it is.
TEST(LayoutSlips, BoxesOffTheirBandOrWithoutSizeAreReported)
{
    struct Slip {
        const char* page;
        const char* field;
        std::function<void(QRectF&)> change;
        const char* said;
    };
    const Slip slips[] = {
        {"M3Front", "Col5_Mop", [](QRectF& r) { r.moveTop(r.top() + 3); }, "outside its band QRChildBand_A"},
        {"M1P3", "Data_Assi_Contrib", [](QRectF& r) { r.moveTop(289); }, "outside the A4 band"},
        {"AnexoBP2", "IV_R1_Mop", [](QRectF& r) { r.setWidth(0); }, "has no width or no height"},
        {"AnexoBP2", "IV_R2_Mop", [](QRectF& r) { r.setHeight(0); }, "has no width or no height"},
    };
    for (const Slip& s : slips) {
        qx::PageLayout page = qx::pageLayout(QLatin1String(s.page));
        const auto box = std::find_if(page.boxes.begin(), page.boxes.end(),
                                      [&](const qx::Box& b) { return b.field == QLatin1String(s.field); });
        ASSERT_NE(box, page.boxes.end()) << s.field;
        s.change(box->mm);
        const QString faults = qx::checkLayout(page).join(QLatin1Char('\n'));
        EXPECT_TRUE(faults.contains(QStringLiteral("line %1 (%2 %3): %4").arg(box->row).arg(qx::boxKindName(box->kind), box->field, QLatin1String(s.said))))
            << s.page << " " << s.field << "\n" << faults.toStdString();
    }
}

TEST(LayoutSlips, TheReaderNamesTheLineOfABadRowAndReadsTheMarks)
{
    const QString head = QStringLiteral("paper A4 portrait\npicture 950 1350\n");
    const std::pair<const char*, const char*> bad[] = {
        {"edit cdsM1P1 Telefone 40.0 -3.0 32.0 4.2 left 11 1", "line 3: \"-3.0\" is not a number"},
        {"edit cdsM1P1 Telefone 40.0 80.0 32.0 4.2 left 11 1 Name trim", "line 3: \"trim\" after the box's words"},
        {"amounts 0", "line 3: amounts of 0 digits"},
    };
    for (const auto& [row, said] : bad) {
        try {
            qx::parsePageLayout(head + QLatin1String(row), QStringLiteral("T"));
            ADD_FAILURE() << "read: " << row;
        } catch (const qx::LayoutError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String(said))) << e.what();
        }
    }
    const qx::PageLayout page = qx::parsePageLayout(
        head + QStringLiteral("amounts 7\nedit cdsM1P2 R14_Desc 20 40 90 4.2 left 12 1 cut\n"
                              "edit cdsM1P2 R15_Desc 20 46 90 4.2 left 12 1 DBEditP1_Last cut\n"
                              "edit cdsM1P2 R16_Desc 20 52 90 4.2 left 12 1 DBEditP1_First\n"),
        QStringLiteral("T"));
    EXPECT_EQ(page.amountDigits, 7);
    ASSERT_EQ(page.boxes.size(), 3u);
    EXPECT_TRUE(page.boxes[0].cut && page.boxes[1].cut && !page.boxes[2].cut);
    EXPECT_EQ(page.boxes[1].name, QStringLiteral("DBEditP1_Last"));
    EXPECT_EQ(page.boxes[2].name, QStringLiteral("DBEditP1_First"));
}

TEST(LineNumbers, FivePixelsApartIsOneLineSixIsTwoAndDriftCountsFromTheFirst)
{
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 105}}), (std::vector<int>{1, 1}));
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 106}}), (std::vector<int>{1, 2}));
    EXPECT_EQ(qx::lineNumbers({{0, 100}, {50, 103}, {90, 106}}), (std::vector<int>{1, 1, 2}));
}

}  // namespace
