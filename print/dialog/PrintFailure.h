#pragma once
// Why a print failed, as the print dialog tells it under PS-006: each cause the program finds
// itself has its words in Chinese and in Portuguese.

#include <QString>

enum class PrintFailureCause {
    NoPrinter,       // no printer chosen, or none left at its place in the list
    PrinterGone,     // the printer went away since the dialog showed it
    PaperSize,       // the printer does not take the page's paper size
    JobNotStarted,   // the print job could not be started
    JobNotAccepted,  // the print service did not accept the job
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
