#include "PacketValues.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <charconv>
#include <cstdint>
#include <limits>

namespace qx {

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Fixed-width unsigned decimal field of `text` at [from, from + width); -1 when not all digits.
int digitsAt(QStringView text, qsizetype from, int width)
{
    int value = 0;
    for (int i = 0; i < width; ++i) {
        const QChar c = text[from + i];
        if (!isDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// Optional '-' and at least one digit; false on anything else or outside [min, max].
bool parseInteger(QStringView text, std::int64_t min, std::int64_t max, std::int64_t* out)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return false;
    const std::uint64_t limit = negative ? std::uint64_t(-(min + 1)) + 1 : std::uint64_t(max);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        const unsigned d = text[i].unicode() - u'0';
        if (magnitude > (limit - d) / 10)
            return false;
        magnitude = magnitude * 10 + d;
    }
    // -magnitude computed in unsigned arithmetic, then converted: exact for the int64 minimum.
    *out = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

template <class Int>
void appendNumber(std::string& out, Int value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void appendPadded(std::string& out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}

// The exact decimal text of a currency value, as Currency::toString writes it ("1234.5",
// "-0.0001", "0"), without going through QString.
void appendCurrency(std::string& out, Currency value)
{
    const std::int64_t raw = value.raw();
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    if (raw < 0)
        out.push_back('-');
    appendNumber(out, magnitude / Currency::kScale);
    std::uint64_t fraction = magnitude % Currency::kScale;
    if (fraction == 0)
        return;
    int digits = 4;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    out.push_back('.');
    appendPadded(out, static_cast<int>(fraction), digits);
}

bool appendDate(std::string& out, const QDate& date, QString* error)
{
    if (!isHeldDate(date)) {
        *error = QStringLiteral("the date %1 is outside the years 1 to 9999").arg(date.toString(Qt::ISODate));
        return false;
    }
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    appendPadded(out, year, 4);
    appendPadded(out, month, 2);
    appendPadded(out, day, 2);
    return true;
}

bool appendDateTime(std::string& out, const QDateTime& value, QString* error)
{
    if (!appendDate(out, value.date(), error))
        return false;
    const QTime t = value.time();
    out.push_back('T');
    appendPadded(out, t.hour(), 2);
    out.push_back(':');
    appendPadded(out, t.minute(), 2);
    out.push_back(':');
    appendPadded(out, t.second() * 1000 + t.msec(), 5);
    return true;
}

QDate parseDate(QStringView text, qsizetype from)
{
    const int year = digitsAt(text, from, 4);
    const int month = digitsAt(text, from + 4, 2);
    const int day = digitsAt(text, from + 6, 2);
    if (year < 1 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);  // invalid for a month or day out of range
}

bool wrongKind(QString* error)
{
    *error = QStringLiteral("the field holds a value of another type");
    return false;
}

}  // namespace

PacketType packetTypeOf(FieldType type)
{
    switch (type) {
    case FieldType::String: return {QLatin1StringView("string"), {}};
    case FieldType::Integer: return {QLatin1StringView("i4"), {}};
    case FieldType::LargeInt: return {QLatin1StringView("i8"), {}};
    case FieldType::Currency: return {QLatin1StringView("r8"), QLatin1StringView("Money")};
    case FieldType::Boolean: return {QLatin1StringView("boolean"), {}};
    case FieldType::Date: return {QLatin1StringView("date"), {}};
    case FieldType::DateTime: return {QLatin1StringView("dateTime"), {}};
    case FieldType::AutoInc: return {QLatin1StringView("i4"), QLatin1StringView("Autoinc")};
    }
    return {QLatin1StringView("string"), {}};
}

TypeMatch matchPacketType(QStringView fieldType, FieldType type)
{
    static constexpr FieldType kAll[] = {FieldType::String, FieldType::Integer, FieldType::LargeInt,
                                         FieldType::Currency, FieldType::Boolean, FieldType::Date,
                                         FieldType::DateTime};
    const auto same = [&](FieldType t) {
        return fieldType.compare(packetTypeOf(t).fieldType, Qt::CaseInsensitive) == 0;
    };
    bool known = false;
    for (const FieldType t : kAll)
        known = known || same(t);
    if (!known)
        return TypeMatch::Unknown;
    const FieldType stored = type == FieldType::AutoInc ? FieldType::Integer : type;
    return same(stored) ? TypeMatch::Same : TypeMatch::Disagrees;
}

bool appendValueText(std::string& out, FieldType type, const Value& value, QString* error)
{
    switch (type) {
    case FieldType::String:
        return wrongKind(error);
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (const auto* i = std::get_if<std::int32_t>(&value)) {
            appendNumber(out, *i);
            return true;
        }
        if (const auto* l = std::get_if<std::int64_t>(&value)) {
            if (*l < std::numeric_limits<std::int32_t>::min() || *l > std::numeric_limits<std::int32_t>::max()) {
                *error = QStringLiteral("%1 is outside the range of a 32-bit integer").arg(*l);
                return false;
            }
            appendNumber(out, *l);
            return true;
        }
        return wrongKind(error);
    case FieldType::LargeInt:
        if (const auto* l = std::get_if<std::int64_t>(&value)) {
            appendNumber(out, *l);
            return true;
        }
        if (const auto* i = std::get_if<std::int32_t>(&value)) {
            appendNumber(out, *i);
            return true;
        }
        return wrongKind(error);
    case FieldType::Currency:
        if (const auto* c = std::get_if<Currency>(&value)) {
            appendCurrency(out, *c);
            return true;
        }
        return wrongKind(error);
    case FieldType::Boolean:
        if (const auto* b = std::get_if<bool>(&value)) {
            out += *b ? "TRUE" : "FALSE";
            return true;
        }
        return wrongKind(error);
    case FieldType::Date:
        if (const auto* d = std::get_if<QDate>(&value))
            return appendDate(out, *d, error);
        return wrongKind(error);
    case FieldType::DateTime:
        if (const auto* dt = std::get_if<QDateTime>(&value))
            return appendDateTime(out, *dt, error);
        return wrongKind(error);
    }
    return wrongKind(error);
}

bool parseValueText(QStringView text, FieldType type, Value* value, QString* error)
{
    switch (type) {
    case FieldType::String:
        *value = text.toString();
        return true;
    case FieldType::Integer:
    case FieldType::AutoInc: {
        std::int64_t v = 0;
        if (!parseInteger(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), &v)) {
            *error = QStringLiteral("not a 32-bit integer");
            return false;
        }
        *value = static_cast<std::int32_t>(v);
        return true;
    }
    case FieldType::LargeInt: {
        std::int64_t v = 0;
        if (!parseInteger(text, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), &v)) {
            *error = QStringLiteral("not a 64-bit integer");
            return false;
        }
        *value = v;
        return true;
    }
    case FieldType::Currency: {
        Currency c;
        if (!Currency::tryParse(text, &c) && !Currency::tryParseRounded(text, &c)) {
            *error = QStringLiteral("not an amount within the currency range");
            return false;
        }
        *value = c;
        return true;
    }
    case FieldType::Boolean:
        if (text.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
            *value = true;
            return true;
        }
        if (text.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
            *value = false;
            return true;
        }
        *error = QStringLiteral("not TRUE or FALSE");
        return false;
    case FieldType::Date: {
        const QDate d = text.size() == 8 ? parseDate(text, 0) : QDate();
        if (!d.isValid()) {
            *error = QStringLiteral("not a date of the form yyyymmdd");
            return false;
        }
        *value = d;
        return true;
    }
    case FieldType::DateTime: {
        // yyyymmddThh:nn:sszzz
        QDate d;
        int hour = -1, minute = -1, millis = -1;
        if (text.size() == 20 && text[8] == u'T' && text[11] == u':' && text[14] == u':') {
            d = parseDate(text, 0);
            hour = digitsAt(text, 9, 2);
            minute = digitsAt(text, 12, 2);
            millis = digitsAt(text, 15, 5);
        }
        if (!d.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || millis < 0 || millis > 59999) {
            *error = QStringLiteral("not a date and time of the form yyyymmddThh:nn:sszzz");
            return false;
        }
        *value = QDateTime(d, QTime(hour, minute, millis / 1000, millis % 1000));
        return true;
    }
    }
    *error = QStringLiteral("unsupported field type");
    return false;
}

}  // namespace qx
