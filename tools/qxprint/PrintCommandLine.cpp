#include "PrintCommandLine.h"

#include "tools/qxfolder/CommandLine.h"

namespace {

std::optional<double> millimetres(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

std::optional<PrintInvocation> ParsePrintCommandLine(const QStringList& args, QString& error)
{
    PrintInvocation inv;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (!word.startsWith(QLatin1String("--"))) {
            positional << word;
            continue;
        }
        if (word == u"--help") {
            inv.help = true;
            return inv;
        }
        if (word == u"--a3" || word == u"--test" || word == u"--boxes") {
            (word == u"--a3" ? inv.a3 : word == u"--test" ? inv.test : inv.boxes) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = word + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        const QString value = args[++i];
        if (word == u"--answer" || word == u"--today") {
            if (!ReadAnswerOrToday(word, value, inv.answers, inv.today, error))
                return std::nullopt;
        } else if (word == u"--item") {
            bool ok = false;
            inv.item = value.toInt(&ok);
            if (!ok || inv.item < 0) {
                error = QStringLiteral("--item takes an item index from 0");
                return std::nullopt;
            }
        } else if (word == u"--left" || word == u"--top") {
            const std::optional<double> mm = millimetres(value);
            if (!mm) {
                error = word + QStringLiteral(" takes millimetres");
                return std::nullopt;
            }
            (word == u"--left" ? inv.left : inv.top) = mm;
        } else {
            error = QStringLiteral("unknown option ") + word;
            return std::nullopt;
        }
    }
    if (positional.size() != 3) {
        error = QStringLiteral("FOLDER PAGECODE OUT.pdf expected");
        return std::nullopt;
    }
    bool ok = false;
    inv.folder = positional[0];
    inv.pageCode = positional[1].toInt(&ok);
    inv.out = positional[2];
    if (!ok || inv.pageCode <= 0) {
        error = QStringLiteral("PAGECODE is a page code such as 1011");
        return std::nullopt;
    }
    return inv;
}

QString PrintUsageText()
{
    return QStringLiteral(
        "usage: qxprint [--answer CODE=yes|no]... [--today YYYY-MM-DD] FOLDER PAGECODE OUT.pdf\n"
        "               [--a3] [--item N] [--test] [--left MM --top MM] [--boxes]\n"
        "       qxprint --help      this text\n"
        "Opens FOLDER, binds the report pages and prints through the print dialog's own logic\n"
        "(recalculation, validation, the error gate, the page list) the report page of PAGECODE into\n"
        "OUT.pdf: M/1 on A4 unless --a3; item N of the page list instead of the initial one; a test page\n"
        "with --test, else the final page (refused while errors remain); at the given offsets in\n"
        "millimetres, else those stored for this computer and its current printer, else the page's\n"
        "default margins; offsets that would put the page's boxes off its paper are refused as the\n"
        "dialog refuses them (PS-008, PS-009).\n"
        "Prints MSG<TAB>code<TAB>type<TAB>Chinese<TAB>Portuguese for every message (questions answered\n"
        "Yes unless --answer says otherwise); ITEM<TAB>index<TAB>1 enabled, 0 disabled<TAB>text for each\n"
        "item of the page list and SELECTED<TAB>index for the item printed; with --boxes\n"
        "BOX<TAB>field<TAB>x mm<TAB>y mm<TAB>text for every data text at its anchor; then\n"
        "PRINTED<TAB>form.page<TAB>page code, NOTHING<TAB>page code or REFUSED<TAB>page codes with errors\n"
        "(separated by blanks).\n"
        "Exit status: 0 printed or nothing to print (or --help), 1 refused or failed, 2 usage error.\n");
}
