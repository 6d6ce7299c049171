#pragma once
// A report page of the report forms as the print dialog sees it: the paper of the engine's page,
// the default offsets it was built with (left, then top), and a print that applies the dialog's
// request to the page (offsets, Tag 10 on a test page, the sheet or page of a list form) before
// it lays the page out.

#include "platform/report/DisplayList.h"
#include "print/dialog/ReportPage.h"

class TReportForm;

class FormReportPage final : public ReportPage {
public:
    // `pagNum`: the PagNum field of a list form that prints sheet or page n; nullptr elsewhere.
    FormReportPage(const TReportForm& form, qx::report::ReportPage& page, int* pagNum = nullptr);

    QPageLayout paperLayout() const override;
    qx::Currency defaultTopMargin() const override { return defaultTop_; }
    qx::Currency defaultLeftMargin() const override { return defaultLeft_; }
    bool hasContent(const PagePrintRequest& request) override;
    void paint(QPainter& painter, const PagePrintRequest& request) override;

    // "FormRpt_M1_A4.QuickRepP1"
    const QString& name() const { return name_; }
    // What the last paint put on paper.
    const qx::report::DisplayList& lastPrinted() const { return lastPrinted_; }

private:
    qx::report::DisplayList layOut(const PagePrintRequest& request);

    qx::report::ReportPage& page_;
    int* pagNum_;
    QString name_;
    qx::Currency defaultLeft_;
    qx::Currency defaultTop_;
    qx::report::DisplayList lastPrinted_;
};
