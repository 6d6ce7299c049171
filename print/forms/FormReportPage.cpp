#include "print/forms/FormReportPage.h"

#include "platform/report/ReportOutput.h"
#include "print/forms/TReportForm.h"

#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kTestPageTag = 10;

double MmOfCurrency(qx::Currency value) { return double(value.raw()) / qx::Currency::kScale; }

}  // namespace

FormReportPage::FormReportPage(const TReportForm& form, qx::report::ReportPage& page, int* pagNum, LayoutBoxNamer namer)
    : form_(form), page_(page), pagNum_(pagNum), namer_(std::move(namer)), name_(form.name() + u'.' + page.name()),
      defaultLeft_(OffsetOfMm(page.leftMargin)), defaultTop_(OffsetOfMm(page.topMargin))
{
}

QPageLayout FormReportPage::paperLayout() const { return qx::report::PaperLayout(page_); }

QRectF FormReportPage::boxExtentMm() const { return form_.boxExtent(page_); }

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

std::vector<MarkedValue> FormReportPage::valuesPrintedAsMarks(const PagePrintRequest& request)
{
    std::vector<MarkedValue> out;
    for (const qx::report::DisplayText& t : layOut(request).texts) {
        if (!t.marks)
            continue;
        MarkedValue v{0, {}, {}, t.value.trimmed()};
        if (const ItemSource* source = form_.itemSource(page_, t.name)) {
            v.pageCode = source->pageCode;
            if (namer_) {
                const BoxName name = namer_(*source->layout, *source->box);
                v.boxChn = name.chn;
                v.boxPor = name.por;
            }
        }
        const QString field = t.dataText ? t.field : t.name;
        if (v.boxChn.isEmpty())
            v.boxChn = field;
        if (v.boxPor.isEmpty())
            v.boxPor = field;
        out.push_back(std::move(v));
    }
    return out;
}

void FormReportPage::paint(QPainter& painter, const PagePrintRequest& request)
{
    lastPrinted_ = layOut(request);
    qx::report::PaintDisplayList(lastPrinted_, painter, painter.device()->logicalDpiX() / 25.4);
}
