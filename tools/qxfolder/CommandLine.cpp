#include "CommandLine.h"

#include "core/util/Messages.h"

namespace {

const QStringList kCommandWords = {
    QStringLiteral("open"), QStringLiteral("save"), QStringLiteral("close"),
    QStringLiteral("set"),  QStringLiteral("append"), QStringLiteral("row"),
    QStringLiteral("delete"), QStringLiteral("dump"), QStringLiteral("alerts"),
};

bool isAssignment(const QString& word) { return word.indexOf(QLatin1Char('=')) > 0; }

// Checks the arguments of one command; returns an error text or "".
QString checkArguments(const ToolCommand& c)
{
    const qsizetype n = c.args.size();
    const QString& w = c.word;
    if (w == u"open" || w == u"save" || w == u"close" || w == u"alerts")
        return n == 0 ? QString() : w + QStringLiteral(" takes no arguments");
    if (w == u"set") {
        if (n != 1 || !isAssignment(c.args[0]) || c.args[0].indexOf(QLatin1Char('.')) <= 0
            || c.args[0].indexOf(QLatin1Char('.')) > c.args[0].indexOf(QLatin1Char('=')))
            return QStringLiteral("set takes one DS.FIELD=VALUE");
        return {};
    }
    if (w == u"append") {
        if (n < 1 || isAssignment(c.args[0]))
            return QStringLiteral("append takes DS then FIELD=VALUE words");
        for (qsizetype i = 1; i < n; ++i)
            if (!isAssignment(c.args[i]))
                return QStringLiteral("append: \"%1\" is not FIELD=VALUE").arg(c.args[i]);
        return {};
    }
    if (w == u"row") {
        bool number = false;
        if (n == 2)
            c.args[1].toInt(&number);
        return number ? QString() : QStringLiteral("row takes DS and a record number");
    }
    if (w == u"delete")
        return n == 1 ? QString() : QStringLiteral("delete takes DS");
    if (w == u"dump")
        return n >= 1 ? QString() : QStringLiteral("dump takes DS and optional field names");
    return QStringLiteral("unknown command \"%1\"").arg(w);
}

}  // namespace

QString ToolCommand::text() const { return (QStringList{word} + args).join(QLatin1Char(' ')); }

bool IsCommandWord(const QString& word) { return kCommandWords.contains(word); }

bool ReadAnswerOrToday(const QString& option, const QString& value, QMap<QString, int>& answers, QDate& today,
                       QString& error)
{
    if (option == u"--answer") {
        const QStringList parts = value.split(QLatin1Char('='));
        const QString answer = parts.size() == 2 ? parts[1].toLower() : QString();
        if (parts[0].isEmpty() || (answer != u"yes" && answer != u"no")) {
            error = QStringLiteral("--answer takes CODE=yes or CODE=no");
            return false;
        }
        answers[parts[0]] = answer == u"yes" ? mrYes : mrNo;
        return true;
    }
    if (option == u"--today") {
        today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!today.isValid()) {
            error = QStringLiteral("--today takes a date YYYY-MM-DD");
            return false;
        }
        return true;
    }
    error = QStringLiteral("unknown option ") + option;
    return false;
}

std::optional<ToolInvocation> ParseCommandLine(const QStringList& args, QString& error)
{
    ToolInvocation inv;
    qsizetype i = 0;
    for (; i < args.size() && args[i].startsWith(QLatin1String("--")); ++i) {
        const QString& option = args[i];
        if (option == u"--help") {
            inv.help = true;
            return inv;
        }
        if (i + 1 >= args.size()) {
            error = option + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        if (!ReadAnswerOrToday(option, args[++i], inv.answers, inv.today, error))
            return std::nullopt;
    }
    if (i >= args.size()) {
        error = QStringLiteral("no folder given");
        return std::nullopt;
    }
    inv.folder = args[i++];
    for (; i < args.size(); ++i) {
        if (!IsCommandWord(args[i])) {
            error = QStringLiteral("\"%1\" is not a command").arg(args[i]);
            return std::nullopt;
        }
        ToolCommand c{args[i], {}};
        while (i + 1 < args.size() && !IsCommandWord(args[i + 1]))
            c.args << args[++i];
        error = checkArguments(c);
        if (!error.isEmpty())
            return std::nullopt;
        inv.commands.push_back(c);
    }
    if (inv.commands.empty()) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    return inv;
}

QString UsageText()
{
    return QStringLiteral(
        "usage: qxfolder [--answer CODE=yes|no]... [--today YYYY-MM-DD] FOLDER COMMAND...\n"
        "       qxfolder --help      this text\n"
        "  open                 open FOLDER\n"
        "  save                 save the open folder\n"
        "  close                close the open folder\n"
        "  set DS.FIELD=VALUE   edit the current record of DS, set the field, post\n"
        "  append DS F=V ...    append a record to DS, set the fields, post\n"
        "  row DS N             make record N (from 1) of DS current\n"
        "  delete DS            delete the current record of DS\n"
        "  dump DS [FIELD ...]  every record of DS, one line each: FIELD=VALUE separated by tabs\n"
        "  alerts               the alert list: Obj_Code, Field_Name, Alert_Type, Msg_Code, Msg_Chn, Msg_Por\n"
        "Values: amounts as exact decimals, Booleans TRUE/FALSE, dates dd/mm/yyyy, date-times\n"
        "dd/mm/yyyy hh:mm:ss, null as nothing; in texts \\r, \\n, \\t and \\\\ stand for CR, LF, TAB\n"
        "and backslash. Messages print as MSG<TAB>code<TAB>type<TAB>Chinese<TAB>Portuguese; questions\n"
        "are answered Yes unless --answer says otherwise. A failed command prints FAILED<TAB>command.\n"
        "Exit status: 0 all succeeded (or --help), 1 a command failed, 2 usage error.\n");
}
