#include "FieldText.h"

#include "platform/data/ClientDataSet.h"
#include "platform/data/DisplayFormat.h"
#include "platform/data/ValueConvert.h"

namespace {

[[noreturn]] void refuse(const qx::Field& field, const QString& text)
{
    throw qx::DataSetError(QStringLiteral("\"%1\" is not a value of field %2")
                               .arg(text, field.fieldName())
                               .toStdString());
}

}  // namespace

QString EscapeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\\': out += QLatin1String("\\\\"); break;
        default: out += c;
        }
    }
    return out;
}

QString UnescapeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        switch (text[++i].unicode()) {
        case 'r': out += QLatin1Char('\r'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default: out += c; out += text[i];
        }
    }
    return out;
}

QString ValueText(const qx::Value& value)
{
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString& s) const { return EscapeText(s); }
        QString operator()(std::int32_t v) const { return QString::number(v); }
        QString operator()(std::int64_t v) const { return QString::number(v); }
        QString operator()(const qx::Currency& v) const { return v.toString(); }
        QString operator()(bool v) const { return v ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }
        QString operator()(const QDate& v) const { return v.toString(QStringLiteral("dd/MM/yyyy")); }
        QString operator()(const QDateTime& v) const
        {
            return v.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        }
    };
    return std::visit(Visitor{}, value);
}

void SetFieldFromText(qx::Field& field, const QString& rawText)
{
    const QString text = UnescapeText(rawText);
    if (text.isEmpty()) {
        field.clear();
        return;
    }
    switch (field.dataType()) {
    case qx::FieldType::String: field.setValue(text); return;
    case qx::FieldType::Boolean:
        if (text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
            field.setAsBoolean(true);
        else if (text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
            field.setAsBoolean(false);
        else
            refuse(field, text);
        return;
    case qx::FieldType::Currency: {
        qx::Currency amount;
        if (!qx::Currency::tryParse(text, &amount))
            refuse(field, text);
        field.setAsCurrency(amount);
        return;
    }
    case qx::FieldType::Integer:
    case qx::FieldType::AutoInc:
    case qx::FieldType::LargeInt: {
        std::int64_t v = 0;
        if (!qx::detail::parseIntegerText(text, &v))
            refuse(field, text);
        field.setValue(qx::Value(v));  // the field checks its own range
        return;
    }
    case qx::FieldType::Date: {
        const QDate d = qx::parseDate(text);
        if (!d.isValid())
            refuse(field, text);
        field.setAsDate(d);
        return;
    }
    case qx::FieldType::DateTime: {
        const QDateTime dt = qx::parseDateTime(text);
        if (!dt.isValid())
            refuse(field, text);
        field.setAsDateTime(dt);
        return;
    }
    }
}
