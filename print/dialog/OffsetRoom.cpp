#include "print/dialog/OffsetRoom.h"

#include "print/dialog/ReportPage.h"

OffsetRange OffsetRangeOnPaper(const QRectF& boxesMm, const QSizeF& paperMm, OffsetEdge edge)
{
    const bool top = edge == OffsetEdge::Top;
    const double first = top ? boxesMm.top() : boxesMm.left();
    const double last = top ? boxesMm.bottom() : boxesMm.right();
    const double paper = top ? paperMm.height() : paperMm.width();
    return {OffsetOfMm(-first), OffsetOfMm(paper - last)};
}

OffsetRange OffsetRangeOf(const ReportPage& page, OffsetEdge edge)
{
    return OffsetRangeOnPaper(page.boxExtentMm(), page.paperLayout().fullRect(QPageLayout::Millimeter).size(), edge);
}
