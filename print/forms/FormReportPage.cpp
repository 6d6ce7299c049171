#include "print/forms/FormReportPage.h"

#include "platform/report/ReportOutput.h"
#include "print/forms/TReportForm.h"

#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kTestPageTag = 10;

qx::Currency CurrencyOfMm(double mm) { return qx::Currency::fromRaw(std::llround(mm * qx::Currency::kScale)); }
double MmOfCurrency(qx::Currency value) { return double(value.raw()) / qx::Currency::kScale; }

}  // namespace

FormReportPage::FormReportPage(const TReportForm& form, qx::report::ReportPage& page, int* pagNum)
    : page_(page), pagNum_(pagNum), name_(form.name() + u'.' + page.name()),
      defaultLeft_(CurrencyOfMm(page.leftMargin)), defaultTop_(CurrencyOfMm(page.topMargin))
{
}

QPageLayout FormReportPage::paperLayout() const { return qx::report::PaperLayout(page_); }

qx::report::DisplayList FormReportPage::layOut(const PagePrintRequest& request)
{
    page_.leftMargin = MmOfCurrency(request.leftMm);
    page_.topMargin = MmOfCurrency(request.topMm);
    page_.tag = request.testPage ? kTestPageTag : 0;
    if (pagNum_)
        *pagNum_ = request.pagNum;
    return qx::report::LayoutPage(page_);
}

bool FormReportPage::hasContent(const PagePrintRequest& request) { return layOut(request).printed; }

void FormReportPage::paint(QPainter& painter, const PagePrintRequest& request)
{
    lastPrinted_ = layOut(request);
    qx::report::PaintDisplayList(lastPrinted_, painter, painter.device()->logicalDpiX() / 25.4);
}
