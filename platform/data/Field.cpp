#include "Field.h"

#include "ClientDataSet.h"
#include "DisplayFormat.h"
#include "ValueConvert.h"

#include <limits>

namespace qx {

namespace {

[[noreturn]] void cannotRead(const Field& f, const char* as)
{
    throw DataSetError(QStringLiteral("%1: Field '%2' cannot be read as %3 ('%4')")
                           .arg(f.dataSet().name(), f.fieldName(), QLatin1String(as), detail::plainText(f.value()))
                           .toStdString());
}

std::int64_t parsedInteger(const Field& f, const QString& text)
{
    std::int64_t n = 0;
    if (!detail::parseIntegerText(text, &n))
        cannotRead(f, "an integer");
    return n;
}

}  // namespace

Field::Field(ClientDataSet& owner, const FieldDef& def, int index) : owner_(owner), def_(def), index_(index) {}

const Value& Field::value() const { return owner_.activeValue(index_); }

bool Field::isNull() const { return qx::isNull(value()); }

QString Field::asString() const { return detail::plainText(value()); }

std::int64_t Field::asLargeInt() const
{
    const Value& v = value();
    if (qx::isNull(v))
        return 0;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (const auto* l = std::get_if<std::int64_t>(&v))
        return *l;
    if (const auto* c = std::get_if<Currency>(&v))
        return c->truncatedUnits();
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? 1 : 0;
    if (const auto* s = std::get_if<QString>(&v))
        return parsedInteger(*this, *s);
    cannotRead(*this, "an integer");
}

std::int32_t Field::asInteger() const
{
    const std::int64_t n = asLargeInt();
    if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
        cannotRead(*this, "a 32-bit integer");
    return static_cast<std::int32_t>(n);
}

Currency Field::asCurrency() const
{
    const Value& v = value();
    if (qx::isNull(v))
        return {};
    if (const std::optional<Currency> c = detail::currencyValue(v))
        return *c;
    cannotRead(*this, "a currency");
}

bool Field::asBoolean() const
{
    const Value& v = value();
    if (qx::isNull(v))
        return false;
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i != 0;
    if (const auto* l = std::get_if<std::int64_t>(&v))
        return *l != 0;
    if (const auto* s = std::get_if<QString>(&v)) {
        if (s->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (s->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    cannotRead(*this, "a boolean");
}

QDate Field::asDate() const
{
    const Value& v = value();
    if (qx::isNull(v))
        return {};
    if (const std::optional<QDate> d = detail::dateValue(v))
        return *d;
    cannotRead(*this, "a date");
}

QDateTime Field::asDateTime() const
{
    const Value& v = value();
    if (qx::isNull(v))
        return {};
    if (const auto* dt = std::get_if<QDateTime>(&v))
        return *dt;
    if (const auto* d = std::get_if<QDate>(&v))
        return QDateTime(*d, QTime(0, 0));
    if (const auto* s = std::get_if<QString>(&v)) {
        const QDateTime dt = parseDateTime(s->trimmed());
        if (dt.isValid())
            return dt;
    }
    cannotRead(*this, "a date and time");
}

// Text of the value by a numeric or date pattern (empty pattern: the plain form).
static QString formattedText(const Value& v, const QString& pattern, const FieldDef& def)
{
    if (qx::isNull(v))
        return {};
    if (const auto* c = std::get_if<Currency>(&v))
        return formatNumber(pattern, *c);
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return formatNumber(pattern, std::int64_t(*i));
    if (const auto* l = std::get_if<std::int64_t>(&v))
        return formatNumber(pattern, *l);
    if (const auto* d = std::get_if<QDate>(&v))
        return formatDate(pattern, *d);
    if (const auto* dt = std::get_if<QDateTime>(&v))
        return formatDateTime(pattern, *dt);
    if (const auto* b = std::get_if<bool>(&v)) {
        if (!def.displayValues.isEmpty()) {
            const QStringList shown = def.displayValues.split(QLatin1Char(';'));
            return *b ? shown.value(0) : shown.value(1);
        }
        return detail::plainText(v);
    }
    return detail::plainText(v);
}

QString Field::displayText() const
{
    if (onGetText) {
        QString text;
        onGetText(const_cast<Field&>(*this), text, true);
        return text;
    }
    return formattedText(value(), def_.displayFormat, def_);
}

QString Field::text() const
{
    if (onGetText) {
        QString text;
        onGetText(const_cast<Field&>(*this), text, false);
        return text;
    }
    const Value& v = value();
    if (!def_.editFormat.isEmpty() && !std::holds_alternative<QString>(v) && !std::holds_alternative<bool>(v))
        return formattedText(v, def_.editFormat, def_);
    return asString();
}

void Field::setValue(const Value& v) { owner_.setActiveValue(index_, detail::toFieldType(def_, v, owner_.name())); }

void Field::clear() { owner_.setActiveValue(index_, Value{}); }

void Field::setAsString(const QString& text) { setValue(text); }

void Field::setAsInteger(std::int32_t v) { setValue(v); }

void Field::setAsLargeInt(std::int64_t v) { setValue(v); }

void Field::setAsCurrency(Currency v) { setValue(v); }

void Field::setAsBoolean(bool v) { setValue(v); }

void Field::setAsDate(const QDate& v) { setValue(v.isValid() ? Value(v) : Value{}); }

void Field::setAsDateTime(const QDateTime& v) { setValue(v.isValid() ? Value(v) : Value{}); }

}  // namespace qx
