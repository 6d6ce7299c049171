// qxprint on list folders made by qxfolder: --item N chooses the sheet or page and the face as the
// print dialog's list does; the BOX lines of the sum labels and the PDF's own text.
#ifdef QX_QXPRINT
#include "support/PdfWords.h"
#include "tools/QxFolderRun.h"

#include <cmath>

#include "core/module/TdmMain.h"

using qxtest::ToolRun;
using qxtest::Words;

namespace {

class QxPrintListsTest : public qxtest::QxFolderFixture {
protected:
    // Appends `count` rows to `list` (amounts k·i for row i), then the extra commands, and saves.
    void fill(const char* list, int count, const QString& amounts, const QStringList& extra = {}) const
    {
        QStringList commands{QStringLiteral("open")};
        for (int i = 1; i <= count; ++i) {
            commands << QStringLiteral("append") << QString::fromLatin1(list) << QStringLiteral("Codigo=1.1")
                     << QStringLiteral("Tipo=T%1").arg(i);
            if (QLatin1String(list) == QLatin1String("cdsM3AAba"))
                commands << QStringLiteral("Motivo_Abate=Venda");
            for (const QString& a : amounts.split(QLatin1Char(' ')))
                commands << QStringLiteral("%1=%2").arg(a.section(QLatin1Char('*'), 0, 0)).arg(a.section(QLatin1Char('*'), 1).toInt() * i);
        }
        const ToolRun r = succeedingOnFolder(commands + extra + Words("save"));
        for (const QString& line : r.output())
            ASSERT_FALSE(line.startsWith(u"FAILED")) << qPrintable(line);
    }
    ToolRun print(const char* pageCode, int item) const
    {
        return qxtest::RunTool(QStringLiteral(QX_QXPRINT),
                               {QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder(), QString::fromLatin1(pageCode),
                                pdf(), QStringLiteral("--test"), QStringLiteral("--boxes"), QStringLiteral("--item"),
                                QString::number(item)},
                               configHome());
    }
    QString pdf() const { return work.path() + QStringLiteral("/out.pdf"); }
    // The text of the BOX line of `name`.
    static QString box(const ToolRun& r, const QString& name) { return r.lineStarting(QStringLiteral("BOX\t") + name + u'\t').value(4); }
    // True when the PDF shows the text of the BOX line of `name` where the line puts its anchor
    // (right-aligned: the end of the text, its trailing blank one character to the left).
    static bool inPdf(const ToolRun& r, const QString& name, const PdfPage& page)
    {
        const QStringList f = r.lineStarting(QStringLiteral("BOX\t") + name + u'\t');
        const double blank = f.value(4).endsWith(u' ') ? 6.6 * 25.4 / 96 : 0;
        for (const PdfWord* w : page.find(f.value(4).trimmed()))
            if (std::abs(w->xMax + blank - f.value(2).toDouble()) < 0.25 && std::abs(w->yMin - f.value(3).toDouble()) < 0.25)
                return true;
        return false;
    }
};

QString mop(std::int64_t units) { return TdmMain::FormatMopText(qx::Currency::fromUnits(units)); }
std::int64_t sumTo(int n, std::int64_t k) { return k * n * (n + 1) / 2; }

}  // namespace

// Item N of the M/3 list: 0 sheet 1 front, 1 its back, 2 sheet 2 front ...; the last sheet's back
// only when the list ends on it. The back of 13 assets carries the twelve-row sums.
TEST_F(QxPrintListsTest, M3ItemsChooseSheetAndFace)
{
    fill("cdsM3VCLF", 13, QStringLiteral("Col1_Mop*1000 Col4_Mop*100"));
    ToolRun r = print("4011", 1);
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.output().last(), QStringLiteral("PRINTED\tFormRpt_M3.QuickRepP2\t4014"));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_P1B")), mop(sumTo(12, 1000)));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_S1B")), mop(sumTo(13, 1000)));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_S4B")), mop(sumTo(13, 100)));
    const PdfPage page = ReadPdfWords(pdf());
    ASSERT_TRUE(page.ok);
    for (const char* name : {"QRLabel_P1B", "QRLabel_S1B", "Col1_Mop", "col8_mop"})
        EXPECT_TRUE(inPdf(r, QString::fromLatin1(name), page)) << name;
    EXPECT_EQ(print("4011", 2).status, 1);                       // one sheet only

    fill("cdsM3VCLF", 37, QStringLiteral("Col1_Mop*1000"));      // 50 rows: sheet 2's front ends the list
    r = print("4011", 2);
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.output().last(), QStringLiteral("PRINTED\tFormRpt_M3Cont.QuickRepP1\t4015"));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_P1A")), mop(sumTo(13, 1000) + sumTo(18, 1000)));
    EXPECT_EQ(print("4011", 3).status, 1);
}

// Item N of the M/3A list: page (N + 2) div 2, fronts the assets alienated, backs the written off;
// a last back without rows or observations is not listed.
TEST_F(QxPrintListsTest, M3AItemsChoosePageAndFace)
{
    fill("cdsM3AAli", 25, QStringLiteral("Col1_Mop*1000 Col2_Mop*500"));
    fill("cdsM3AAba", 5, QStringLiteral("Col1_Mop*1000 Col2_Mop*500"));
    ToolRun r = print("5011", 2);
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.output().last(), QStringLiteral("PRINTED\tFormRpt_M3A.QuickRepP1\t5011"));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_Pag_Num")), QStringLiteral("2"));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_S1A")), mop(sumTo(25, 1000)));
    r = print("5011", 1);
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.output().last(), QStringLiteral("PRINTED\tFormRpt_M3A.QuickRepP2\t5012"));
    EXPECT_EQ(box(r, QStringLiteral("QRLabel_S1B")), mop(sumTo(5, 1000)));
    EXPECT_EQ(print("5011", 3).status, 1);
}
#endif
