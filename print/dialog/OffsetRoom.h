#pragma once
// How far the offsets may move a page before its boxes leave the paper. Printed at offsets
// (top, left), a page whose boxes span `boxesMm` from the offsets' origin puts them at `boxesMm`
// moved by (left, top); every box must still lie on the page's paper. Each edge's offset moves
// the boxes along one axis only, so each has a range of its own.

#include "platform/data/Currency.h"

#include <QRectF>
#include <QSizeF>

class ReportPage;

enum class OffsetEdge { Top, Left };

// The offsets of one edge, in millimetres, at which the boxes stay on the paper.
struct OffsetRange {
    qx::Currency min;
    qx::Currency max;
    bool holds(qx::Currency offset) const { return min <= offset && offset <= max; }
};

OffsetRange OffsetRangeOnPaper(const QRectF& boxesMm, const QSizeF& paperMm, OffsetEdge edge);

// The range as a message gives it to the person typing: from 0 at the least (offsets are typed
// without a sign), each end rounded inwards to a tenth of a millimetre, so that every value it
// shows is accepted.
OffsetRange ShownOffsetRange(const OffsetRange& range);

// The same for a report page: its boxes on its own paper (size and orientation).
OffsetRange OffsetRangeOf(const ReportPage& page, OffsetEdge edge);
