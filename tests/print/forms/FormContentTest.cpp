// What the report forms print: date boxes, ticks, overflowed sums, negative amounts, calibration
// marks and test stamps.
#include "FormsFixture.h"
#include "print/forms/CalibrationMarks.h"
#include "print/forms/DateBoxes.h"
#include "print/forms/ReportPageTable.h"
#include "platform/layout/PageLayout.h"

using namespace qx::report;

namespace {

class FormContentTest : public FormsFixture {
protected:
    DisplayList layout(const char* form, const char* pageName, int tag = 0)
    {
        ReportPage& p = page(form, pageName);
        p.tag = tag;
        return LayoutPage(p);
    }
    // The text printed for `field`'s first data text on the page.
    QString textOf(const DisplayList& list, const char* field)
    {
        for (const DisplayText& t : list.texts)
            if (t.field == QLatin1String(field))
                return t.text;
        ADD_FAILURE() << "no data text for " << field;
        return {};
    }
};

bool hasShape(const DisplayList& list, const QString& name)
{
    for (const DisplayShape& s : list.shapes)
        if (s.name == name)
            return true;
    return false;
}

bool hasPicture(const DisplayList& list, const QString& name)
{
    for (const DisplayPicture& p : list.pictures)
        if (p.name == name)
            return true;
    return false;
}

}  // namespace

TEST(DateBoxPattern, FillsTheGapsAndLeavesAnEmptyDateBlank)
{
    const QDate d(2024, 3, 5);
    EXPECT_EQ(FormatDateBox(d, QStringLiteral("yyyy       mm      dd")), QStringLiteral("2024       03      05"));
    EXPECT_EQ(FormatDateBox(d, QStringLiteral("dd mm  yyyy")), QStringLiteral("05 03  2024"));
    EXPECT_EQ(FormatDateBox(QDate(), QStringLiteral("dd mm yyyy")), QString());
    EXPECT_EQ(FormatDateBox(QDate(1899, 12, 30), QStringLiteral("dd mm yyyy")), QString());
}

// 5 March 2024 in QRDBText177: on the A3 sheet 2024, seven blanks, 03, six blanks, 05; on A4 six
// blanks before the month. The other date boxes take their own patterns; an empty one is blank.
TEST_F(FormContentTest, DateBoxesPrintTheirPatterns)
{
    PostFields(dm->cdsM1P3, {{"Data_Assi_Contrib", "05/03/2024"}, {"Data_Deli_Assem_Geral", "31/12/2023"}});
    PostFields(dm->cdsM1P1, {{"Periodo_de", "01/01/2023"}, {"Data_da_Constituicao", ""}});
    PostFields(dm->cdsAnexoBBankP1, {{"II_B_II", "05/03/2024"}});
    struct Case {
        const char* form;
        const char* page;
        const char* text;
        const char* printed;
    };
    const Case cases[] = {
        {"FormRpt_M1", "QuickRepP2P3", "QRDBText177", "2024       03      05"},
        {"FormRpt_M1_A4", "QuickRepP3", "QRDBText177", "2024      03      05"},
        {"FormRpt_M1", "QuickRepP2P3", "QRDBText143", "2023     12    31"},
        {"FormRpt_M1", "QuickRepP2P3", "QRDBText149", "31   12   2023"},
        {"FormRpt_M1", "QuickRepP1", "QRDBText2", "01   01   2023"},
        {"FormRpt_M1_A4", "QuickRepP1", "QRDBText2", "01  01   2023"},
        {"FormRpt_M1", "QuickRepP1", "QRDBText19", ""},
        {"FormRpt_M1_A4", "QuickRepP1", "QRDBText19", ""},
        {"FormRpt_M1", "QuickRepP2P3", "QRDBText169", ""},
        {"FormRpt_AnexoBBank", "QuickRepP1", "QRDBText29", "05 03  2024"},
        {"FormRpt_AnexoB", "QuickRepP1", "QRDBText29", ""},
    };
    for (const Case& c : cases) {
        const DisplayList list = layout(c.form, c.page);
        const DisplayText* t = list.findText(QString::fromLatin1(c.text));
        ASSERT_TRUE(t) << c.form << " " << c.text;
        EXPECT_EQ(t->text, QString::fromUtf8(c.printed)) << c.form << " " << c.text;
    }
}

