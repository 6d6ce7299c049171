#pragma once
// The one rule that turns a box's millimetres on the paper into pixels: on the editor page over
// the page's picture, and in the report band that prints onto the same paper. Printed at the
// report page's default margins, a band pixel lands back at the box's millimetres.

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace qx {

struct ReportPlacement;
struct ReportBand;

// Report pixels per inch and millimetres per inch.
inline constexpr double kReportPxPerInch = 96.0;
inline constexpr double kMmPerInch = 25.4;

// Pixels per millimetre of a picture of `picture` pixels showing a paper of `paperMm`, per axis
// (a scan need not have the paper's exact proportions).
QPointF pixelsPerMm(QSize picture, QSizeF paperMm);

// Editor page: pixel = millimetres × the picture's pixels per millimetre, rounded.
QRect editorRect(const QRectF& mm, QPointF pxPerMm);
QPoint editorPoint(QPointF mm, QPointF pxPerMm);

// The editors' font height in pixels, and the one of a box printed at `printPx` report pixels:
// the printed height as the page's picture shows it, never above the editors' font.
inline constexpr int kEditorFontPx = 13;
int editorFontPx(int printPx, QPointF pxPerMm);

// Report band: pixel = (millimetres on the sheet − default margin) × 96 / 25.4, rounded; the
// page's millimetres are moved by its offset on the sheet first (the right half of an A3 sheet).
QRect reportRect(const QRectF& mm, const ReportPlacement& placement);
QPoint reportPoint(QPointF mm, const ReportPlacement& placement);

}  // namespace qx

namespace qx {

// Within a band of a printed list face: left as in the report band, top from the band's own top
// on the paper.
QRect bandRect(const QRectF& mm, const ReportPlacement& placement, const ReportBand& band);

}  // namespace qx
