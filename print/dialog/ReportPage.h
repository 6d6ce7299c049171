#pragma once
// What the print dialog asks of a report page, and how it finds one.
//
// A report page is one paper page of a report form (M/1 page 1, the M/3 continuation back, ...).
// The dialog keeps the offsets and the printer of each report page itself: a report page only
// says on which paper it prints, where its offsets start, whether it has anything to print, and
// paints itself at the offsets it is given.
//
//   class MyPage : public ReportPage { ... };               // a report form implements this
//   class MyForms : public ReportPages {                    // the program's set of report forms
//       ReportPage* reportPage(int pageCode, bool m1OnA4) override;
//   };
//
// Page codes asked for: 1011-1014 (M/1; 1013 and 1014 only with m1OnA4: the A3 sheets are
// 1011 for the front sheet and 1012 for the back sheet holding pages 2 and 3), the annex pairs
// (2011/2012, 2111/2112, 2211/2212, 3011/3012, 3111/3212, 3311/3312), 4011 (M/3 sheet 1 front),
// 4014 (sheet 1 back), 4015 and 4016 (continuation front and back, sheet in pagNum), 5011 and
// 5012 (M/3A front and back, page in pagNum), 6011/6012 (M/4). m1OnA4 matters for 1011-1014 only.

#include "platform/data/Currency.h"

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <cmath>
#include <vector>

class QPainter;

// Millimetres as an offset: four decimals, halves away from zero.
inline qx::Currency OffsetOfMm(double mm) { return qx::Currency::fromRaw(std::llround(mm * qx::Currency::kScale)); }

// One print of a report page.
struct PagePrintRequest {
    qx::Currency topMm;        // offset of the page's content from the paper's top edge
    qx::Currency leftMm;       // ... and from its left edge
    bool testPage = false;     // test page: with the calibration marks (or the test stamp)
    int pagNum = 1;            // M/3 continuation sheet or M/3A page; 1 elsewhere
    QString docName;           // the print job's name in the print queue
};

// A value that a print would put on paper as a row of '#' in place of its digits: a number or a
// date too wide for its box even at the smallest printed font.
struct MarkedValue {
    int pageCode = 0;  // the paper page it prints on (a sheet may carry two); 0: the page printed
    QString boxChn;    // the box, as its page names it in each language
    QString boxPor;
    QString value;     // what the box holds
};

class ReportPage {
public:
    virtual ~ReportPage() = default;
    // Paper size and orientation; the page always prints full page, never scaled.
    virtual QPageLayout paperLayout() const = 0;
    // The offsets shown for a page, computer and printer without a stored row.
    virtual qx::Currency defaultTopMargin() const = 0;
    virtual qx::Currency defaultLeftMargin() const = 0;
    // Where the page's boxes lie, in millimetres from the point the offsets put at (left, top):
    // printed at the default offsets they sit where the page's layout has them on the paper.
    virtual QRectF boxExtentMm() const = 0;
    // False when this print would put nothing on paper (e.g. an M/3 face without rows): then no
    // print job is started at all.
    virtual bool hasContent(const PagePrintRequest& request) = 0;
    // The values this print would put on paper as a row of '#', in the order they print.
    virtual std::vector<MarkedValue> valuesPrintedAsMarks(const PagePrintRequest& request) = 0;
    // Paints the page. The painter works in the device's own pixels (painter.device() tells its
    // resolution), with the origin at the paper's top left corner; the page applies the offsets.
    virtual void paint(QPainter& painter, const PagePrintRequest& request) = 0;
};

class ReportPages {
public:
    virtual ~ReportPages() = default;
    // The report page for a page code (see above); nullptr when there is none.
    virtual ReportPage* reportPage(int pageCode, bool m1OnA4) = 0;
};
