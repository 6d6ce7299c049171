#include "PrintCommandLine.h"

#include "core/util/Messages.h"

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
        if (word == u"--a3" || word == u"--test" || word == u"--boxes") {
            (word == u"--a3" ? inv.a3 : word == u"--test" ? inv.test : inv.boxes) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = word + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        const QString value = args[++i];
        if (word == u"--answer") {
            const QStringList parts = value.split(QLatin1Char('='));
            const QString answer = parts.size() == 2 ? parts[1].toLower() : QString();
            if (parts[0].isEmpty() || (answer != u"yes" && answer != u"no")) {
                error = QStringLiteral("--answer takes CODE=yes or CODE=no");
                return std::nullopt;
            }
            inv.answers[parts[0]] = answer == u"yes" ? mrYes : mrNo;
        } else if (word == u"--today") {
            inv.today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!inv.today.isValid()) {
                error = QStringLiteral("--today takes a date YYYY-MM-DD");
                return std::nullopt;
            }
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
        "Opens FOLDER, binds the report pages, recomputes and validates the declaration and prints the\n"
        "report page of PAGECODE into OUT.pdf: M/1 on A4 unless --a3; item N of the page list instead of\n"
        "the initial one; a test page with --test, else the final page (refused while errors remain);\n"
        "at the given offsets in millimetres, else the page's default margins.\n"
        "Prints MSG<TAB>code<TAB>type<TAB>Chinese<TAB>Portuguese for every message (questions answered\n"
        "Yes unless --answer says otherwise); with --boxes BOX<TAB>field<TAB>x mm<TAB>y mm<TAB>text for\n"
        "every data text at its anchor; then PRINTED<TAB>form.page<TAB>page code, NOTHING<TAB>page code\n"
        "or REFUSED<TAB>page codes with errors (separated by blanks).\n"
        "Exit status: 0 printed or nothing to print, 1 refused or failed, 2 usage error.\n");
}
