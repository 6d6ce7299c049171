#pragma once
// Report items made from the boxes of a page layout: their alignment and their place in a band.

#include "platform/layout/PageLayout.h"
#include "platform/report/ReportPage.h"

#include <QRect>
#include <QRectF>

inline qx::report::TextAlignment TextAlignmentOf(qx::BoxAlign a)
{
    switch (a) {
    case qx::BoxAlign::Left: return qx::report::TextAlignment::Left;
    case qx::BoxAlign::Center: return qx::report::TextAlignment::Center;
    case qx::BoxAlign::Right: return qx::report::TextAlignment::Right;
    }
    return qx::report::TextAlignment::Left;
}

// Puts `item` at `px`, report pixels within its band.
inline void PlaceItem(qx::report::ReportItem& item, const QRect& px)
{
    item.left = px.left();
    item.top = px.top();
    item.width = px.width();
    item.height = px.height();
}

// Where the boxes of `layout` that print (data texts, sums, page numbers; not the calibration
// strokes of a test page, nor the editors' buttons) lie on a page printed at `placement`, in
// millimetres from the margins' origin. Empty for a layout without such boxes.
QRectF PrintedBoxExtent(const qx::PageLayout& layout, const qx::ReportPlacement& placement);
