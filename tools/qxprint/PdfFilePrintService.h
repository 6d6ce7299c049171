#pragma once
// qxprint's print service: it offers the printers of another service (their names pick the stored
// offsets) but writes every print into one PDF file: the print dialog's own logic, put on paper
// that tools and tests can read.

#include "print/dialog/PrintService.h"

#include <optional>

class PdfFilePrintService final : public PrintService {
public:
    // `printers` is not owned and outlives this service.
    PdfFilePrintService(PrintService& printers, QString pdfFile) : printers_(printers), pdfFile_(std::move(pdfFile)) {}

    QStringList printerNames() override { return printers_.printerNames(); }
    int currentPrinterIndex() override { return printers_.currentPrinterIndex(); }
    // No setup dialog: the file is the printer.
    bool setupPrinter(QWidget*, const ReportPage&, PrinterChoice&) override { return false; }
    PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice& choice,
                       PrintFailure& failure) override;

    // The outcome of the last print; nothing before the first.
    const std::optional<PrintOutcome>& lastOutcome() const { return lastOutcome_; }

private:
    PrintService& printers_;
    QString pdfFile_;
    std::optional<PrintOutcome> lastOutcome_;
};
