// The printed faces of M/3 and M/3A read back from their PDFs: which rows each face prints, the
// sums, carried and running totals its labels show, faces cancelled when they have nothing to
// print, and every value within 0.25 mm of its place on the face layout.
#include "print/forms/AssetListColumns.h"
#include "print/forms/TFormRpt_M3.h"
#include "print/forms/TFormRpt_M3A.h"
#include "print/forms/TFormRpt_M3Cont.h"
#include "print/lists/AssetRows.h"
#include "print/FitOnPaper.h"
#include "print/lists/PrintedFace.h"
#include "support/DmFixture.h"

#include "core/module/TdmMain.h"

#include <numeric>

using qx::report::ReportPage;

namespace {

// Column k of row i of AssetRow, per list: M/3 columns 1-8, M/3A alienated 1-8, written off 1-7.
constexpr std::int64_t kM3[] = {1000, 10, 990, 100, 50, 1, 149, 841};
constexpr std::int64_t kAli[] = {1000, 10, 20, 100, 50, 1090, 1030, 60};
constexpr std::int64_t kAba[] = {1000, 10, 20, 100, 980, -90, -1070};

// The label texts of the sums of rows first..last.
template <size_t N>
QStringList SumTexts(const std::int64_t (&k)[N], int first, int last)
{
    QStringList out;
    for (std::int64_t f : k)
        out << TdmMain::FormatMopText(Units(SumTo(last, f) - SumTo(first - 1, f)));
    return out;
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> v(size_t(std::max(0, last - first + 1)));
    std::iota(v.begin(), v.end(), first);
    return v;
}

class AssetFacesTest : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        m3 = std::make_unique<TFormRpt_M3>(*dm);
        cont = std::make_unique<TFormRpt_M3Cont>(*dm);
        m3a = std::make_unique<TFormRpt_M3A>(*dm);
        PostFields(dm->cdsM1P1, {{"Ano_Exercicio", "2024"}, {"No_Contribuinte", "12345"}});
    }
    PrintedFace PrintSheet(ReportPage& page, int sheet)
    {
        cont->PagNum = sheet;
        return PrintFace(page);
    }
    PrintedFace PrintM3A(ReportPage& page, int n)
    {
        m3a->PagNum = n;
        return PrintFace(page);
    }

    std::unique_ptr<TFormRpt_M3> m3;
    std::unique_ptr<TFormRpt_M3Cont> cont;
    std::unique_ptr<TFormRpt_M3A> m3a;
};

}  // namespace

// 12 assets fill the front of sheet 1; the back prints only for its observations, and then as one
// blank band with the observations and no sums or carried totals.
TEST_F(AssetFacesTest, TwelveAssetsFillTheFrontAndTheBackPrintsOnlyForObservations)
{
    LoadRows(dm->cdsM3VCLF, 12);
    const PrintedFace front = PrintFace(m3->QuickRepP1);
    ASSERT_TRUE(front.printed);
    EXPECT_EQ(front.rows(), Range(1, 12));
    EXPECT_EQ(front.labels("QRLabel_S", u'A', 8), SumTexts(kM3, 1, 12));
    EXPECT_FALSE(PrintFace(m3->QuickRepP2).printed);

    LoadObs(dm->cdsM3Obs, 1, 1);
    const PrintedFace back = PrintFace(m3->QuickRepP2);
    ASSERT_TRUE(back.printed);
    EXPECT_TRUE(back.rows().empty());
    EXPECT_FALSE(back.pdf.find(QStringLiteral("Observacao")).empty());
    for (const char* prefix : {"QRLabel_P", "QRLabel_S"})
        for (int i = 1; i <= 8; ++i)
            EXPECT_FALSE(back.has(QStringLiteral("%1%2B").arg(QLatin1String(prefix)).arg(i))) << prefix << i;
    EXPECT_TRUE(m3->Back.fillerBand->enabled);
    EXPECT_FALSE(m3->Back.detailBand->enabled || m3->Back.childBand->enabled);
}

