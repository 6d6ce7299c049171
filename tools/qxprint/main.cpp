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

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

void printLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void fail(const QString& why) { std::fprintf(stderr, "qxprint: %s\n", qPrintable(why)); }

// Prints every message as it is shown and answers questions from the command line (Yes unless
// told otherwise), as qxfolder does.
class PrintingPresenter final : public MessagePresenter {
public:
    explicit PrintingPresenter(QMap<QString, int> answers) : answers_(std::move(answers)) {}

    int present(const QString& chn, const QString& por, const QString&, std::uint8_t dlgType,
                const QString& code) override
    {
        printLine(QStringList{QStringLiteral("MSG"), code, QString::number(dlgType), EscapeText(chn), EscapeText(por)}
                      .join(QLatin1Char('\t')));
        return dlgType == dtQuestion ? answers_.value(code, mrYes) : mrOk;
    }

private:
    QMap<QString, int> answers_;
};

QString millimetres(double v) { return QString::number(v, 'f', 2); }

void printBoxes(const qx::report::DisplayList& list)
{
    for (const qx::report::DisplayText& t : list.texts)
        if (t.dataText) {
            const QPointF a = t.anchor();
            printLine(QStringList{QStringLiteral("BOX"), t.field, millimetres(a.x()), millimetres(a.y()), EscapeText(t.text)}
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
    const std::optional<PrintTarget> target = PrintTargetOf(forms, inv.pageCode, !inv.a3, SectorOf(dm), inv.item);
    if (!target) {
        fail(QStringLiteral("no report page for page code %1 and that item").arg(inv.pageCode));
        return 1;
    }
    if (!inv.test && !errors.isEmpty()) {
        QStringList codes;
        for (int code : errors)
            codes << QString::number(code);
        printLine(QStringLiteral("REFUSED\t") + codes.join(QLatin1Char(' ')));
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
        printLine(QStringLiteral("NOTHING\t%1").arg(target->pageCode));
        return 0;
    }
    if (inv.boxes)
        printBoxes(list);
    if (!qx::report::WritePdf(list, page, inv.out)) {
        fail(QStringLiteral("cannot write ") + inv.out);
        return 1;
    }
    printLine(QStringLiteral("PRINTED\t%1.%2\t%3").arg(target->form->name(), page.name()).arg(target->pageCode));
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
