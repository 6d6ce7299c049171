#pragma once
// Laying out a report page and putting it on a device. Every device gets the whole sheet at its
// true size: no margins of the device's own, never scaled to a printable area. The page's left and
// top margins are the only shift.

#include "platform/report/DisplayList.h"

class QPageLayout;
class QPainter;
class QPrinter;

namespace qx::report {

// Runs the page's events and lays out its bands. A cancelled page gives a list with printed false
// and nothing to draw.
DisplayList LayoutPage(ReportPage& page);

// Draws the list with `painter`, whose device has `dotsPerMm` device pixels per millimetre and
// whose origin is the paper's top left corner.
void PaintDisplayList(const DisplayList& list, QPainter& painter, double dotsPerMm);

// The page's whole sheet: its paper and orientation, no margins.
QPageLayout PaperLayout(const ReportPage& page);

// Lays out and prints the page into a PDF file of the page's paper. False when the file cannot be
// written; `printed` tells whether the page's beforePrint let it print (a cancelled page writes
// no file).
bool PrintToPdf(ReportPage& page, const QString& path, bool* printed = nullptr);

// Writes a laid-out page of `page`'s paper into a PDF file (nothing for a cancelled page).
bool WritePdf(const DisplayList& list, const ReportPage& page, const QString& path);

// Lays out and prints the page on a printer: paper and orientation from the page, full page.
// False when the printer cannot be started.
bool PrintToPrinter(ReportPage& page, QPrinter& printer, bool* printed = nullptr);

// The list drawn on a white image of the paper at `dotsPerInch`.
QImage RenderToImage(const DisplayList& list, double dotsPerInch);

}  // namespace qx::report
