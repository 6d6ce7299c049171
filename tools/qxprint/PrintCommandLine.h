#pragma once
// The command line of qxprint:
//   qxprint [--answer CODE=yes|no]... [--today YYYY-MM-DD] FOLDER PAGECODE OUT.pdf
//           [--a3] [--item N] [--test] [--left MM --top MM] [--boxes]
//   qxprint --help

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

struct PrintInvocation {
    QMap<QString, int> answers;  // message code -> mrYes / mrNo
    QDate today;                 // invalid: the system clock
    QString folder;
    int pageCode = 0;
    QString out;
    bool a3 = false;
    int item = -1;  // -1: the page list's initial item
    bool test = false;
    std::optional<double> left, top;  // millimetres; none: the page's default margin
    bool boxes = false;
    bool help = false;  // --help: the usage text and nothing else
};

// The invocation, or nothing with `error` set when the words are not a valid call.
std::optional<PrintInvocation> ParsePrintCommandLine(const QStringList& args, QString& error);
QString PrintUsageText();