// Row 13 opens the back: the front's twelve-row sums are carried in, row 13 (odd) prints through
// the child band, the footer adds it to them.
TEST_F(AssetFacesTest, ThirteenAssetsCarryTheFrontsSumsToTheBack)
{
    LoadRows(dm->cdsM3VCLF, 13);
    const PrintedFace back = PrintFace(m3->QuickRepP2);
    ASSERT_TRUE(back.printed);
    EXPECT_EQ(back.rows(), std::vector<int>{13});
    EXPECT_EQ(back.labels("QRLabel_P", u'B', 8), SumTexts(kM3, 1, 12));
    EXPECT_EQ(back.labels("QRLabel_S", u'B', 8), SumTexts(kM3, 1, 13));
    EXPECT_TRUE(m3->Back.childBand->enabled);
    EXPECT_FALSE(m3->Back.detailBand->enabled || m3->Back.fillerBand->enabled);
}

// Sheet 2: the front prints rows 32-50 after the totals of rows 1-31, the back rows 51-69; the
// fronts and backs of sheets beyond the list are cancelled.
TEST_F(AssetFacesTest, ContinuationSheetsCarryEveryRowBeforeThem)
{
    LoadRows(dm->cdsM3VCLF, 60);
    const PrintedFace front = PrintSheet(cont->QuickRepP1, 2);
    ASSERT_TRUE(front.printed);
    EXPECT_EQ(front.rows(), Range(32, 50));
    EXPECT_EQ(front.labels("QRLabel_P", u'A', 8), SumTexts(kM3, 1, 31));
    EXPECT_EQ(front.labels("QRLabel_S", u'A', 8), SumTexts(kM3, 1, 50));
    const PrintedFace back = PrintSheet(cont->QuickRepP2, 2);
    ASSERT_TRUE(back.printed);
    EXPECT_EQ(back.rows(), Range(51, 60));
    EXPECT_EQ(back.labels("QRLabel_P", u'B', 8), SumTexts(kM3, 1, 50));
    EXPECT_EQ(back.labels("QRLabel_S", u'B', 8), SumTexts(kM3, 1, 60));
    EXPECT_FALSE(PrintSheet(cont->QuickRepP1, 3).printed);
    EXPECT_FALSE(PrintSheet(cont->QuickRepP2, 3).printed);
    LoadObs(dm->cdsM3Obs, 3, 3);
    const PrintedFace observations = PrintSheet(cont->QuickRepP2, 3);
    EXPECT_TRUE(observations.printed);
    EXPECT_TRUE(observations.rows().empty());
}

// Negative totals in parentheses, zero totals as "--- ", a total out of the currency range as the
// asterisks of an overflowed sum.
TEST_F(AssetFacesTest, SumLabelsShowNegativeZeroAndOverflowedTotals)
{
    const qx::Currency huge = qx::Currency::parse(u"600000000000000");
    LoadRows(dm->cdsM3VCLF, 2, [huge](int i) {
        RowValues v = AssetRow(i);
        v[QStringLiteral("col1_mop")] = Units(-100 * i);
        v[QStringLiteral("col2_mop")] = Units(0);
        v[QStringLiteral("col4_mop")] = Units(0);
        v[QStringLiteral("col6_mop")] = Units(0);
        v[QStringLiteral("col5_mop")] = huge;
        return v;
    });
    const QStringList sums = PrintFace(m3->QuickRepP1).labels("QRLabel_S", u'A', 8);
    EXPECT_EQ(sums[0], QStringLiteral("(300)"));
    EXPECT_EQ(sums[1], QStringLiteral("--- "));
    EXPECT_EQ(sums[5], QStringLiteral("--- "));
    EXPECT_EQ(sums[4], QStringLiteral("**********"));  // 1.2e15 leaves the currency range
    EXPECT_EQ(sums[6], QStringLiteral("**********"));  // col7 = col4 + col5 - col6, summed
}

