#include "ValueConvert.h"

#include "ClientDataSet.h"
#include "DisplayFormat.h"

#include <limits>

namespace qx::detail {

namespace {

QString withDataSet(const QString& dataSetName, const QString& message)
{
    return dataSetName.isEmpty() ? message : dataSetName + QStringLiteral(": ") + message;
}

// The type named in the English text of a value the field refuses.
const char* typeNameOf(ValueFault fault)
{
    switch (fault) {
    case ValueFault::NotADate: return "date";
    case ValueFault::NotADateTime: return "date and time";
    case ValueFault::NotAnAmount: return "currency";
    case ValueFault::NotABoolean: return "boolean";
    default: return "integer";
    }
}

[[noreturn]] void notValid(const QString& ds, const FieldDef& def, const QString& shown, ValueFault fault)
{
    throw FieldValueError(withDataSet(ds, QStringLiteral("'%1' is not a valid %2 value for field '%3'")
                                              .arg(shown, QLatin1String(typeNameOf(fault)), def.name)),
                          fault, def.name, shown);
}

// Whole units of a currency, rounded half away from zero.
std::int64_t roundedUnits(Currency c)
{
    std::int64_t units = c.truncatedUnits();
    const std::int64_t rest = c.raw() % Currency::kScale;
    if (rest >= Currency::kScale / 2)
        ++units;
    else if (rest <= -Currency::kScale / 2)
        --units;
    return units;
}

std::int64_t integerOf(const FieldDef& def, const Value& v, const QString& ds)
{
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (const auto* l = std::get_if<std::int64_t>(&v))
        return *l;
    if (const auto* c = std::get_if<Currency>(&v))
        return roundedUnits(*c);
    if (const auto* s = std::get_if<QString>(&v)) {
        std::int64_t n = 0;
        if (!parseIntegerText(*s, &n))
            notValid(ds, def, *s, ValueFault::NotAnInteger);
        return n;
    }
    notValid(ds, def, plainText(v), ValueFault::NotAnInteger);
}

std::int64_t checkedBounds(const FieldDef& def, std::int64_t n, std::int64_t lo, std::int64_t hi, const QString& ds,
                           Bounds bounds)
{
    if (bounds == Bounds::Checked && def.minValue && *def.minValue > lo)
        lo = *def.minValue;
    if (bounds == Bounds::Checked && def.maxValue && *def.maxValue < hi)
        hi = *def.maxValue;
    if (n < lo || n > hi) {
        FieldValueError error(withDataSet(ds, QStringLiteral("%1 is not a valid value for field '%2'. The allowed range is %3 to %4")
                                                  .arg(n).arg(def.name).arg(lo).arg(hi)),
                              ValueFault::OutOfRange, def.name, QString::number(n));
        error.low = lo;
        error.high = hi;
        throw error;
    }
    return n;
}

Currency currencyOf(const FieldDef& def, const Value& v, const QString& ds)
{
    if (const std::optional<Currency> c = currencyValue(v))
        return *c;
    notValid(ds, def, plainText(v), ValueFault::NotAnAmount);
}

bool booleanOf(const FieldDef& def, const Value& v, const QString& ds)
{
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* s = std::get_if<QString>(&v)) {
        const QString t = s->trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        const QStringList shown = def.displayValues.split(QLatin1Char(';'));
        if (!shown.value(0).isEmpty() && t == shown.value(0))
            return true;
        if (shown.size() > 1 && !shown.value(1).isEmpty() && t == shown.value(1))
            return false;
        notValid(ds, def, *s, ValueFault::NotABoolean);
    }
    notValid(ds, def, plainText(v), ValueFault::NotABoolean);
}

// A date outside the years a file holds is refused as the save would refuse it.
QDate dateOf(const FieldDef& def, const Value& v, const QString& ds)
{
    if (const std::optional<QDate> d = dateValue(v); d && isHeldDate(*d))
        return *d;
    notValid(ds, def, plainText(v), ValueFault::NotADate);
}

QDateTime dateTimeOf(const FieldDef& def, const Value& v, const QString& ds)
{
    if (const auto* dt = std::get_if<QDateTime>(&v); dt && isHeldDate(dt->date()))
        return *dt;
    if (const auto* d = std::get_if<QDate>(&v); d && isHeldDate(*d))
        return QDateTime(*d, QTime(0, 0));
    if (const auto* s = std::get_if<QString>(&v)) {
        const QString t = s->trimmed();
        QDateTime dt = parseDateTime(t);
        if (!dt.isValid()) {
            const QDate d = parseDate(t);
            if (d.isValid())
                dt = QDateTime(d, QTime(0, 0));
        }
        if (!dt.isValid() || !isHeldDate(dt.date()))
            notValid(ds, def, *s, ValueFault::NotADateTime);
        return dt;
    }
    notValid(ds, def, plainText(v), ValueFault::NotADateTime);
}

}  // namespace

std::optional<Currency> currencyValue(const Value& v)
{
    if (const auto* c = std::get_if<Currency>(&v))
        return *c;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return Currency::fromUnits(*i);
    if (const auto* l = std::get_if<std::int64_t>(&v))
        return Currency::fromUnits(*l);
    if (const auto* s = std::get_if<QString>(&v)) {
        Currency c;
        if (Currency::tryParse(*s, &c))
            return c;
    }
    return std::nullopt;
}

