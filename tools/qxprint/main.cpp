// qxprint: prints one report page of a form folder into a PDF file (see PrintUsageText).
#include "PrintCommandLine.h"
#include "PrintGate.h"
#include "PrintTarget.h"
#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Messages.h"
#include "platform/report/ReportOutput.h"
#include "print/binding/BindReportFields.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"
#include "tools/qxfolder/FieldText.h"
#include "tools/qxfolder/ToolOutput.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

void fail(const QString& why) { std::fprintf(stderr, "qxprint: %s\n", qPrintable(why)); }

QString millimetres(double v) { return QString::number(v, 'f', 2); }

// Data texts by their field, labels (the sums of the list faces) by their name.
void printBoxes(const qx::report::DisplayList& list)
{
    for (const qx::report::DisplayText& t : list.texts) {
        const QPointF a = t.anchor();
        PrintLine(QStringList{QStringLiteral("BOX"), t.dataText ? t.field : t.name, millimetres(a.x()), millimetres(a.y()),
                              EscapeText(t.text)}
                      .join(QLatin1Char('\t')));
    }
}

int printPage(TdmMain& dm, const PrintInvocation& inv)
{
    const QString folder = QDir::isRelativePath(inv.folder) ? QDir::current().absoluteFilePath(inv.folder) : inv.folder;
    if (dm.ProcessFormFolder(folder, ffOpen) != TFolderResult::frDone) {
        fail(QStringLiteral("cannot open the folder ") + folder);
        return 1;
    }
    ReportForms forms(dm);
    SetAutoMapPresenter([] {});  // a mismatch shows its message; there is no window to show here
    BindReportPagesFromLayouts(forms, dm);
    SetAutoMapPresenter({});

    const QList<int> errors = RecalcCheckAndGate(dm);
    const std::optional<PrintTarget> target = PrintTargetOf(forms, dm, inv.pageCode, !inv.a3, SectorOf(dm), inv.item);
    if (!target) {
        fail(QStringLiteral("no report page for page code %1 and that item").arg(inv.pageCode));
        return 1;
    }
    if (!inv.test && !errors.isEmpty()) {
        QStringList codes;
        for (int code : errors)
            codes << QString::number(code);
        PrintLine(QStringLiteral("REFUSED\t") + codes.join(QLatin1Char(' ')));
        return 1;
    }
    qx::report::ReportPage& page = *target->page;
    page.tag = inv.test ? 10 : 0;
    if (inv.left)
        page.leftMargin = *inv.left;
    if (inv.top)
        page.topMargin = *inv.top;
    const qx::report::DisplayList list = qx::report::LayoutPage(page);
    if (!list.printed) {
        PrintLine(QStringLiteral("NOTHING\t%1").arg(target->pageCode));
        return 0;
    }
    if (inv.boxes)
        printBoxes(list);
    if (!qx::report::WritePdf(list, page, inv.out)) {
        fail(QStringLiteral("cannot write ") + inv.out);
        return 1;
    }
    PrintLine(QStringLiteral("PRINTED\t%1.%2\t%3").arg(target->form->name(), page.name()).arg(target->pageCode));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendrix"));

    QString error;
    const std::optional<PrintInvocation> inv = ParsePrintCommandLine(app.arguments().mid(1), error);
    if (!inv) {
        std::fprintf(stderr, "qxprint: %s\n%s", qPrintable(error), qPrintable(PrintUsageText()));
        return 2;
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
