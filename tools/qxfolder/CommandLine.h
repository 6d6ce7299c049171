#pragma once
// The command line of qxfolder:
//   qxfolder [--answer CODE=yes|no]... [--today YYYY-MM-DD] FOLDER COMMAND...
//   qxfolder --help
// Command words: open, save, close, set, append, row, delete, dump, alerts. A command's
// arguments are the words that follow it up to the next command word.

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct ToolCommand {
    QString word;
    QStringList args;
    QString text() const;  // the command as typed, words separated by blanks
};

struct ToolInvocation {
    QMap<QString, int> answers;  // message code -> mrYes / mrNo
    QDate today;                 // invalid: the system clock
    QString folder;
    std::vector<ToolCommand> commands;
    bool help = false;  // --help: the usage text and nothing else
};

bool IsCommandWord(const QString& word);
// Reads the option --answer CODE=yes|no into `answers` or --today YYYY-MM-DD into `today`; false
// with `error` set for a bad value or any other option. Shared with qxprint.
bool ReadAnswerOrToday(const QString& option, const QString& value, QMap<QString, int>& answers, QDate& today,
                       QString& error);

// The invocation, or nothing with `error` set when the words are not a valid call.
std::optional<ToolInvocation> ParseCommandLine(const QStringList& args, QString& error);
QString UsageText();
