#pragma once
// Where each box sits on a paper page, loaded from the page tables of resources/layouts.
//
// API summary (qx_layout, Qt Core only, knows nothing of the forms' meaning):
//   const qx::PageLayout& qx::pageLayout("M1P1")    the table of one page (compiled in; cached;
//                                                   throws qx::LayoutError for an unknown page)
//   QStringList qx::pageLayoutNames()               every table compiled in, sorted
//   qx::PageLayout qx::loadPageLayout(path)         a table from any file (throws LayoutError
//   qx::PageLayout qx::parsePageLayout(text, name)  naming the file and line of a fault)
//   layout.boxes                                    one Box per row, in tab order: kind, dataSet,
//                                                   field, mm (QRectF on the paper), align,
//                                                   fontPx, column, name, band
//   box.isBound() / box.isTabStop()                 paired by the report binding / walked by Enter
//   box.cut                                         a long text that may be cut on paper
//   layout.amountDigits                             digits every amount box shows whole (0: default)
//   layout.report("A4") / layout.reports            report placements: margins, band size,
//                                                   the page's offset on a two-page sheet and its
//                                                   Left range of a shared band (minLeftPx, maxLeft())
//   layout.marks                                    what the picture shows besides the boxes
//   layout.bands / layout.band("DetailBand_A")      bands of a printed list face (paper top, height)
// The one coordinate rule (Coordinates.h):
//   qx::pixelsPerMm(pictureSize, paperMm)           picture pixels per millimetre, per axis
//   qx::editorRect(box.mm, pxPerMm)                 editor pixel = mm × picture px/mm
//   qx::reportRect(box.mm, placement)               band pixel = (mm − default margin) × 96/25.4
//   qx::bandRect(box.mm, placement, band)           the same within a band of a list face
// The layout check (LayoutCheck.h): qx::checkLayout(layout) lists every fault of one table;
// qx::checkBoxFits (BoxFit.h) the boxes too narrow for their widest value.
// The page's picture: qx::pagePicture("M1P1") of platform/image/PagePicture.h (lib qx_image).

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace qx {

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class BoxKind {
    Edit,        // data-aware edit (a tab stop)
    DataText,    // read-only data text of a calculated value
    TickBox,     // data-aware check box (a tab stop)
    DateButton,  // flat button beside a date edit; field = the edit's field
    CalcButton,  // auto-calculate button; field = its target field
    HeaderText,  // read-only text of the taxpayer's header (another page's dataset)
    SumLabel,    // label a printed face fills in (a sum, a page number); field = the label's name
    Mark,        // calibration stroke of a printed face; field = the shape's name
    Column       // heading cell of a list grid's column; field = the column's field
};

enum class BoxAlign { Left, Center, Right };

struct Box {
    BoxKind kind = BoxKind::Edit;
    QString dataSet;   // "cdsM1P1"; empty for a sum label
    QString field;     // field name as in the catalogue
    QRectF mm;         // on the paper page, millimetres from its top left corner
    BoxAlign align = BoxAlign::Left;
    int fontPx = 12;   // printed font height in pixels
    int column = 0;    // the tab column the box belongs to (tab order runs column by column)
    QString name;      // component name where one is fixed (DBEditP1_First, ...), else empty
    QString band;      // report band of the row on a multi-band face, else empty
    int row = 0;       // line of the table it came from
    bool cut = false;  // a long text that may be cut on paper (the row ends with `cut`)

    // Data-aware controls, the ones the report binding pairs by position.
    bool isBound() const;
    // Boxes that take the keyboard focus, the ones the tab order walks.
    bool isTabStop() const { return kind == BoxKind::Edit || kind == BoxKind::TickBox; }
};

// Text the picture shows besides the boxes.
enum class MarkKind { Heading, Number, Label };

struct Mark {
    MarkKind kind = MarkKind::Label;
    QPointF mm;        // left end of the text's base line
    QString text;
    int row = 0;
};

// How a page is printed on one report page.
struct ReportPlacement {
    QString name;            // "A4", "A3", ...
    double marginLeftMm = 0; // the report page's default margins, from the sheet's edge
    double marginTopMm = 0;
    QSize bandPx;            // the detail band's size in report pixels (96 per inch)
    double sheetOffsetMm = 0;  // where the page starts on a sheet that carries two pages
    int minLeftPx = 0;         // the part of a shared band that belongs to this page
    int maxLeftPx = -1;        // (-1: up to the band's width)

    int maxLeft() const { return maxLeftPx < 0 ? bandPx.width() : maxLeftPx; }
};

// A band of a printed list face: where it starts on the paper and its height in report pixels.
struct ReportBand {
    QString name;
    double topMm = 0;
    int heightPx = 0;

    double heightMm() const;
};

struct PageLayout {
    QString name;              // "M1P1", also the name of its picture
    QSizeF paperMm;            // 210 × 297 portrait, 297 × 210 landscape
    QSize picturePx;           // size of the stand-in picture
    QString titleChn;
    QString titlePor;
    std::vector<ReportPlacement> reports;
    std::vector<Box> boxes;    // in tab order
    std::vector<Mark> marks;
    std::vector<ReportBand> bands;
    // The largest amount every amount box of the page shows whole, in digits (`amounts` record;
    // 0: the program's bound, kAmountDigits of BoxFit.h).
    int amountDigits = 0;

    // The band named `name`, or nullptr.
    const ReportBand* band(const QString& name) const;
    // The placement named `name`, or nullptr.
    const ReportPlacement* report(const QString& name) const;
    // The boxes of the band named `band` (empty: the boxes outside any band).
    std::vector<Box> boxesOfBand(const QString& band) const;
};

PageLayout parsePageLayout(const QString& text, const QString& name);
PageLayout loadPageLayout(const QString& path);
const PageLayout& pageLayout(const QString& name);
QStringList pageLayoutNames();

QString boxKindName(BoxKind kind);

}  // namespace qx
