#include "print/forms/TReportForm.h"

qx::report::ReportPage& TReportForm::addPage(const QString& pageName)
{
    pages_.push_back(std::make_unique<qx::report::ReportPage>(pageName));
    return *pages_.back();
}

qx::report::ReportPage* TReportForm::page(const QString& pageName) const
{
    for (const auto& p : pages_)
        if (p->name() == pageName)
            return p.get();
    return nullptr;
}

void TReportForm::setItemSource(const qx::report::ReportPage& page, const QString& item, const ItemSource& source)
{
    sources_[{&page, item}] = source;
}

const ItemSource* TReportForm::itemSource(const qx::report::ReportPage& page, const QString& item) const
{
    const auto it = sources_.find({&page, item});
    return it == sources_.end() ? nullptr : &it->second;
}

QRectF TReportForm::boxExtent(const qx::report::ReportPage& page) const
{
    const auto it = extents_.find(&page);
    return it == extents_.end() ? QRectF() : it->second;
}
