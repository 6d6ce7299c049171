#pragma once
// Why a print failed, as the print dialog tells it under PS-006: each cause the program finds
// itself has its words in Chinese and in Portuguese.

#include <QString>

enum class PrintFailureCause {
    NoPrinter,        // the system has no printer at all
    NoPrinterChosen,  // the system has printers, but none was chosen nor is the default
    PrinterGone,      // the chosen printer went away since the dialog showed it
    PaperSize,        // the printer does not take the page's paper size
    JobNotStarted,    // the print job could not be started
    JobNotAccepted,   // the print service did not accept the job
};

struct PrintFailure {
    PrintFailureCause cause = PrintFailureCause::JobNotAccepted;
    QString printer;  // PrinterGone: the printer's name
};

struct PrintFailureText {
    QString chn;
    QString por;
};

PrintFailureText TextOfPrintFailure(const PrintFailure& failure);