// An empty list: sheet 1's front prints its header data, no row, and every sum as "--- ".
TEST_F(AssetFacesTest, AnEmptyListPrintsTheHeaderWithoutRows)
{
    LoadRows(dm->cdsM3VCLF, 0);
    const PrintedFace front = PrintFace(m3->QuickRepP1);
    ASSERT_TRUE(front.printed);
    EXPECT_TRUE(front.rows().empty());
    EXPECT_FALSE(front.pdf.find(QStringLiteral("00012345")).empty());
    EXPECT_EQ(front.labels("QRLabel_S", u'A', 8), QStringList(8, QStringLiteral("--- ")));
    int rowTexts = 0;
    for (const auto& t : front.list.texts)
        rowTexts += t.box.top() > 115 && t.box.top() < 187 && t.dataText;
    EXPECT_EQ(rowTexts, 0);
}

// M/3A, 25 rows alienated and 5 written off: page 2's front prints rows 21-25 with the running
// totals of all 25, the page number and the page count; page 2's back prints only for
// observations; page 1's back shows the 5 rows and no page number or count.
TEST_F(AssetFacesTest, M3APagesCarryTheirListsRunningTotals)
{
    LoadRows(dm->cdsM3AAli, 25);
    LoadRows(dm->cdsM3AAba, 5);
    const PrintedFace front = PrintM3A(m3a->QuickRepP1, 2);
    ASSERT_TRUE(front.printed);
    EXPECT_EQ(front.rows(), Range(21, 25));
    EXPECT_EQ(front.labels("QRLabel_S", u'A', 8), SumTexts(kAli, 1, 25));
    EXPECT_EQ(front.text(QStringLiteral("QRLabel_Pag_Num")), QStringLiteral("2"));
    EXPECT_EQ(front.text(QStringLiteral("QRLabel_Total_Pay_Num")), QStringLiteral("2"));
    EXPECT_FALSE(PrintM3A(m3a->QuickRepP2, 2).printed);
    const PrintedFace back = PrintM3A(m3a->QuickRepP2, 1);
    ASSERT_TRUE(back.printed);
    EXPECT_EQ(back.rows(), Range(1, 5));
    EXPECT_EQ(back.labels("QRLabel_S", u'B', 7), SumTexts(kAba, 1, 5));
    EXPECT_EQ(back.text(QStringLiteral("QRLabel_S6B")), QStringLiteral("(1,350)"));
    // The page number and count are the front's: nothing prints above the back's first row.
    for (const PdfWord& w : back.pdf.words)
        EXPECT_GT(w.yMin, 38.8) << qPrintable(w.text);
    LoadObs(dm->cdsM3AObs, 2, 2);
    EXPECT_TRUE(PrintM3A(m3a->QuickRepP2, 2).printed);
}

// A page whose alienated list has no rows on it but whose written-off list has: the front prints
// the page number, the page count, one blank row band and no sums.
TEST_F(AssetFacesTest, M3AFrontWithoutRowsPrintsOneBlankBand)
{
    LoadRows(dm->cdsM3AAli, 5);
    LoadRows(dm->cdsM3AAba, 25);
    const PrintedFace front = PrintM3A(m3a->QuickRepP1, 2);
    ASSERT_TRUE(front.printed);
    EXPECT_EQ(front.text(QStringLiteral("QRLabel_Pag_Num")), QStringLiteral("2"));
    EXPECT_EQ(front.text(QStringLiteral("QRLabel_Total_Pay_Num")), QStringLiteral("2"));
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(front.has(QStringLiteral("QRLabel_S%1A").arg(i))) << i;
    EXPECT_TRUE(front.rows().empty());
    int blank = 0;
    for (const auto& t : front.list.texts)
        if (t.dataText && t.box.top() > 70 && t.box.top() < 190) {
            EXPECT_TRUE(t.text.isEmpty()) << qPrintable(t.text);
            ++blank;
        }
    EXPECT_EQ(blank, 12);  // one band of the twelve columns
    EXPECT_FALSE(PrintM3A(m3a->QuickRepP1, 3).printed);
}

