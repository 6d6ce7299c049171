#pragma once
// Report items made from the boxes of a page layout: their alignment and their place in a band.

#include "platform/layout/PageLayout.h"
#include "platform/report/ReportPage.h"

#include <QRect>

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
