#pragma once
// The report pages of the single-page report forms (M/1 on A3 and on A4, the six annex variants,
// M/4): which form holds each, its paper, its band, the page layouts it prints and what it carries
// besides the data texts.

#include "platform/report/ReportPage.h"

#include <vector>

struct ReportPageSpec {
    const char* form;   // "FormRpt_AnexoA"
    const char* page;   // "QuickRepP1"
    const char* band;   // "DetailBandP1"
    int pageCode;       // the page code printed (the first of a two-page sheet)
    qx::report::PaperSize paper;
    qx::report::Orientation orientation;
    const char* placement;             // the layouts' report placement: "A4" or "A3"
    std::vector<const char*> layouts;  // page layouts printed on the band, left to right
    const char* marks;  // calibration marks "P1"/"P2" (QRShapeP1MarkLeft ...), or nullptr
    int picture;        // M/1 on A4: page picture QRImage<n> (1-4), else 0
    bool testStamp;     // M/1 on A4 pages 1-3: QRImageP<n>Test on a test page
};

// The twenty report pages, form by form, in page order.
const std::vector<ReportPageSpec>& ReportPageSpecs();
