// The texts of the stand-in pictures, where the picture draws them: on the paper, clear of every
// box and of each other, so a label never hides a box or runs into its neighbour.
#include "platform/layout/PageLayout.h"
#include "tools/pagepics/PageDrawing.h"

#include <gtest/gtest.h>

namespace {

QString described(const qx::Mark& m)
{
    return QStringLiteral("line %1 \"%2\"").arg(m.row).arg(m.text);
}

// Faults of one page: a text off the paper, on a box, or on another text. The cells of a list
// grid's heading strip hold their headings, so those boxes do not count.
QStringList textFaults(const qx::PageLayout& page)
{
    QStringList faults;
    const QRectF paper(QPointF(0, 0), page.paperMm);
    std::vector<QRectF> ink;
    for (const qx::Mark& m : page.marks)
        ink.push_back(markTextMm(page, m));
    for (size_t i = 0; i < page.marks.size(); ++i) {
        const qx::Mark& m = page.marks[i];
        if (!paper.contains(ink[i]))
            faults << described(m) + QStringLiteral(": off the paper");
        for (const qx::Box& b : page.boxes)
            if (b.kind != qx::BoxKind::Column && ink[i].intersects(b.mm))
                faults << described(m) + QStringLiteral(": on the box of line %1 (%2)").arg(b.row).arg(b.field);
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
        EXPECT_EQ(textFaults(qx::pageLayout(name)), QStringList());
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