TEST_F(FormContentTest, TicksOverflowedSumsAndNegativeAmounts)
{
    PostFields(dm->cdsM1P1, {{"Acomp_M4", "TRUE"}, {"Acomp_M3", "FALSE"}});
    PostFields(dm->cdsAnexoAP1, {{"II_R1_Col1_Mop", "900000000000000"}, {"II_R1_Col2_Mop", "900000000000000"},
                                 {"I_R2_Mop_Per_Ant", "-1234567"}});
    const DisplayList m1 = layout("FormRpt_M1", "QuickRepP1");
    EXPECT_EQ(textOf(m1, "Acomp_M4"), QStringLiteral("X"));
    EXPECT_EQ(textOf(m1, "Acomp_M3"), QString());
    const DisplayList anexo = layout("FormRpt_AnexoA", "QuickRepP1");
    EXPECT_EQ(textOf(anexo, "ii_r1_col4_mop"), QStringLiteral("**********"));
    EXPECT_EQ(textOf(anexo, "I_R2_Mop_Per_Ant"), QStringLiteral("(1,234,567)"));
}

// The strokes designed at two corners close into one rectangle from the band's origin.
TEST_F(FormContentTest, CalibrationMarksCloseIntoARectangle)
{
    ReportBand band(ReportBand::Kind::Detail, QStringLiteral("DetailBandP1"));
    band.width = 1085;
    band.height = 769;
    const CalibrationMarks m = AddCalibrationStrokes(band, QStringLiteral("P1"));
    EXPECT_NE(m.left->top, m.top->top);  // designed as corner strokes
    CloseCalibrationMarks(m);
    EXPECT_EQ(QRectF(m.left->left, m.left->top, 0, m.left->height), QRectF(0, 0, 0, 705));
    EXPECT_EQ(QRectF(m.right->left, m.right->top, 0, m.right->height), QRectF(1045, 0, 0, 705));
    EXPECT_EQ(QRectF(m.top->left, m.top->top, m.top->width, 0), QRectF(0, 0, 1045, 0));
    EXPECT_EQ(QRectF(m.bottom->left, m.bottom->top, m.bottom->width, 0), QRectF(0, 705, 1045, 0));
}

// Marks print on test pages only (Tag 10); on M/1 on A4 the test stamp does on pages 1-3, and
// page 4 prints its picture without a handler either way.
TEST_F(FormContentTest, MarksAndStampsOnTestPagesOnly)
{
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        for (int tag : {10, 0}) {
            const DisplayList list = layout(spec.form, spec.page, tag);
            const QString where = QStringLiteral("%1.%2 tag %3").arg(QLatin1String(spec.form), QLatin1String(spec.page)).arg(tag);
            ASSERT_TRUE(list.printed) << qPrintable(where);
            if (spec.marks) {
                EXPECT_EQ(list.shapes.size(), tag == 10 ? 4u : 0u) << qPrintable(where);
                EXPECT_EQ(hasShape(list, QStringLiteral("QRShape%1MarkLeft").arg(QLatin1String(spec.marks))), tag == 10);
            } else {
                EXPECT_TRUE(list.shapes.empty()) << qPrintable(where);
            }
            const QString stamp = QStringLiteral("QRImageP%1Test").arg(spec.picture);
            EXPECT_EQ(hasPicture(list, stamp), spec.testStamp && tag == 10) << qPrintable(where);
            // M/1 on A4 prints its page picture under the values on test and final print alike.
            EXPECT_EQ(hasPicture(list, QStringLiteral("QRImage%1").arg(spec.picture)), spec.picture != 0)
                << qPrintable(where);
        }
    }
    EXPECT_FALSE(forms->page(QStringLiteral("FormRpt_M1_A4"), QStringLiteral("QuickRepP4"))->beforePrint);
}

// A page picture that prints (M/1 on A4) carries no text the editor means for the screen only:
// the auto-calculate buttons say "自動計算" as their tooltip, never on paper.
TEST(PrintedPagePictures, CarryNoScreenOnlyHint)
{
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        if (!spec.picture)
            continue;
        for (const char* name : spec.layouts)
            for (const qx::Mark& m : qx::pageLayout(QLatin1String(name)).marks)
                EXPECT_FALSE(m.text.contains(QStringLiteral("自動計算"))) << name << " line " << m.row;
    }
}
