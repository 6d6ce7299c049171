// The report forms as the print dialog sees them: the page of each page code on its paper with its
// default offsets, the calibration marks on a test page only, the offsets moving the page, a face
// with nothing to print, and the sheet of a continuation face taken from the request.
#include "print/FilledPages.h"
#include "print/dialog/OffsetRoom.h"
#include "print/forms/ReportFormPages.h"
#include "print/forms/ReportForms.h"
#include "support/DmFixture.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>

namespace {

class ReportFormPagesTest : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        forms = std::make_unique<ReportForms>(*dm);
        pages = std::make_unique<ReportFormPages>(*forms);
    }
    void TearDown() override
    {
        pages.reset();
        forms.reset();
        DmFixture::TearDown();
    }
    // What the page puts on a sheet of paper for the request.
    static const qx::report::DisplayList& painted(FormReportPage& page, const PagePrintRequest& request)
    {
        QImage sheet(200, 200, QImage::Format_RGB32);
        QPainter painter(&sheet);
        page.paint(painter, request);
        return page.lastPrinted();
    }
    static PagePrintRequest request(FormReportPage& page, bool test = false, int pagNum = 1, int shift = 0)
    {
        const qx::Currency mm = qx::Currency::fromUnits(shift);
        return {page.defaultTopMargin() + mm, page.defaultLeftMargin() + mm, test, pagNum, QString()};
    }

    std::unique_ptr<ReportForms> forms;
    std::unique_ptr<ReportFormPages> pages;
};

}  // namespace

TEST_F(ReportFormPagesTest, PageCodesGiveTheirPageOnItsPaperWithItsDefaultOffsets)
{
    const struct {
        int code;
        bool m1OnA4;
        const char* name;  // nullptr: no page
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        const char* left;
    } cases[] = {
        {1011, false, "FormRpt_M1.QuickRepP1", QPageSize::A3, QPageLayout::Landscape, "219.2"},
        {1012, false, "FormRpt_M1.QuickRepP2P3", QPageSize::A3, QPageLayout::Landscape, "8.5"},
        {1013, false, nullptr, QPageSize::A3, QPageLayout::Landscape, nullptr},
        {1011, true, "FormRpt_M1_A4.QuickRepP1", QPageSize::A4, QPageLayout::Portrait, "8.5"},
        {1014, true, "FormRpt_M1_A4.QuickRepP4", QPageSize::A4, QPageLayout::Portrait, nullptr},
        {3212, true, "FormRpt_AnexoBSeg.QuickRepP2", QPageSize::A4, QPageLayout::Portrait, nullptr},
        {3112, false, nullptr, QPageSize::A4, QPageLayout::Portrait, nullptr},
        {6012, false, "FormRpt_M4.QuickRepp2", QPageSize::A4, QPageLayout::Landscape, nullptr},
        {4011, false, "FormRpt_M3.QuickRepP1", QPageSize::A4, QPageLayout::Landscape, nullptr},
        {4012, false, nullptr, QPageSize::A4, QPageLayout::Portrait, nullptr},
        {4016, false, "FormRpt_M3Cont.QuickRepP2", QPageSize::A4, QPageLayout::Landscape, nullptr},
        {5012, false, "FormRpt_M3A.QuickRepP2", QPageSize::A4, QPageLayout::Landscape, nullptr},
        {5013, false, nullptr, QPageSize::A4, QPageLayout::Portrait, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << (c.m1OnA4 ? " A4" : ""));
        FormReportPage* page = pages->formPage(c.code, c.m1OnA4);
        ASSERT_EQ(page != nullptr, c.name != nullptr);
        if (!page)
            continue;
        EXPECT_EQ(page->name(), QString::fromLatin1(c.name));
        EXPECT_EQ(pages->reportPage(c.code, c.m1OnA4), page);
        const QPageLayout paper = page->paperLayout();
        EXPECT_EQ(paper.pageSize().id(), c.paper);
        EXPECT_EQ(paper.orientation(), c.orientation);
        EXPECT_TRUE(paper.margins().isNull());
        if (c.left)
            EXPECT_EQ(page->defaultLeftMargin(), qx::Currency::parse(QString::fromLatin1(c.left)));
    }
}

