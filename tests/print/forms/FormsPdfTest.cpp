// The report forms printed from a filled folder, measured in the PDF itself.
#include "FormsFixture.h"
#include "platform/layout/PageLayout.h"
#include "platform/layout/BoxFit.h"
#include "platform/report/FitText.h"
#include "print/FilledPages.h"
#include "print/FitOnPaper.h"
#include "support/PdfWords.h"

using namespace qx::report;

namespace {

constexpr double kTolerance = 0.25;  // millimetres

class FormsPdfTest : public FormsFixture {
protected:
    void FillFolder() override
    {
        FillSinglePages(*dm);
    }

    PdfPage printed(ReportPage& page, const QString& file, DisplayList* list = nullptr)
    {
        DisplayList l = LayoutPage(page);
        EXPECT_TRUE(WritePdf(l, page, dir.filePath(file)));
        if (list)
            *list = l;
        return ReadPdfWords(dir.filePath(file));
    }
};

// Where a text's anchor must be on the paper: from the layout's box, on the sheet.
struct Expected {
    QString text;
    TextAlignment alignment;
    QPointF at;  // millimetres
    int fontPx;
};

// The distance from `e` to the nearest PDF word that can be its anchor word. The blanks that end a
// right-aligned amount (the display pattern keeps positives clear of a negative's parenthesis)
// take their width before the anchor: a blank of the monospaced font is 0.6 of its height.
double distanceToNearest(const PdfPage& pdf, const Expected& e, int fontPx)
{
    const QStringList words = e.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString& key = e.alignment == TextAlignment::Right ? words.last() : words.first();
    qsizetype trailing = 0;
    while (trailing < e.text.size() && e.text[e.text.size() - 1 - trailing] == QLatin1Char(' '))
        ++trailing;
    const double blanks = e.alignment == TextAlignment::Right ? trailing * 0.6 * fontPx * kMmPerReportPixel : 0;
    double best = 1e9;
    for (const PdfWord* w : pdf.find(key)) {
        const double x = e.alignment == TextAlignment::Left    ? w->xMin
                         : e.alignment == TextAlignment::Right ? w->xMax + blanks
                                                               : (w->xMin + w->xMax) / 2;
        best = std::min(best, std::hypot(x - e.at.x(), w->yMin - e.at.y()));
    }
    return best;
}

// The anchors of the page's non-empty data texts, computed from the layouts alone.
std::vector<Expected> expectedAnchors(const ReportPageSpec& spec, const DisplayList& list)
{
    std::vector<const qx::Box*> boxes;
    std::vector<double> offsets;
    for (const char* name : spec.layouts) {
        const qx::PageLayout& l = qx::pageLayout(QString::fromLatin1(name));
        const qx::ReportPlacement* placement = l.report(QString::fromLatin1(spec.placement));
        for (const qx::Box& b : l.boxes)
            if (b.isBound()) {
                boxes.push_back(&b);
                offsets.push_back(placement->sheetOffsetMm);
            }
    }
    std::vector<Expected> out;
    size_t i = 0;
    for (const DisplayText& t : list.texts) {
        if (!t.dataText)
            continue;
        const qx::Box& b = *boxes.at(i);
        const double x = b.align == qx::BoxAlign::Left    ? b.mm.left()
                         : b.align == qx::BoxAlign::Right ? b.mm.right()
                                                          : b.mm.center().x();
        if (!t.text.trimmed().isEmpty())
            out.push_back({t.text, t.alignment, QPointF(x + offsets[i], b.mm.top()), b.fontPx});
        ++i;
    }
    EXPECT_EQ(i, boxes.size());
    return out;
}

}  // namespace

TEST_F(FormsPdfTest, EveryValueLandsOnItsBoxAndOffsetsMoveItAll)
{
    ASSERT_TRUE(bound);
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        const QString where = QStringLiteral("%1.%2").arg(QLatin1String(spec.form), QLatin1String(spec.page));
        ReportPage& page = *forms->page(QString::fromLatin1(spec.form), QString::fromLatin1(spec.page));
        DisplayList list;
        const PdfPage pdf = printed(page, QStringLiteral("default.pdf"), &list);
        ASSERT_TRUE(pdf.ok) << qPrintable(where);
        EXPECT_NEAR(pdf.widthMm, page.paperWidthMm(), 0.2) << qPrintable(where);
        EXPECT_NEAR(pdf.heightMm, page.paperHeightMm(), 0.2) << qPrintable(where);
        EXPECT_EQ(pdf.widthMm > pdf.heightMm, spec.orientation == Orientation::Landscape) << qPrintable(where);
        const std::vector<Expected> anchors = expectedAnchors(spec, list);
        if (spec.picture != 4) {
            EXPECT_GT(anchors.size(), 20u) << qPrintable(where);
        }
        for (const Expected& e : anchors)
            EXPECT_LE(distanceToNearest(pdf, e, e.fontPx), kTolerance) << qPrintable(where) << " " << qPrintable(e.text) << " at " << e.at.x() << "," << e.at.y();

        const double left = page.leftMargin, top = page.topMargin;
        page.leftMargin += 5;
        page.topMargin += 5;
        const PdfPage moved = printed(page, QStringLiteral("moved.pdf"));
        page.leftMargin = left;
        page.topMargin = top;
        for (const Expected& e : anchors) {
            const Expected shifted{e.text, e.alignment, e.at + QPointF(5, 5), e.fontPx};
            EXPECT_LE(distanceToNearest(moved, shifted, e.fontPx), kTolerance) << qPrintable(where) << " moved " << qPrintable(e.text);
        }
    }
}

