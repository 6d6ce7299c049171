// The report forms as the print dialog sees them: the page of each page code on its paper with its
// default offsets, the calibration marks on a test page only, the offsets moving the page, a face
// with nothing to print, and the sheet of a continuation face taken from the request.
#include "print/FilledPages.h"
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