// The offsets that keep a page's boxes on its paper come from its layout: M/4's front, the A3
// front sheet on the paper's right half, the M/3 and M/3A faces (their calibration strokes at the
// paper's edges left out) and M/1's last A4 page, its picture alone, kept to its band. Every page's boxes lie on
// the paper at its default offsets, and none at 1115 mm.
TEST_F(ReportFormPagesTest, OffsetsKeepTheBoxesOnThePaperUpToTheEdgesOfItsLayout)
{
    const struct {
        int code;
        bool m1OnA4;
        const char* leftMax;
        const char* topMax;
    } cases[] = {
        {6011, false, "21.5", "95.8"},
        {1011, false, "234.2", "34.8"},
        {4011, false, "20", "27.5"},
        {4014, false, "18.5", "28"},  // the backs by their own boxes, not their fronts'
        {4016, false, "18.5", "27.5"},
        {5012, false, "20.3", "26.7"},
        {1014, true, "20.0292", "18.9229"},
    };
    for (const auto& c : cases) {
        const FormReportPage& page = *pages->formPage(c.code, c.m1OnA4);
        EXPECT_EQ(OffsetRangeOf(page, OffsetEdge::Left).max, qx::Currency::parse(QString::fromLatin1(c.leftMax))) << c.code;
        EXPECT_EQ(OffsetRangeOf(page, OffsetEdge::Top).max, qx::Currency::parse(QString::fromLatin1(c.topMax))) << c.code;
    }
    const std::pair<int, bool> every[] = {
        {1011, false}, {1012, false}, {1011, true}, {1012, true}, {1013, true}, {1014, true}, {2011, false},
        {2012, false}, {2111, false}, {2112, false}, {2211, false}, {2212, false}, {3011, false}, {3012, false},
        {3111, false}, {3212, false}, {3311, false}, {3312, false}, {4011, false}, {4014, false}, {4015, false},
        {4016, false}, {5011, false}, {5012, false}, {6011, false}, {6012, false}};
    const qx::Currency far = qx::Currency::fromUnits(1115);
    for (const auto& [code, a4] : every) {
        const FormReportPage& page = *pages->formPage(code, a4);
        const OffsetRange left = OffsetRangeOf(page, OffsetEdge::Left);
        const OffsetRange top = OffsetRangeOf(page, OffsetEdge::Top);
        EXPECT_TRUE(left.holds(page.defaultLeftMargin()) && top.holds(page.defaultTopMargin())) << code << a4;
        EXPECT_FALSE(left.holds(far) || top.holds(far)) << code << a4;
    }
}

TEST_F(ReportFormPagesTest, ATestPageCarriesTheMarksAndOffsetsMoveEveryText)
{
    FormReportPage& page = *pages->formPage(2011, false);
    const auto finalPage = painted(page, request(page));
    EXPECT_TRUE(finalPage.shapes.empty());
    EXPECT_FALSE(painted(page, request(page, true)).shapes.empty());
    const auto moved = painted(page, request(page, false, 1, 5));
    ASSERT_EQ(moved.texts.size(), finalPage.texts.size());
    for (size_t i = 0; i < moved.texts.size(); ++i)
        EXPECT_EQ(moved.texts[i].box.topLeft() - finalPage.texts[i].box.topLeft(), QPointF(5, 5));
}

// 40 assets fill sheet 1 and sheet 2's front; sheet 3 has nothing, nor the first sheet's back of an
// empty list.
TEST_F(ReportFormPagesTest, ListFacesPrintTheSheetOfTheRequestOrNothing)
{
    FormReportPage& back = *pages->formPage(4014, false);
    EXPECT_FALSE(back.hasContent(request(back)));
    AppendAssets(dm->cdsM3VCLF, 40);
    EXPECT_TRUE(back.hasContent(request(back)));
    FormReportPage& front = *pages->formPage(4015, false);
    EXPECT_TRUE(front.hasContent(request(front, false, 2)));
    EXPECT_EQ(forms->FormRpt_M3Cont.PagNum, 2);
    EXPECT_FALSE(front.hasContent(request(front, false, 3)));
    EXPECT_EQ(forms->FormRpt_M3Cont.PagNum, 3);
}
