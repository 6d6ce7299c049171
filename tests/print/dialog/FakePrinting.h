#pragma once
// Stand-ins for the report forms and the printers of the print dialog's tests: report pages that
// paint a simple page at their offsets, and a print service with scripted printers that records
// what was printed.

#include "print/dialog/PrintService.h"

#include <QPageSize>
#include <QPainter>
#include <QPaintDevice>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class FakeReportPage final : public ReportPage {
public:
    FakeReportPage(QPageLayout layout, const char* top, const char* left)
        : layout_(std::move(layout)), top_(qx::Currency::parse(QString::fromLatin1(top))),
          left_(qx::Currency::parse(QString::fromLatin1(left)))
    {
    }
    QPageLayout paperLayout() const override { return layout_; }
    qx::Currency defaultTopMargin() const override { return top_; }
    qx::Currency defaultLeftMargin() const override { return left_; }
    bool hasContent(const PagePrintRequest&) override { return content; }
    std::vector<MarkedValue> valuesPrintedAsMarks(const PagePrintRequest&) override { return marked; }
    // The box lies away from the offsets' origin, a few hundredths off the tenths from the top, so
    // each edge of the paper leaves it a room of its own.
    static constexpr double kBoxLeft = 12.5;
    static constexpr double kBoxTop = 20.0071;
    QRectF boxExtentMm() const override { return QRectF(kBoxLeft, kBoxTop, 60, 30); }

    // A box of 60 × 30 mm with a line, where boxExtentMm says; a test page adds two corner marks.
    void paint(QPainter& painter, const PagePrintRequest& request) override
    {
        const double perMm = painter.device()->logicalDpiX() / 25.4;
        const auto mm = [perMm](qx::Currency v) { return double(v.raw()) / qx::Currency::kScale * perMm; };
        const QPointF origin(mm(request.leftMm) + kBoxLeft * perMm, mm(request.topMm) + kBoxTop * perMm);
        painter.setPen(QPen(Qt::black, 0.5 * perMm));
        painter.drawRect(QRectF(origin, QSizeF(60 * perMm, 30 * perMm)));
        painter.drawLine(origin + QPointF(5 * perMm, 15 * perMm), origin + QPointF(55 * perMm, 15 * perMm));
        if (request.testPage) {
            painter.fillRect(QRectF(origin + QPointF(70 * perMm, 0), QSizeF(10 * perMm, 2 * perMm)), Qt::black);
            painter.fillRect(QRectF(origin + QPointF(0, 40 * perMm), QSizeF(2 * perMm, 10 * perMm)), Qt::black);
        }
        painted.push_back(request);
    }

    bool content = true;
    std::vector<MarkedValue> marked;
    std::vector<PagePrintRequest> painted;

private:
    QPageLayout layout_;
    qx::Currency top_;
    qx::Currency left_;
};

inline QPageLayout PaperOf(QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(size), orientation, QMarginsF());
}

// A report page for every page code; the M/1 pages with the default offsets of the M/1 forms
// (A3 sheets 219.2 and 8.5 from the left, A4 pages 8.5), the others 10 mm; M/4 on A4 landscape.
class FakeReportPages final : public ReportPages {
public:
    ReportPage* reportPage(int pageCode, bool m1OnA4) override
    {
        const bool m1 = pageCode >= 1011 && pageCode <= 1014;
        if (m1 && !m1OnA4 && pageCode > 1012)
            return nullptr;
        auto& slot = pages_[{pageCode, m1 && m1OnA4}];
        if (!slot) {
            if (m1 && !m1OnA4)
                slot = std::make_unique<FakeReportPage>(PaperOf(QPageSize::A3, QPageLayout::Landscape),
                                                        pageCode == 1011 ? "11" : "10.8",
                                                        pageCode == 1011 ? "219.2" : "8.5");
            else if (m1)
                slot = std::make_unique<FakeReportPage>(PaperOf(QPageSize::A4, QPageLayout::Portrait),
                                                        pageCode == 1011 ? "11" : "10.8", "8.5");
            else
                slot = std::make_unique<FakeReportPage>(
                    PaperOf(QPageSize::A4, pageCode >= 6011 ? QPageLayout::Landscape : QPageLayout::Portrait), "10",
                    "10");
        }
        return slot.get();
    }
    FakeReportPage& page(int pageCode, bool m1OnA4 = false)
    {
        return *static_cast<FakeReportPage*>(reportPage(pageCode, m1OnA4));
    }

private:
    std::map<std::pair<int, bool>, std::unique_ptr<FakeReportPage>> pages_;
};

class FakePrintService final : public PrintService {
public:
    struct Print {
        ReportPage* page;
        PagePrintRequest request;
        PrinterChoice printer;
    };
    QStringList printerNames() override { return names; }
    int currentPrinterIndex() override { return current; }
    bool setupPrinter(QWidget*, const ReportPage&, PrinterChoice& choice) override
    {
        if (!setupPdfFile.isEmpty()) {
            choice = {-1, setupPdfFile, QString()};
            return true;
        }
        if (setupChoice < 0)
            return false;
        choice = {setupChoice, QString(), QString()};
        return true;
    }
    PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice& printer,
                       PrintFailure& why) override
    {
        if (!page.hasContent(request))
            return PrintOutcome::NothingToPrint;
        if (failure) {
            why = *failure;
            return PrintOutcome::Failed;
        }
        prints.push_back({&page, request, printer});
        return PrintOutcome::Printed;
    }

    QStringList names{QStringLiteral("Office Laser"), QStringLiteral("Back Room")};
    int current = 0;
    int setupChoice = -1;  // printer the setup dialog "chooses"; -1 cancels it
    QString setupPdfFile;  // when set, the setup dialog "chooses" printing into this PDF file
    std::optional<PrintFailure> failure;  // a print fails so when set
    std::vector<Print> prints;
};
