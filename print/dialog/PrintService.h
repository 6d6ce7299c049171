#pragma once
// The printers of the system as the print dialog sees them: the list (a printer's index is its
// place in it), the current printer, the printer setup dialog and the print of one report page.
// SystemPrintService goes through Qt's print support to the system's print service (CUPS);
// tests put a scripted service in its place.

#include "print/dialog/PrintFailure.h"
#include "print/dialog/ReportPage.h"

#include <QString>
#include <QStringList>

class QWidget;

// The printer a report page prints on: an index into the printer list (-1: none chosen), or a
// PDF file chosen in the printer setup dialog. `name` is the printer as the dialog showed it: a
// page prints on that printer or not at all, wherever the list has moved it since.
struct PrinterChoice {
    int index = -1;
    QString pdfFile;
    QString name;
};

// The name of the chosen printer: the one the dialog showed, else the one at its index in
// `names`; empty when none is chosen.
QString ChosenPrinterName(const PrinterChoice& choice, const QStringList& names);

// The name under which the offsets of a PDF file chosen as the printer are kept (the name the
// system's printer dialog gave that choice in stored folders), and how the print dialog shows it.
QString PdfFilePrinterName();
QString PdfFilePrinterCaption();

enum class PrintOutcome { Printed, NothingToPrint, Failed };

class PrintService {
public:
    virtual ~PrintService() = default;
    virtual QStringList printerNames() = 0;
    // Index of the system's current (default) printer; -1 when there is none.
    virtual int currentPrinterIndex() = 0;
    // Lets the user choose the printer for a page (the system's printer dialog, its button saying
    // that it chooses); false when cancelled (choice unchanged).
    virtual bool setupPrinter(QWidget* parent, const ReportPage& page, PrinterChoice& choice) = 0;
    // Prints the page on the chosen printer (by its name when the choice has one); on failure
    // `failure` says why.
    virtual PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice& choice,
                               PrintFailure& failure) = 0;
};

class SystemPrintService final : public PrintService {
public:
    QStringList printerNames() override;
    int currentPrinterIndex() override;
    bool setupPrinter(QWidget* parent, const ReportPage& page, PrinterChoice& choice) override;
    PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice& choice,
                       PrintFailure& failure) override;
};