// A line description of 150 characters made of digits and punctuation is a text: on paper it is
// cut after its last whole character, on the A4 page and on the A3 sheet, never a row of '#'.
TEST_F(FormsPdfTest, ADescriptionOfDigitsIsCutNotMarked)
{
    ASSERT_TRUE(bound);
    QString description;
    while (description.size() < 150)
        description += QStringLiteral("2023/24 (1-12) 15.3%, 7/8 ");
    description.truncate(150);
    PostField(dm->cdsM1P2, "R14_Desc", description);
    for (const auto& [form, pageName] : {std::pair{"FormRpt_M1_A4", "QuickRepP2"}, std::pair{"FormRpt_M1", "QuickRepP2P3"}}) {
        SCOPED_TRACE(form);
        DisplayList list;
        const PdfPage pdf = printed(page(form, pageName), QStringLiteral("desc.pdf"), &list);
        ASSERT_TRUE(pdf.ok);
        const auto t = std::find_if(list.texts.begin(), list.texts.end(), [](const DisplayText& d) { return d.field == u"R14_Desc"; });
        ASSERT_NE(t, list.texts.end());
        QStringList words;
        for (const PdfWord& w : pdf.words)
            if (t->box.contains(QPointF((w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2)))
                words << w.text;
        const QString onPaper = words.join(u' ');
        EXPECT_GT(onPaper.size(), 60);
        EXPECT_TRUE(description.startsWith(onPaper)) << qPrintable(onPaper);
        EXPECT_FALSE(t->marks);
    }
}

namespace {

// Every input of every single page at its widest value (the amounts of M/4's front at its seven
// digits), the sums computed from them past the bound.
class WidestValuesPdfTest : public FormsPdfTest {
protected:
    void FillFolder() override
    {
        for (const char* name : {"M1P1", "M1P2", "M1P3", "AnexoAP1", "AnexoAP2", "AnexoASegP1", "AnexoASegP2",
                                 "AnexoABankP1", "AnexoABankP2", "AnexoBP1", "AnexoBP2", "AnexoBSegP1", "AnexoBSegP2",
                                 "AnexoBBankP1", "AnexoBBankP2", "M4P1", "M4P2"}) {
            const qx::PageLayout& layout = qx::pageLayout(QLatin1String(name));
            FillEveryInputFieldWidest(*dm->DataSetByName(QStringLiteral("cds") + QLatin1String(name)),
                                      layout.amountDigits > 0 ? layout.amountDigits : qx::kAmountDigits);
        }
    }
};

}  // namespace

// Each report page, M/1 on A4 and on A3, printed as a test page with every box at its widest: in
// the PDF no two values overlap, each lies within its box, on the sheet, inside the calibration
// frame and at its anchor. The inputs at the
// bound print at their box's font; the sums past it shrink; the long texts reach the floor and are
// cut there.
TEST_F(WidestValuesPdfTest, EveryValueStaysInItsBoxOnTheSheet)
{
    ASSERT_TRUE(bound);
    const QString keep = qEnvironmentVariable("QX_KEEP_PDF_DIR");
    int atFloor = 0;
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        const QString where = QStringLiteral("%1.%2").arg(QLatin1String(spec.form), QLatin1String(spec.page));
        ReportPage& page = *forms->page(QString::fromLatin1(spec.form), QString::fromLatin1(spec.page));
        page.tag = 10;  // a test page: its calibration marks print too
        const FitCounts c = PrintAndExpectValuesFit(page, where, keep.isEmpty() ? QString() : keep + QLatin1Char('/') + where + QStringLiteral(".pdf"));
        if (spec.picture != 4) {
            EXPECT_GT(c.texts, 20) << qPrintable(where);
        }
        atFloor += c.atFloor;
    }
    EXPECT_GT(atFloor, 50);
    // A description of 150 characters is cut after the last whole one that fits its box at the floor.
    const DisplayList list = LayoutPage(page("FormRpt_M1_A4", "QuickRepP2"));
    int cut = 0;
    for (const DisplayText& t : list.texts)
        if (t.field.endsWith(u"_Desc") && !t.field.startsWith(u"R35") && t.text.startsWith(u"WWW")) {
            EXPECT_LT(t.text.size(), 150);
            ++cut;
            EXPECT_EQ(t.font.pixelHeight, kFloorPixelHeight);
            EXPECT_GT(PrintedWidth(t.text + QLatin1Char('W'), t.font) * kMmPerReportPixel, t.box.width());
        }
    EXPECT_EQ(cut, 12);
}

