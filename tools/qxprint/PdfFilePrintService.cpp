#include "PdfFilePrintService.h"

PrintOutcome PdfFilePrintService::print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice&,
                                        PrintFailure& failure)
{
    SystemPrintService system;
    lastOutcome_ = system.print(page, request, PrinterChoice{-1, pdfFile_, QString()}, failure);
    return *lastOutcome_;
}