namespace {

// Every value of a printed face lies within 0.25 mm of its box on the face layout, moved by
// `shift`: the header and footer boxes once, the row boxes once per row at the pitch of the two
// row bands (the detail band's height after an even record, the child band's after an odd one).
void ExpectValuesOnTheirBoxes(TdmMain& dm, const PrintedFace& printed, const AssetFace& face, const char* layoutName,
                              qx::ClientDataSet& list, QPointF shift = {})
{
    ASSERT_TRUE(printed.printed) << layoutName;
    const qx::PageLayout& layout = qx::pageLayout(QLatin1String(layoutName));
    const double charMm = CharWidthMm(qx::report::ReportFont{printed.list.texts.front().font.family, 11, false});
    const std::vector<int> rows = printed.rows();
    ASSERT_FALSE(rows.empty()) << layoutName;
    int checked = 0;
    auto expectAt = [&](const QString& text, const qx::Box& box, double dy, const QString& what) {
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty() || (box.align == qx::BoxAlign::Center && words.size() > 1))
            return;
        const QString word = box.align == qx::BoxAlign::Right ? text.mid(text.lastIndexOf(words.last())) : words.first();
        const QPointF at = BoxAnchor(box) + QPointF(0, dy) + shift;
        EXPECT_LE(DistanceInPdf(printed.pdf, word, at, box.align, charMm), 0.25)
            << layoutName << " " << qPrintable(what) << " " << qPrintable(text) << " at " << at.x() << "," << at.y();
        ++checked;
    };
    for (const qx::Box& box : layout.boxes) {
        const bool rowBox = box.band == face.detailBand->name() || box.band == face.childBand->name();
        if (box.kind == qx::BoxKind::SumLabel) {
            expectAt(printed.text(box.field), box, 0, box.field);
        } else if (!rowBox) {
            qx::ClientDataSet* ds = dm.DataSetByName(box.dataSet);
            if (ds && ds != &list)
                expectAt(ds->fieldByName(box.field).displayText(), box, 0, box.field);
        } else {
            // Row r prints through the detail band when even, the child band when odd; the rows
            // stack from the first row's band top on the layout.
            const QString firstBand = rows.front() % 2 == 0 ? face.detailBand->name() : face.childBand->name();
            double rowTop = layout.band(firstBand)->topMm;
            for (int r = rows.front(); r <= rows.back(); ++r) {
                const qx::report::ReportBand& band = r % 2 == 0 ? *face.detailBand : *face.childBand;
                if (box.band == band.name()) {
                    list.setRecNo(r);
                    expectAt(list.fieldByName(box.field).displayText(), box, rowTop - layout.band(box.band)->topMm,
                             QStringLiteral("%1 of row %2").arg(box.field).arg(r));
                }
                rowTop += band.height * qx::report::kMmPerReportPixel;
            }
        }
    }
    EXPECT_GT(checked, int(rows.size()) * 10) << layoutName;
}

}  // namespace

