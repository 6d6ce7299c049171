#include "core/check/RuleText.h"

#include "core/module/TdmMain.h"

QString FillTemplate(const char* utf8Template, TextValues values)
{
    const QString tmpl = QString::fromUtf8(utf8Template);
    QString out;
    qsizetype i = 0;
    while (i < tmpl.size()) {
        const qsizetype open = tmpl.indexOf(QLatin1Char('{'), i);
        const qsizetype close = open < 0 ? -1 : tmpl.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            out += QStringView(tmpl).mid(i);
            break;
        }
        out += QStringView(tmpl).mid(i, open - i);
        const QStringView key = QStringView(tmpl).mid(open + 1, close - open - 1);
        for (const auto& [name, value] : values)
            if (key == QLatin1String(name)) {
                out += value;
                break;
            }
        i = close + 1;
    }
    return out;
}

void AddRuleAlert(TdmMain& dm, int objCode, const QString& fieldName, const RuleText& text, TextValues values)
{
    dm.AddAlert(objCode, fieldName, kErrorAlert, text.msgNo, FillTemplate(text.chn, values),
                FillTemplate(text.por, values));
}
