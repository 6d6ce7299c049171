#include "print/forms/CalibrationMarks.h"

#include "platform/report/ReportPage.h"

using qx::report::ReportBand;
using qx::report::ReportShape;

namespace {

constexpr double kStroke = 30;  // design length of a stroke, pixels

ReportShape& stroke(ReportBand& band, const QString& name, ReportShape::Kind kind, double left, double top, double width,
                    double height)
{
    auto& s = band.add<ReportShape>(name);
    s.kind = kind;
    s.left = left;
    s.top = top;
    s.width = width;
    s.height = height;
    s.penWidth = 1;
    return s;
}

}  // namespace

void CalibrationMarks::setEnabled(bool on) const
{
    for (ReportShape* s : {left, right, top, bottom})
        s->enabled = on;
}

CalibrationMarks AddCalibrationStrokes(ReportBand& band, const QString& infix)
{
    const double right = band.width - 40;
    const double bottom = band.height - 64;
    const QString prefix = QStringLiteral("QRShape") + infix + QStringLiteral("Mark");
    CalibrationMarks m;
    // A line shape is drawn through its box's middle: the strokes have no thickness of their own.
    m.left = &stroke(band, prefix + QStringLiteral("Left"), ReportShape::Kind::VerticalLine, 0, bottom - kStroke, 0,
                     kStroke);
    m.right = &stroke(band, prefix + QStringLiteral("Right"), ReportShape::Kind::VerticalLine, right, 0, 0, kStroke);
    m.top = &stroke(band, prefix + QStringLiteral("Top"), ReportShape::Kind::HorizontalLine, right - kStroke, 0, kStroke, 0);
    m.bottom = &stroke(band, prefix + QStringLiteral("Bottom"), ReportShape::Kind::HorizontalLine, 0, bottom, kStroke, 0);
    return m;
}

void CloseCalibrationMarks(const CalibrationMarks& m)
{
    m.left->top = m.top->top;
    m.left->height = m.bottom->top - m.left->top;
    m.bottom->left = m.left->left;
    m.bottom->width = m.right->left - m.bottom->left;
    m.right->top = m.left->top;
    m.right->height = m.left->height;
    m.top->left = m.bottom->left;
    m.top->width = m.bottom->width;
}
