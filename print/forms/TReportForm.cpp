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
