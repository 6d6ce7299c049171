#pragma once
// A printed text fitted to its box: drawn at its own font when it fits; else at the largest whole
// pixel height, down to the floor, at which it fits; else at the floor, cut after its last whole
// character that fits, but for a number or a date (Overflow::Marks: its field says so, whatever
// its characters), which prints as a run of '#' across its box rather than as a wrong amount. So
// a value never runs into the next box or off the sheet, and what the page holds as text is what
// is printed.

#include "platform/report/ReportPage.h"

#include <QFont>
#include <QString>

namespace qx::report {

// The smallest printed font: 8 report pixels, 6 points (the size the narrow rate column of the
// asset lists prints at).
inline constexpr int kFloorPixelHeight = 8;

// The font a text prints in: the family at its pixel height, unhinted and without kerning, so that
// its advances are the same on every device.
QFont PrintFont(const ReportFont& font);

// Advance of `text` in report pixels at `font`.
double PrintedWidth(const QString& text, const ReportFont& font);

struct FittedText {
    QString text;
    ReportFont font;
    bool marks = false;  // printed as a row of '#' in place of the value
};

// `text` in `font` fitted to a box `widthPx` report pixels wide (nothing changes for a box
// without width). A font already below the floor keeps its size.
FittedText FitText(const QString& text, const ReportFont& font, double widthPx, Overflow overflow);

}  // namespace qx::report
