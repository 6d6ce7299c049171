#pragma once
// A report page of the report forms as the print dialog sees it: the paper of the engine's page,
// the default offsets it was built with (left, then top), and a print that applies the dialog's
// request to the page (offsets, Tag 10 on a test page, the sheet or page of a list form) before
// it lays the page out.

#include "core/util/RefusedInputMsg.h"
#include "platform/report/DisplayList.h"
#include "print/dialog/ReportPage.h"

#include <functional>

namespace qx {
struct Box;
struct PageLayout;
}
class TReportForm;

// How the program names a box of a page layout in its messages (as the editor page names it).
using LayoutBoxNamer = std::function<BoxName(const qx::PageLayout&, const qx::Box&)>;

class FormReportPage final : public ReportPage {
public:
    // `pagNum`: the PagNum field of a list form that prints sheet or page n; nullptr elsewhere.
    // Without a namer, or where it has no name, a box is named by its field.
    FormReportPage(const TReportForm& form, qx::report::ReportPage& page, int* pagNum = nullptr,
                   LayoutBoxNamer namer = {});

    QPageLayout paperLayout() const override;
    qx::Currency defaultTopMargin() const override { return defaultTop_; }
    qx::Currency defaultLeftMargin() const override { return defaultLeft_; }
    QRectF boxExtentMm() const override;
    bool hasContent(const PagePrintRequest& request) override;
    std::vector<MarkedValue> valuesPrintedAsMarks(const PagePrintRequest& request) override;
    void paint(QPainter& painter, const PagePrintRequest& request) override;

    // "FormRpt_M1_A4.QuickRepP1"
    const QString& name() const { return name_; }
    // What the last paint put on paper.
    const qx::report::DisplayList& lastPrinted() const { return lastPrinted_; }

private:
    qx::report::DisplayList layOut(const PagePrintRequest& request);

    const TReportForm& form_;
    qx::report::ReportPage& page_;
    int* pagNum_;
    LayoutBoxNamer namer_;
    QString name_;
    qx::Currency defaultLeft_;
    qx::Currency defaultTop_;
    qx::report::DisplayList lastPrinted_;
};
