#include "ToolOutput.h"

#include "FieldText.h"

#include <QStringList>
#include <cstdio>

void PrintLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

int PrintingPresenter::present(const QString& chn, const QString& por, const QString&, std::uint8_t dlgType,
                               const QString& code)
{
    PrintLine(QStringList{QStringLiteral("MSG"), code, QString::number(dlgType), EscapeText(chn), EscapeText(por)}.join(
        QLatin1Char('\t')));
    if (dlgType != dtQuestion)
        return mrOk;
    return answers_.value(code, mrYes);
}
