// qxprint: prints one report page of a form folder into a PDF file through the print dialog's own
// logic (see PrintUsageText).
#include "PrintCommandLine.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Messages.h"
#include "print/binding/BindReportFields.h"
#include "PdfFilePrintService.h"
#include "print/dialog/TFormPrnSetup.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportFormPages.h"
#include "print/forms/ReportForms.h"
#include "tools/qxfolder/FieldText.h"
#include "tools/qxfolder/ToolOutput.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <cstdio>

namespace {

void fail(const QString& why) { std::fprintf(stderr, "qxprint: %s\n", qPrintable(why)); }

QString millimetres(double v) { return QString::number(v, 'f', 2); }

void printLine(const QStringList& fields) { PrintLine(fields.join(QLatin1Char('\t'))); }

// Data texts by their field, labels (the sums of the list faces) by their name.
void printBoxes(const qx::report::DisplayList& list)
{
    for (const qx::report::DisplayText& t : list.texts) {
        const QPointF a = t.anchor();
        printLine({QStringLiteral("BOX"), t.dataText ? t.field : t.name, millimetres(a.x()), millimetres(a.y()),
                   EscapeText(t.text)});
    }
}

void printItems(const PageList& list)
{
    for (size_t i = 0; i < list.items.size(); ++i)
        printLine({QStringLiteral("ITEM"), QString::number(i), list.items[i].enabled ? QStringLiteral("1") : QStringLiteral("0"),
                   EscapeText(list.items[i].text)});
}

void printRefused(const PrintGate& gate)
{
    QStringList codes;
    for (int code : gate.errorPageCodes)
        codes << QString::number(code);
    printLine({QStringLiteral("REFUSED"), codes.join(QLatin1Char(' '))});
}

// Types an offset from the command line into the dialog's edit, as a user would.
void typeOffset(QLineEdit& edit, const std::optional<double>& mm)
{
    if (mm)
        edit.setText(QString::number(*mm, 'f', 6));
}

int printPage(TdmMain& dm, const PrintInvocation& inv)
{
    const QString folder = QDir::isRelativePath(inv.folder) ? QDir::current().absoluteFilePath(inv.folder) : inv.folder;
    if (dm.ProcessFormFolder(folder, ffOpen) != TFolderResult::frDone) {
        fail(QStringLiteral("cannot open the folder ") + folder);
        return 1;
    }
    ReportForms forms(dm);
    ReportFormPages pages(forms);
    SetAutoMapPresenter([] {});  // a mismatch shows its message; there is no window to show here
    BindReportPagesFromLayouts(forms, dm);
    SetAutoMapPresenter({});

    SystemPrintService printers;
    PdfFilePrintService service(printers, inv.out);
    TFormPrnSetup dialog(dm, pages, service);
    dialog.setDecimalSeparator(u'.');
    dialog.PageCode = inv.pageCode;
    dialog.M1OnA4 = !inv.a3;
    dialog.FormShow();

    const PageList& list = dialog.PageItems();
    printItems(list);
    if (list.items.empty()) {  // an empty M/3A list: the dialog's print buttons stay disabled
        printLine({QStringLiteral("NOTHING"), QString::number(dialog.PageCode)});
        return 0;
    }
    const int item = inv.item < 0 ? list.initial : inv.item;
    if (item < 0 || item >= int(list.items.size())) {
        fail(QStringLiteral("no report page for page code %1 and that item").arg(inv.pageCode));
        return 1;
    }
    dialog.CheckListBoxRptPage->setCurrentRow(item);
    printLine({QStringLiteral("SELECTED"), QString::number(item)});
    if (!inv.test && !dialog.CanPrint()) {
        printRefused(dialog.Gate());
        return 1;
    }
    if (!list.items[size_t(item)].enabled) {
        fail(QStringLiteral("item %1 of the page list cannot print").arg(item));
        return 1;
    }
    typeOffset(*dialog.EditLeftMargin, inv.left);
    typeOffset(*dialog.EditTopMargin, inv.top);
    dialog.btnPrintClick(inv.test);

    FormReportPage& page = *pages.formPage(dialog.PageCode, dialog.M1OnA4);
    switch (service.lastOutcome().value_or(PrintOutcome::Failed)) {
    case PrintOutcome::Printed:
        if (inv.boxes)
            printBoxes(page.lastPrinted());
        printLine({QStringLiteral("PRINTED"), page.name(), QString::number(dialog.PageCode)});
        return 0;
    case PrintOutcome::NothingToPrint:
        printLine({QStringLiteral("NOTHING"), QString::number(dialog.PageCode)});
        return 0;
    case PrintOutcome::Failed:
        break;
    }
    fail(QStringLiteral("nothing was printed into ") + inv.out);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendrix"));

    QString error;
    const std::optional<PrintInvocation> inv = ParsePrintCommandLine(app.arguments().mid(1), error);
    if (!inv) {
        std::fprintf(stderr, "qxprint: %s\n%s", qPrintable(error), qPrintable(PrintUsageText()));
        return 2;
    }
    if (inv->help) {
        std::fputs(qPrintable(PrintUsageText()), stdout);
        return 0;
    }
    if (inv->today.isValid())
        SetFixedNow(QDateTime(inv->today, QTime(0, 0)));

    PrintingPresenter presenter(inv->answers);
    SetMessagePresenter(&presenter);
    int status = 1;
    {
        TdmMain dm;
        dmMain = &dm;
        try {
            status = printPage(dm, *inv);
        } catch (const std::exception& e) {
            fail(QString::fromLocal8Bit(e.what()));
            status = 1;
        }
        dmMain = nullptr;
    }
    SetMessagePresenter(nullptr);
    return status;
}