std::optional<QDate> dateValue(const Value& v)
{
    if (const auto* d = std::get_if<QDate>(&v))
        return *d;
    if (const auto* dt = std::get_if<QDateTime>(&v))
        return dt->date();
    if (const auto* s = std::get_if<QString>(&v)) {
        const QDate d = parseDate(s->trimmed());
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

int big5Width(const QString& text)
{
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        width += c.unicode() < 0x100 ? 1 : 2;
    }
    return width;
}

bool parseIntegerText(QStringView text, std::int64_t* out)
{
    const QStringView s = text.trimmed();
    qsizetype i = 0;
    const bool negative = !s.isEmpty() && s[0] == u'-';
    if (!s.isEmpty() && (s[0] == u'-' || s[0] == u'+'))
        ++i;
    if (i == s.size())
        return false;
    const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                         : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    std::uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        const unsigned d = c - u'0';
        if (magnitude > (limit - d) / 10)
            return false;
        magnitude = magnitude * 10 + d;
    }
    *out = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

qsizetype badTextCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20) {
            if (c != u'\t' && c != u'\r' && c != u'\n')
                return i;
            continue;
        }
        if (c < 0xD800)
            continue;
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        if ((code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE)
            return i;
        if (code > 0xFFFF)
            ++i;
    }
    return -1;
}

QString characterCode(QStringView text, qsizetype at)
{
    char32_t code = text[at].unicode();
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[at], text[at + 1]);
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
}

Value toFieldType(const FieldDef& def, const Value& v, const QString& ds, Bounds bounds)
{
    if (isNull(v))
        return {};
    if (const auto* s = std::get_if<QString>(&v); s && s->isEmpty())
        return {};
    switch (def.type) {
    case FieldType::String: {
        QString text = std::holds_alternative<QString>(v) ? std::get<QString>(v) : plainText(v);
        if (def.kind == FieldKind::Data && def.size > 0 && big5Width(text) > def.size) {
            FieldValueError error(withDataSet(ds, QStringLiteral("Text too long for field '%1' (at most %2 bytes): '%3'")
                                                      .arg(def.name).arg(def.size).arg(text)),
                                  ValueFault::TooLong, def.name, text);
            error.maxBytes = def.size;
            throw error;
        }
        if (const qsizetype bad = badTextCharacter(text); bad >= 0) {
            const QString code = characterCode(text, bad);
            FieldValueError error(withDataSet(ds, QStringLiteral("Field '%1' cannot hold the character %2").arg(def.name, code)),
                                  ValueFault::BadCharacter, def.name, text);
            error.character = code;
            throw error;
        }
        return text;
    }
    case FieldType::Integer:
    case FieldType::AutoInc:
        return static_cast<std::int32_t>(checkedBounds(def, integerOf(def, v, ds), std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max(), ds, bounds));
    case FieldType::LargeInt:
        return checkedBounds(def, integerOf(def, v, ds), std::numeric_limits<std::int64_t>::min(),
                             std::numeric_limits<std::int64_t>::max(), ds, bounds);
    case FieldType::Currency:
        return currencyOf(def, v, ds);
    case FieldType::Boolean:
        return booleanOf(def, v, ds);
    case FieldType::Date:
        return dateOf(def, v, ds);
    case FieldType::DateTime:
        return dateTimeOf(def, v, ds);
    }
    return {};
}

QString plainText(const Value& v)
{
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString& s) const { return s; }
        QString operator()(std::int32_t i) const { return QString::number(i); }
        QString operator()(std::int64_t l) const { return QString::number(l); }
        QString operator()(const Currency& c) const { return c.toString(); }
        QString operator()(bool b) const { return b ? QStringLiteral("True") : QStringLiteral("False"); }
        QString operator()(const QDate& d) const { return formatDate(QString(), d); }
        QString operator()(const QDateTime& dt) const { return formatDateTime(QString(), dt); }
    };
    return std::visit(Visitor{}, v);
}

bool holdsStorageType(FieldType type, const Value& v)
{
    switch (type) {
    case FieldType::String: return isNull(v) || std::holds_alternative<QString>(v);
    case FieldType::Integer:
    case FieldType::AutoInc: return isNull(v) || std::holds_alternative<std::int32_t>(v);
    case FieldType::LargeInt: return isNull(v) || std::holds_alternative<std::int64_t>(v);
    case FieldType::Currency: return isNull(v) || std::holds_alternative<Currency>(v);
    case FieldType::Boolean: return isNull(v) || std::holds_alternative<bool>(v);
    case FieldType::Date: return isNull(v) || std::holds_alternative<QDate>(v);
    case FieldType::DateTime: return isNull(v) || std::holds_alternative<QDateTime>(v);
    }
    return false;
}

int compareValues(const Value& a, const Value& b)
{
    if (a.index() != b.index())
        return a.index() < b.index() ? -1 : 1;  // null (index 0) sorts first
    return std::visit(
        [&b](const auto& x) -> int {
            using T = std::decay_t<decltype(x)>;
            const T& y = std::get<T>(b);
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, QString>) {
                const int c = x.compare(y, Qt::CaseSensitive);
                return c < 0 ? -1 : (c > 0 ? 1 : 0);
            } else {
                return x < y ? -1 : (y < x ? 1 : 0);
            }
        },
        a);
}

}  // namespace qx::detail