TEST_F(AssetFacesTest, EveryValueLiesOnItsBoxAtTheRowPitch)
{
    LoadRows(dm->cdsM3VCLF, 69);
    LoadObs(dm->cdsM3Obs, 2, 2);
    LoadRows(dm->cdsM3AAli, 20);
    LoadRows(dm->cdsM3AAba, 20);
    LoadObs(dm->cdsM3AObs, 1, 1);
    ExpectValuesOnTheirBoxes(*dm, PrintFace(m3->QuickRepP1), m3->Front, "M3Front", dm->cdsM3VCLF);
    ExpectValuesOnTheirBoxes(*dm, PrintFace(m3->QuickRepP2), m3->Back, "M3Back", dm->cdsM3VCLF);
    ExpectValuesOnTheirBoxes(*dm, PrintSheet(cont->QuickRepP1, 2), cont->Front, "M3ContFront", dm->cdsM3VCLF);
    ExpectValuesOnTheirBoxes(*dm, PrintSheet(cont->QuickRepP2, 2), cont->Back, "M3ContBack", dm->cdsM3VCLF);
    ExpectValuesOnTheirBoxes(*dm, PrintM3A(m3a->QuickRepP1, 1), m3a->Front, "M3AFront", dm->cdsM3AAli);
    ExpectValuesOnTheirBoxes(*dm, PrintM3A(m3a->QuickRepP2, 1), m3a->Back, "M3ABack", dm->cdsM3AAba);
}

// The user's offsets move the whole face, its footer included; the calibration marks print on a
// test page only; the rate column shrinks its font for texts of four characters or more.
TEST_F(AssetFacesTest, OffsetsMoveTheWholeFaceAndMarksPrintOnTestPagesOnly)
{
    LoadRows(dm->cdsM3VCLF, 31, [](int i) {
        RowValues v = AssetRow(i);
        if (i == 14)
            v[QStringLiteral("da_taxas")] = Units(0);
        return v;
    });
    LoadObs(dm->cdsM3Obs, 1, 1);
    m3->QuickRepP2.leftMargin += 5;
    m3->QuickRepP2.topMargin += 5;
    m3->QuickRepP2.tag = 10;
    const PrintedFace moved = PrintFace(m3->QuickRepP2);
    ExpectValuesOnTheirBoxes(*dm, moved, m3->Back, "M3Back", dm->cdsM3VCLF, QPointF(5, 5));
    EXPECT_EQ(moved.list.shapes.size(), 4u);
    for (const auto& s : moved.list.shapes) {
        if (s.name.endsWith(u"Bottom") || s.name.endsWith(u"Top")) {
            EXPECT_GT(s.box.width(), 250) << qPrintable(s.name);  // stretched from mark to mark
        }
    }
    int large = 0, small = 0;
    for (const auto& t : moved.list.texts) {
        small += t.text == u"12.50%" && t.font.pixelHeight == 8;
        large += t.text == u"-" && t.font.pixelHeight == 11;
    }
    EXPECT_EQ(small, 18);
    EXPECT_EQ(large, 1);
    m3->QuickRepP2.tag = 0;
    EXPECT_TRUE(PrintFace(m3->QuickRepP2).list.shapes.empty());
}

// Label texts: thousands, negatives in parentheses, zero as "--- ", and the asterisks of a sum
// that left the currency range or took in a row value that overflowed; never a wrapped figure.
TEST_F(AssetFacesTest, SumsAreCheckedAndPrintAsTheirLabelsShowThem)
{
    FaceSums sums(3);
    sums.add(0, Units(1234567));
    sums.add(1, Units(-50));
    EXPECT_EQ(sums.text(0), QStringLiteral("1,234,567 "));
    EXPECT_EQ(sums.text(1), QStringLiteral("(50)"));
    EXPECT_EQ(sums.text(2), QStringLiteral("--- "));

    sums.add(2, qx::Currency::max());
    sums.add(2, Units(1));
    EXPECT_TRUE(sums.overflowed(2));
    EXPECT_EQ(sums.text(2), QStringLiteral("**********"));
    sums.add(2, Units(-2));  // coming back into range does not make the sum right again
    EXPECT_EQ(sums.text(2), QStringLiteral("**********"));
    FaceSums copy = sums;  // carried totals keep the mark
    EXPECT_TRUE(copy.overflowed(2));
    sums.clear();
    EXPECT_EQ(sums.text(2), QStringLiteral("--- "));

    // A row whose col3_mop overflowed (listed in its overflow_fields) makes column 3 unknown.
    LoadRows(dm->cdsM3VCLF, 2, [](int i) {
        RowValues v = AssetRow(i);
        if (i == 2)
            v[QStringLiteral("col1_mop")] = qx::Currency::max();
        v[QStringLiteral("col2_mop")] = Units(-1);
        return v;
    });
    SumColumns columns(dm->cdsM3VCLF, M3SumFields());
    FaceSums rows(columns.count());
    for (dm->cdsM3VCLF.first(); !dm->cdsM3VCLF.eof(); dm->cdsM3VCLF.next())
        columns.addCurrentRow(rows);
    EXPECT_TRUE(rows.overflowed(0));   // 1000 + max: out of range
    EXPECT_TRUE(rows.overflowed(2));   // max - (-1) overflowed in the row itself
    EXPECT_EQ(rows.text(1), QStringLiteral("(2)"));
}


