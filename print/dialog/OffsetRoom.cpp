#include "print/dialog/OffsetRoom.h"

#include "print/dialog/ReportPage.h"

#include <algorithm>

namespace {

constexpr std::int64_t kTenth = qx::Currency::kScale / 10;

std::int64_t FloorToTenth(std::int64_t raw)
{
    const std::int64_t tenths = raw / kTenth - (raw % kTenth < 0 ? 1 : 0);
    return tenths * kTenth;
}

}  // namespace

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

OffsetRange ShownOffsetRange(const OffsetRange& range)
{
    const std::int64_t min = -FloorToTenth(-range.min.raw());
    return {qx::Currency::fromRaw(std::max<std::int64_t>(min, 0)), qx::Currency::fromRaw(FloorToTenth(range.max.raw()))};
}
