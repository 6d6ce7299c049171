#pragma once
// Calibration marks of a test page: four thin strokes, two at the band's top right (a horizontal
// top stroke, a vertical right stroke) and two at its bottom left (a vertical left stroke, a
// horizontal bottom stroke), joined at creation into one closed rectangle.

#include <QString>

namespace qx::report {
class ReportBand;
class ReportShape;
}

struct CalibrationMarks {
    qx::report::ReportShape* left = nullptr;
    qx::report::ReportShape* right = nullptr;
    qx::report::ReportShape* top = nullptr;
    qx::report::ReportShape* bottom = nullptr;
    void setEnabled(bool on) const;
};

// Adds the four strokes QRShape<infix>MarkLeft ... as designed: the rectangle they stand for runs
// from the band's origin to 40 pixels short of its right edge and 64 short of its bottom.
CalibrationMarks AddCalibrationStrokes(qx::report::ReportBand& band, const QString& infix);

// Makes the strokes one closed rectangle: from the left stroke to the right stroke and from the
// top stroke to the bottom stroke.
void CloseCalibrationMarks(const CalibrationMarks& marks);
