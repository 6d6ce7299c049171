// The texts of the stand-in pictures, where the picture draws them: on the paper, clear of every
// box and of each other, so a label never hides a box or runs into its neighbour.
#include "platform/layout/PageLayout.h"
#include "tools/pagepics/PageDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString described(const qx::Mark& m)
{
    return QStringLiteral("line %1 \"%2\"").arg(m.row).arg(m.text);
}

// Where the heading cells of a list grid's strip let a text reach: from the cell it starts in to
// the last cell before the next text of its line (a heading over several columns), short of
// the cells' borders.
double cellsEnd(const qx::PageLayout& page, const qx::Mark& mark)
{
    double nextStart = page.paperMm.width();
    for (const qx::Mark& m : page.marks)
        if (qAbs(m.mm.y() - mark.mm.y()) < 0.05 && m.mm.x() > mark.mm.x())
            nextStart = qMin(nextStart, m.mm.x());
    double end = 0;
    for (const qx::Box& b : page.boxes)
        if (b.kind == qx::BoxKind::Column && b.mm.right() > mark.mm.x() && b.mm.right() <= nextStart + 0.05)
            end = qMax(end, b.mm.right());
    return end - 0.5;
}

bool isStrip(const qx::PageLayout& page)
{
    return std::any_of(page.boxes.begin(), page.boxes.end(), [](const qx::Box& b) { return b.kind == qx::BoxKind::Column; });
}

// Faults of one page: a text off the paper, on a box, or on another text. The cells of a list
// grid's heading strip hold their headings: there a text stays within its cells instead.
QStringList textFaults(const qx::PageLayout& page)
{
    QStringList faults;
    const QRectF paper(QPointF(0, 0), page.paperMm);
    std::vector<QRectF> ink;
    for (const qx::Mark& m : page.marks)
        ink.push_back(markTextMm(page, m));
    const std::vector<QRectF> outlines = boxOutlinesMm(page);
    for (size_t i = 0; i < page.marks.size(); ++i) {
        const qx::Mark& m = page.marks[i];
        if (!paper.contains(ink[i]))
            faults << described(m) + QStringLiteral(": off the paper");
        for (size_t k = 0; k < page.boxes.size(); ++k) {
            const qx::Box& b = page.boxes[k];
            if (b.kind != qx::BoxKind::Column && ink[i].intersects(b.mm.united(outlines[k]).adjusted(0.01, 0.01, -0.01, -0.01)))
                faults << described(m) + QStringLiteral(": on the box of line %1 (%2)").arg(b.row).arg(b.field);
        }
        if (isStrip(page) && ink[i].right() > cellsEnd(page, m))
            faults << described(m) + QStringLiteral(": beyond its heading cell");
        for (size_t j = i + 1; j < page.marks.size(); ++j)
            if (ink[i].intersects(ink[j]))
                faults << described(m) + QStringLiteral(": on the text of ") + described(page.marks[j]);
    }
    return faults;
}

TEST(PictureTexts, EveryTextStaysOnItsPaperClearOfBoxesAndOtherTexts)
{
    for (const QString& name : qx::pageLayoutNames()) {
        SCOPED_TRACE(name.toStdString());
        const QStringList faults = textFaults(qx::pageLayout(name));
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
    }
}

TEST(PictureTexts, ALabelThatRunsIntoABoxIsFound)
{
    const qx::PageLayout page = qx::parsePageLayout(QStringLiteral(
        "paper A4 portrait\npicture 950 1350\n"
        "label 12.0 35.4 a label long enough to reach the box\n"
        "edit cdsM1P2 R2_Mop 40.0 32.0 36.0 4.2 right 12 1\n"), QStringLiteral("Test"));
    ASSERT_EQ(textFaults(page).size(), 1);
    EXPECT_TRUE(textFaults(page).front().contains(QStringLiteral("R2_Mop")));
}

}  // namespace
