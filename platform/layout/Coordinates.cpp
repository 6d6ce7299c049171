#include "platform/layout/Coordinates.h"

#include "platform/layout/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

int rounded(double v) { return int(std::lround(v)); }

}  // namespace

QPointF pixelsPerMm(QSize picture, QSizeF paperMm)
{
    return {picture.width() / paperMm.width(), picture.height() / paperMm.height()};
}

QPoint editorPoint(QPointF mm, QPointF pxPerMm)
{
    return {rounded(mm.x() * pxPerMm.x()), rounded(mm.y() * pxPerMm.y())};
}

QRect editorRect(const QRectF& mm, QPointF pxPerMm)
{
    const QPoint topLeft = editorPoint(mm.topLeft(), pxPerMm);
    const QPoint bottomRight = editorPoint(mm.bottomRight(), pxPerMm);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

int editorFontPx(int printPx, QPointF pxPerMm)
{
    const double onPicture = printPx * pxPerMm.y() * kMmPerInch / kReportPxPerInch;
    return std::min(kEditorFontPx, int(std::floor(onPicture + 1e-9)));
}

QPoint reportPoint(QPointF mm, const ReportPlacement& placement)
{
    constexpr double pxPerMm = kReportPxPerInch / kMmPerInch;
    return {rounded((mm.x() + placement.sheetOffsetMm - placement.marginLeftMm) * pxPerMm),
            rounded((mm.y() - placement.marginTopMm) * pxPerMm)};
}

QRect reportRect(const QRectF& mm, const ReportPlacement& placement)
{
    const QPoint topLeft = reportPoint(mm.topLeft(), placement);
    const QPoint bottomRight = reportPoint(mm.bottomRight(), placement);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

QRect bandRect(const QRectF& mm, const ReportPlacement& placement, const ReportBand& band)
{
    const QRect r = reportRect(mm, placement);
    constexpr double pxPerMm = kReportPxPerInch / kMmPerInch;
    return r.translated(0, -rounded((band.topMm - placement.marginTopMm) * pxPerMm));
}

}  // namespace qx
