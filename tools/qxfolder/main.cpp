// qxfolder: drives the data module on a form folder from the command line (see UsageText).
#include "CommandLine.h"
#include "ToolCommands.h"
#include "ToolOutput.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendrix"));

    QString error;
    const std::optional<ToolInvocation> inv = ParseCommandLine(app.arguments().mid(1), error);
    if (!inv) {
        std::fprintf(stderr, "qxfolder: %s\n%s", qPrintable(error), qPrintable(UsageText()));
        return 2;
    }
    if (inv->help) {
        std::fputs(qPrintable(UsageText()), stdout);
        return 0;
    }
    if (inv->today.isValid())
        SetFixedNow(QDateTime(inv->today, QTime(0, 0)));

    PrintingPresenter presenter(inv->answers);
    SetMessagePresenter(&presenter);
    int status = 0;
    {
        TdmMain dm;
        dmMain = &dm;
        const QString folder = QDir::isRelativePath(inv->folder) ? QDir::current().absoluteFilePath(inv->folder)
                                                                 : inv->folder;
        ToolCommands commands(dm, folder, PrintLine);
        for (const ToolCommand& c : inv->commands)
            if (!commands.run(c))
                status = 1;
        dmMain = nullptr;
    }
    SetMessagePresenter(nullptr);
    return status;
}