namespace {

// The page picture as printed under the values: its light areas, each one enclosed by dark lines
// (or by the picture's edge), numbered.
class PictureAreas {
public:
    PictureAreas(const QImage& image, const QRectF& placedMm) : image_(image), placed_(placedMm)
    {
        area_.assign(size_t(image.width()) * image.height(), -1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (area(x, y) == -1 && !dark(x, y))
                    fill(x, y, int(bounds_.size()));
    }
    // The pixels of a rectangle on the paper, millimetres.
    QRect pixels(const QRectF& mm) const
    {
        const double sx = image_.width() / placed_.width(), sy = image_.height() / placed_.height();
        return QRect(QPoint(int(std::floor((mm.left() - placed_.left()) * sx)), int(std::floor((mm.top() - placed_.top()) * sy))),
                     QPoint(int(std::ceil((mm.right() - placed_.left()) * sx)) - 1, int(std::ceil((mm.bottom() - placed_.top()) * sy)) - 1));
    }
    // The one light area that holds every pixel of `mm`, or -1 (a line or another area in it).
    int areaHolding(const QRectF& mm) const
    {
        const QRect r = pixels(mm);
        const int first = area(r.left(), r.top());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (area(x, y) != first)
                    return -1;
        return first;
    }
    // An area's extent on the paper, millimetres; a box's inside is closed on every side.
    QRectF extentMm(int a) const
    {
        const QRect& r = bounds_[size_t(a)];
        const double mx = placed_.width() / image_.width(), my = placed_.height() / image_.height();
        return QRectF(placed_.left() + r.left() * mx, placed_.top() + r.top() * my, (r.width()) * mx, r.height() * my);
    }
    bool closed(int a) const { return !touchesEdge_[size_t(a)]; }

private:
    bool dark(int x, int y) const { return qGray(image_.pixel(x, y)) < 160; }
    int area(int x, int y) const
    {
        return x < 0 || y < 0 || x >= image_.width() || y >= image_.height() ? -2 : area_[size_t(y) * image_.width() + x];
    }
    void fill(int x0, int y0, int a)
    {
        QRect bounds(x0, y0, 1, 1);
        bool edge = false;
        std::vector<QPoint> todo{{x0, y0}};
        area_[size_t(y0) * image_.width() + x0] = a;
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            bounds |= QRect(p, QSize(1, 1));
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint n = p + d;
                if (area(n.x(), n.y()) == -2) {
                    edge = true;
                } else if (area(n.x(), n.y()) == -1 && !dark(n.x(), n.y())) {
                    area_[size_t(n.y()) * image_.width() + n.x()] = a;
                    todo.push_back(n);
                }
            }
        }
        bounds_.push_back(bounds);
        touchesEdge_.push_back(edge);
    }

    const QImage& image_;
    QRectF placed_;
    std::vector<int> area_;
    std::vector<QRect> bounds_;
    std::vector<bool> touchesEdge_;
};

}  // namespace

// M/1 on plain A4 prints its page picture under the values: every printed word lies inside the
// outline of a box on that picture, at least half a millimetre from each of its lines. The
// lines are read from the printed picture, the words from the PDF.
TEST_F(WidestValuesPdfTest, OnTheA4PagesEveryValueSitsInsideItsPrintedBox)
{
    ASSERT_TRUE(bound);
    constexpr double kRoomMm = 0.5;
    constexpr double kBoxHeightMm = 10;  // a box's inside, not the page around the boxes
    for (const char* pageName : {"QuickRepP1", "QuickRepP2", "QuickRepP3"}) {
        SCOPED_TRACE(pageName);
        ReportPage& p = page("FormRpt_M1_A4", pageName);
        p.tag = 0;
        DisplayList list;
        const PdfPage pdf = printed(p, QStringLiteral("a4.pdf"), &list);
        ASSERT_TRUE(pdf.ok);
        ASSERT_EQ(list.pictures.size(), 1u);
        const QImage image = list.pictures.front().picture.convertToFormat(QImage::Format_Grayscale8);
        const PictureAreas areas(image, list.pictures.front().box);
        EXPECT_GT(pdf.words.size(), 40u);
        for (const PdfWord& w : pdf.words) {
            const QRectF room = QRectF(QPointF(w.xMin, w.yMin), QPointF(w.xMax, w.yMax)).adjusted(-kRoomMm, -kRoomMm, kRoomMm, kRoomMm);
            const int a = areas.areaHolding(room);
            const bool inABox = a >= 0 && areas.closed(a) && areas.extentMm(a).height() < kBoxHeightMm;
            EXPECT_TRUE(inABox) << qPrintable(w.text) << " at " << w.xMin << "," << w.yMin << " - " << w.xMax << ","
                                << w.yMax << (a < 0 ? ": a line within 0.5 mm" : ": in no box");
        }
    }
}
