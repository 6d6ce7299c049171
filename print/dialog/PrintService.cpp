#include "print/dialog/PrintService.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Full page at the page's paper size and orientation: no device margins, no scaling.
bool PreparePrinter(QPrinter& printer, const ReportPage& page)
{
    printer.setFullPage(true);
    QPageLayout layout = page.paperLayout();
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    return printer.setPageLayout(layout);
}

// The system's print dialog serves to choose here, not to print: its title and button say so.
void SayItChooses(QPrintDialog& dialog)
{
    dialog.setWindowTitle(QStringLiteral("轉換印表機"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("選擇 &Escolher"));
}

}  // namespace

QString ChosenPrinterName(const PrinterChoice& choice, const QStringList& names)
{
    if (!choice.name.isEmpty())
        return choice.name;
    return choice.index >= 0 && choice.index < names.size() ? names[choice.index] : QString();
}

QString PdfFilePrinterName() { return QStringLiteral("Print to File (PDF)"); }

QString PdfFilePrinterCaption() { return QStringLiteral("列印到 PDF 檔案 Imprimir em PDF"); }

QStringList SystemPrintService::printerNames() { return QPrinterInfo::availablePrinterNames(); }

int SystemPrintService::currentPrinterIndex()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? -1 : int(printerNames().indexOf(name));
}

bool SystemPrintService::setupPrinter(QWidget* parent, const ReportPage& page, PrinterChoice& choice)
{
    QPrinter printer(QPrinter::HighResolution);
    const QStringList names = printerNames();
    if (!choice.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.pdfFile);
    } else if (const QString name = ChosenPrinterName(choice, names); names.contains(name)) {
        printer.setPrinterName(name);
    }
    PreparePrinter(printer, page);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    SayItChooses(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        choice = {-1, printer.outputFileName(), QString()};
    } else {
        choice = {int(names.indexOf(printer.printerName())), QString(), printer.printerName()};
    }
    return true;
}

PrintOutcome SystemPrintService::print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice& choice,
                                       PrintFailure& failure)
{
    if (!page.hasContent(request))
        return PrintOutcome::NothingToPrint;
    QPrinter printer(QPrinter::HighResolution);
    if (!choice.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.pdfFile);
    } else {
        // The list is read again: the printer may have gone away since the dialog showed it, and
        // another one may have taken its place in the list.
        const QStringList names = printerNames();
        const QString name = ChosenPrinterName(choice, names);
        if (name.isEmpty()) {
            failure = {names.isEmpty() ? PrintFailureCause::NoPrinter : PrintFailureCause::NoPrinterChosen, QString()};
            return PrintOutcome::Failed;
        }
        if (!names.contains(name)) {
            failure = {PrintFailureCause::PrinterGone, name};
            return PrintOutcome::Failed;
        }
        printer.setPrinterName(name);
        if (!printer.isValid() || printer.printerName() != name) {
            failure = {PrintFailureCause::PrinterGone, name};
            return PrintOutcome::Failed;
        }
    }
    printer.setDocName(request.docName.isEmpty() ? QStringLiteral("Quendrix") : request.docName);
    if (!PreparePrinter(printer, page)) {
        failure = {PrintFailureCause::PaperSize, QString()};
        return PrintOutcome::Failed;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        failure = {PrintFailureCause::JobNotStarted, QString()};
        return PrintOutcome::Failed;
    }
    page.paint(painter, request);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        failure = {PrintFailureCause::JobNotAccepted, QString()};
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}
