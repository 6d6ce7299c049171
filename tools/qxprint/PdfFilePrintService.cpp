#include "PdfFilePrintService.h"

PrintOutcome PdfFilePrintService::print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice&,
                                        PrintFailure& failure)
{
    SystemPrintService system;
    lastOutcome_ = system.print(page, request, PrinterChoice{-1, pdfFile_}, failure);
    return *lastOutcome_;
}
