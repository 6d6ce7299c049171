#include "PdfFilePrintService.h"

PrintOutcome PdfFilePrintService::print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice&,
                                        QString& error)
{
    SystemPrintService system;
    lastOutcome_ = system.print(page, request, PrinterChoice{-1, pdfFile_}, error);
    return *lastOutcome_;
}
