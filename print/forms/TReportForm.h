#pragma once
// A report form: a named holder of report pages (QuickRepP1, QuickRepP2, ...), one per paper page,
// and of where each page's data texts come from (the layout box each was made from).

#include "platform/report/ReportPage.h"

#include <QRectF>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace qx {
struct Box;
struct PageLayout;
}

// The layout box a report item was made from, and the page code of the paper page it prints on.
struct ItemSource {
    const qx::PageLayout* layout = nullptr;
    const qx::Box* box = nullptr;
    int pageCode = 0;
};

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

    void setItemSource(const qx::report::ReportPage& page, const QString& item, const ItemSource& source);
    // nullptr for an item made from no layout box.
    const ItemSource* itemSource(const qx::report::ReportPage& page, const QString& item) const;

    // Where a page's printed boxes lie, millimetres from its margins' origin (PrintedBoxExtent).
    void setBoxExtent(const qx::report::ReportPage& page, const QRectF& mm) { extents_[&page] = mm; }
    QRectF boxExtent(const qx::report::ReportPage& page) const;

private:
    QString name_;
    std::vector<std::unique_ptr<qx::report::ReportPage>> pages_;
    std::map<std::pair<const qx::report::ReportPage*, QString>, ItemSource> sources_;
    std::map<const qx::report::ReportPage*, QRectF> extents_;
};
