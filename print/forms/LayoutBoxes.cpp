#include "print/forms/LayoutBoxes.h"

QRectF PrintedBoxExtent(const qx::PageLayout& layout, const qx::ReportPlacement& placement)
{
    QRectF extent;
    for (const qx::Box& box : layout.boxes)
        if (box.isBound() || box.kind == qx::BoxKind::SumLabel)
            extent |= box.mm;
    return extent.isEmpty() ? QRectF()
                            : extent.translated(placement.sheetOffsetMm - placement.marginLeftMm, -placement.marginTopMm);
}
