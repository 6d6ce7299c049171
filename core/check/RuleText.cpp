#include "core/check/RuleText.h"

#include "core/module/TdmMain.h"

#include <QByteArray>
#include <QHash>

namespace {

// Templates are the texts of the rule tables, converted once and found again by where they are;
// the bytes are kept too, so that other text at the same place is never taken for them.
struct ConvertedTemplate {
    QByteArray utf8;
    QString text;
};

constexpr qsizetype kMaxConvertedTemplates = 4096;

UnfilledPlaceHandler unfilledPlaceHandler = nullptr;

QString templateText(const char* utf8Template)
{
    thread_local QHash<const char*, ConvertedTemplate> converted;
    const auto it = converted.constFind(utf8Template);
    if (it != converted.cend() && qstrcmp(it->utf8.constData(), utf8Template) == 0)
        return it->text;
    if (converted.size() >= kMaxConvertedTemplates)
        converted.clear();
    const QString text = QString::fromUtf8(utf8Template);
    converted.insert(utf8Template, {QByteArray(utf8Template), text});
    return text;
}

}  // namespace

QString FillTemplate(const char* utf8Template, TextValues values)
{
    const QString tmpl = templateText(utf8Template);
    qsizetype room = tmpl.size();
    for (const auto& value : values)
        room += value.second.size();
    QString out;
    out.reserve(room);
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
        bool filled = false;
        for (const auto& [name, value] : values)
            if (key == QLatin1String(name)) {
                out += value;
                filled = true;
                break;
            }
        if (!filled && unfilledPlaceHandler)
            unfilledPlaceHandler(utf8Template, key);
        i = close + 1;
    }
    return out;
}

void SetUnfilledPlaceHandler(UnfilledPlaceHandler handler)
{
    unfilledPlaceHandler = handler;
}

void AddRuleAlert(TdmMain& dm, int objCode, const QString& fieldName, const RuleText& text, TextValues values)
{
    dm.AddAlert(objCode, fieldName, kErrorAlert, text.msgNo, FillTemplate(text.chn, values),
                FillTemplate(text.por, values));
}
