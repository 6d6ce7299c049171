#pragma once
// Plain text printing with a header (the title, in double size, centred and cut to the page
// width) and a footer (print time and page number) on every page. Sizes follow the font's
// size, never the device's resolution, so a printer and a PDF give the same pages.

#include <QFont>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPaintDevice;

struct TextPageLayout {
    int pageWidth = 0;
    int pageHeight = 0;
    int linePitch = 0;      // device units between two lines
    int footerReserve = 0;  // three line pitches
    int leftMargin = 0;     // a twelfth of the page width
    QStringList titlePieces;
    int headerHeight = 0;   // where the first line of each page goes
    int linesPerPage = 0;   // line slots above the footer, at least one
};

// The line pitch for `font` on a device of `dpi`: eight times the font's pixel height (at the
// screen's 96 dpi) in the units of a 600 dpi printer, scaled to the device; at least 1.
int TextLinePitch(const QFont& font, int dpi);

// The font as printed: the same family and size in points (pixel sizes taken at 96 dpi).
QFont PrintFontOf(const QFont& font);

// The page layout of a print of `title` in `font` on `device`.
TextPageLayout LayoutTextPage(QPaintDevice& device, const QString& title, const QFont& font);

// Prints on `device` (a printer chosen in the printer dialog, or a PDF). Lines are printed as
// they are, without wrapping. Throws std::runtime_error when the print job cannot start or a new
// page cannot be begun.
void PrintTextLines(QPagedPaintDevice& device, const QString& title, const QStringList& lines, const QFont& font);
