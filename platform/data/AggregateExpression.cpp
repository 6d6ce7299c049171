#include "AggregateExpression.h"

#include "ClientDataSet.h"

namespace qx::detail {

namespace {

[[noreturn]] void bad(const QString& fieldName, const QString& text, const QString& why)
{
    throw DataSetError(QStringLiteral("Aggregate '%1' (%2): %3").arg(fieldName, text, why).toStdString());
}

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

bool isNumericType(FieldType t)
{
    return t == FieldType::Currency || t == FieldType::Integer || t == FieldType::LargeInt || t == FieldType::AutoInc;
}

}  // namespace

AggregateExpression AggregateExpression::parse(const QString& text, const QString& fieldName,
                                               const std::vector<FieldDef>& defs,
                                               const std::function<int(QStringView)>& indexOf)
{
    const QString t = text.trimmed();
    if (!t.startsWith(QLatin1String("sum"), Qt::CaseInsensitive))
        bad(fieldName, text, QStringLiteral("only sum(...) is supported"));
    QStringView rest = QStringView(t).mid(3).trimmed();
    if (!rest.startsWith(QLatin1Char('(')) || !rest.endsWith(QLatin1Char(')')))
        bad(fieldName, text, QStringLiteral("expected sum(...)"));
    rest = rest.mid(1, rest.size() - 2);

    AggregateExpression e;
    qsizetype i = 0;
    bool negative = false;
    bool expectTerm = true;
    while (true) {
        while (i < rest.size() && rest[i].isSpace())
            ++i;
        if (i >= rest.size())
            break;
        const QChar c = rest[i];
        if (expectTerm && (c == QLatin1Char('+') || c == QLatin1Char('-')) && e.terms_.empty() && !negative) {
            negative = c == QLatin1Char('-');
            ++i;
            continue;
        }
        if (!expectTerm) {
            if (c != QLatin1Char('+') && c != QLatin1Char('-'))
                bad(fieldName, text, QStringLiteral("expected + or -"));
            negative = c == QLatin1Char('-');
            expectTerm = true;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < rest.size() && isNameChar(rest[i]))
            ++i;
        if (i == start)
            bad(fieldName, text, QStringLiteral("expected a field name"));
        const QStringView name = rest.mid(start, i - start);
        const int index = indexOf(name);
        if (index < 0)
            bad(fieldName, text, QStringLiteral("unknown field '%1'").arg(name));
        const FieldDef& def = defs[static_cast<std::size_t>(index)];
        if (def.kind != FieldKind::Data || !isNumericType(def.type))
            bad(fieldName, text, QStringLiteral("'%1' is not a numeric data field").arg(name));
        e.terms_.push_back({index, negative});
        negative = false;
        expectTerm = false;
    }
    if (e.terms_.empty() || expectTerm)
        bad(fieldName, text, QStringLiteral("incomplete expression"));
    return e;
}

__int128 AggregateExpression::rowTotal(const std::vector<Value>& values) const
{
    __int128 total = 0;
    for (const Term& term : terms_) {
        const Value& v = values[static_cast<std::size_t>(term.fieldIndex)];
        __int128 raw = 0;
        if (const auto* c = std::get_if<Currency>(&v))
            raw = c->raw();
        else if (const auto* i = std::get_if<std::int32_t>(&v))
            raw = static_cast<__int128>(*i) * Currency::kScale;
        else if (const auto* l = std::get_if<std::int64_t>(&v))
            raw = static_cast<__int128>(*l) * Currency::kScale;
        total += term.negative ? -raw : raw;
    }
    return total;
}

}  // namespace qx::detail
