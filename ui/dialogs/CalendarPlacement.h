#pragma once
// Where the pop-up calendar goes: its top-left corner 2 pixels left of the edit and 2 pixels
// above the edit's bottom edge; right-aligned with the edit (2 pixels past its right edge) when
// it would leave the area on the right, and above the edit (overlapping its top 2 pixels) when
// it would leave the area at the bottom. The area is the available part of the edit's screen.

#include <QPoint>
#include <QRect>
#include <QSize>

// `edit`: the edit in global coordinates.
QPoint CalendarPosition(const QRect& edit, const QSize& calendar, const QRect& available);
