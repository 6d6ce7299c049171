// qxfolder: drives the data module on a form folder from the command line (see UsageText).
#include "CommandLine.h"
#include "FieldText.h"
#include "ToolCommands.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

void printLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

// Prints every message as it is shown and answers questions from the command line (Yes unless
// told otherwise).
class PrintingPresenter final : public MessagePresenter {
public:
    explicit PrintingPresenter(QMap<QString, int> answers) : answers_(std::move(answers)) {}

    int present(const QString& chn, const QString& por, const QString&, std::uint8_t dlgType,
                const QString& code) override
    {
        printLine(QStringList{QStringLiteral("MSG"), code, QString::number(dlgType), EscapeText(chn), EscapeText(por)}
                      .join(QLatin1Char('\t')));
        if (dlgType != dtQuestion)
            return mrOk;
        return answers_.value(code, mrYes);
    }

private:
    QMap<QString, int> answers_;
};

}  // namespace

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
        ToolCommands commands(dm, folder, printLine);
        for (const ToolCommand& c : inv->commands)
            if (!commands.run(c))
                status = 1;
        dmMain = nullptr;
    }
    SetMessagePresenter(nullptr);
    return status;
}