// Every face with rows at their widest (codes and types their whole length, amounts at the faces'
// nine digits, the rate 100 %): read back from the PDF, no two values overlap, each stays within
// its box, on the sheet and at its anchor; the sums past the bound print smaller.
TEST_F(AssetFacesTest, WidestRowsStayInTheirBoxes)
{
    const auto widest = [](int) {
        const qx::Currency nine = Units(999999999);
        RowValues v;
        for (const char* f : {"codigo", "ano_aqu", "mes_ini_de_util", "mes_venda", "mes_abate"})
            v[QLatin1String(f)] = QStringLiteral("WWWWW");
        v[QStringLiteral("tipo")] = QString(30, u'W');
        v[QStringLiteral("motivo_abate")] = QString(14, u'W');
        for (const char* f : {"col1_mop", "col2_mop", "col3_mop", "col4_mop", "col5_mop", "col6_mop"})
            v[QLatin1String(f)] = nine;
        v[QStringLiteral("da_taxas")] = Units(100);
        v[QStringLiteral("da_meses")] = std::int32_t(9999);
        return v;
    };
    LoadRows(dm->cdsM3VCLF, 69, widest);
    LoadObs(dm->cdsM3Obs, 2, 2);
    LoadRows(dm->cdsM3AAli, 20, widest);
    LoadRows(dm->cdsM3AAba, 20, widest);
    LoadObs(dm->cdsM3AObs, 1, 1);
    const QString keep = qEnvironmentVariable("QX_KEEP_PDF_DIR");
    const auto keepAs = [&](const char* name) { return keep.isEmpty() ? QString() : keep + QLatin1Char('/') + QLatin1String(name); };
    for (ReportPage* page : {&m3->QuickRepP1, &m3->QuickRepP2, &cont->QuickRepP1, &cont->QuickRepP2, &m3a->QuickRepP1, &m3a->QuickRepP2})
        page->tag = 10;  // test pages: the calibration frame prints too
    int shrunk = 0;
    shrunk += PrintAndExpectValuesFit(m3->QuickRepP1, QStringLiteral("M3Front"), keepAs("M3Front.pdf")).shrunk;
    shrunk += PrintAndExpectValuesFit(m3->QuickRepP2, QStringLiteral("M3Back"), keepAs("M3Back.pdf")).shrunk;
    cont->PagNum = 2;
    shrunk += PrintAndExpectValuesFit(cont->QuickRepP1, QStringLiteral("M3ContFront"), keepAs("M3ContFront.pdf")).shrunk;
    shrunk += PrintAndExpectValuesFit(cont->QuickRepP2, QStringLiteral("M3ContBack"), keepAs("M3ContBack.pdf")).shrunk;
    m3a->PagNum = 1;
    shrunk += PrintAndExpectValuesFit(m3a->QuickRepP1, QStringLiteral("M3AFront"), keepAs("M3AFront.pdf")).shrunk;
    shrunk += PrintAndExpectValuesFit(m3a->QuickRepP2, QStringLiteral("M3ABack"), keepAs("M3ABack.pdf")).shrunk;
    EXPECT_GT(shrunk, 20);
}
