#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(Coordinates, EditorPixelIsMillimetresTimesThePicturesScalePerAxis)
{
    const QPointF scale = qx::pixelsPerMm(QSize(1359, 955), QSizeF(297, 210));
    EXPECT_EQ(qx::editorPoint(QPointF(297, 210), scale), QPoint(1359, 955));
    EXPECT_EQ(qx::editorRect(QRectF(100, 50, 20, 4.2), scale), QRect(458, 227, 91, 19));
}

TEST(Coordinates, ReportPixelStartsAtTheDefaultMarginAndLandsBackOnThePaper)
{
    qx::ReportPlacement a4{"A4", 8.5, 11, QSize(756, 1060), 0};
    EXPECT_EQ(qx::reportPoint(QPointF(8.5, 11), a4), QPoint(0, 0));
    EXPECT_EQ(qx::reportPoint(QPointF(8.5 + 25.4, 11 + 25.4), a4), QPoint(96, 96));
    // Page 3 on the right half of the A3 back sheet: its left edge is right of Left 800 only
    // from 10.3 mm on.
    qx::ReportPlacement a3back{"A3", 8.5, 10.8, QSize(1549, 1078), 210};
    EXPECT_EQ(qx::reportPoint(QPointF(10.2, 10.8), a3back).x(), 800);
    EXPECT_EQ(qx::reportPoint(QPointF(10.3, 10.8), a3back).x(), 801);
}

TEST(PageLayoutFile, AFaultyRowNamesThePageAndTheLine)
{
    const QString text = QStringLiteral("paper A4 portrait\npicture 950 1350\n\nedit cdsM1P1 Fax 1 2 3 4 middle 11 1\n");
    try {
        qx::parsePageLayout(text, QStringLiteral("M1P1"));
        FAIL() << "no error";
    } catch (const qx::LayoutError& e) {
        EXPECT_STREQ(e.what(), "M1P1, line 4: alignment \"middle\" is not left, right or center");
    }
}

TEST(PageLayoutFile, TheCompiledInTablesLoadByPageName)
{
    EXPECT_TRUE(qx::pageLayoutNames().contains(QStringLiteral("M1P1")));
    const qx::PageLayout& page = qx::pageLayout(QStringLiteral("M1P1"));
    EXPECT_EQ(page.paperMm, QSizeF(210, 297));
    ASSERT_FALSE(page.boxes.empty());
    EXPECT_EQ(page.boxes.front().name, QStringLiteral("DBEditP1_First"));
    ASSERT_NE(page.report(QStringLiteral("A3")), nullptr);
    EXPECT_EQ(page.report(QStringLiteral("A3"))->sheetOffsetMm, 210.0);
    EXPECT_THROW(qx::pageLayout(QStringLiteral("NoSuchPage")), qx::LayoutError);
}

}  // namespace
