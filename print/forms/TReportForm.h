#pragma once
// A report form: a named holder of report pages (QuickRepP1, QuickRepP2, ...), one per paper page.

#include "platform/report/ReportPage.h"

#include <memory>
#include <vector>

class TReportForm {
public:
    explicit TReportForm(QString name) : name_(std::move(name)) {}
    TReportForm(const TReportForm&) = delete;
    TReportForm& operator=(const TReportForm&) = delete;

    const QString& name() const { return name_; }
    qx::report::ReportPage& addPage(const QString& pageName);
    qx::report::ReportPage* page(const QString& pageName) const;  // nullptr when unknown
    int pageCount() const { return static_cast<int>(pages_.size()); }
    qx::report::ReportPage& pageAt(int index) const { return *pages_.at(static_cast<size_t>(index)); }

private:
    QString name_;
    std::vector<std::unique_ptr<qx::report::ReportPage>> pages_;
};
