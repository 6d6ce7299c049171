#include "platform/data/DisplayFormat.h"

#include "platform/data/Currency.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>
#include <limits>

namespace qx {

namespace {

// ---- numbers -------------------------------------------------------------------------------

// An exact decimal: magnitude with a number of decimals, and its sign.
struct Decimal {
    bool negative = false;
    std::uint64_t magnitude = 0;
    int scale = 0;
};

Decimal decimalOf(std::int64_t raw, int scale)
{
    Decimal d;
    d.negative = raw < 0;
    d.magnitude = d.negative ? std::uint64_t(0) - static_cast<std::uint64_t>(raw)
                             : static_cast<std::uint64_t>(raw);
    d.scale = scale;
    return d;
}

std::uint64_t powerOfTen(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The digits of a value rounded (half away from zero) to a number of decimals.
struct Digits {
    QString integer;   // no leading zeros; empty when the whole part is zero
    QString fraction;  // exactly the requested number of decimals
    bool isZero = true;
};

Digits roundTo(const Decimal& value, int decimals)
{
    std::uint64_t scaled = value.magnitude;
    int scale = value.scale;
    if (decimals < scale) {
        const std::uint64_t divisor = powerOfTen(scale - decimals);
        const std::uint64_t remainder = scaled % divisor;
        scaled /= divisor;
        if (remainder >= divisor - remainder)
            ++scaled;  // cannot wrap: scaled is at most magnitude / 10 here
        scale = decimals;
    }
    const std::uint64_t unit = powerOfTen(scale);
    Digits d;
    d.isZero = scaled == 0;
    if (scaled / unit != 0)
        d.integer = QString::number(scaled / unit);
    if (scale > 0)
        d.fraction = QString::number(scaled % unit).rightJustified(scale, u'0');
    d.fraction += QString(decimals - scale, u'0');
    return d;
}

QString plainText(const Decimal& value)
{
    const Digits d = roundTo(value, value.scale);
    QString fraction = d.fraction;
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString text = d.integer.isEmpty() ? QStringLiteral("0") : d.integer;
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    if (value.negative && !d.isZero)
        text.prepend(u'-');
    return text;
}

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }
bool isPlaceholder(QChar c) { return c == u'0' || c == u'#'; }

// The quoted literal that starts at i (an unclosed quote runs to the end); *next is set
// just past it.
QStringView quotedLiteral(QStringView s, qsizetype i, qsizetype* next)
{
    const qsizetype close = s.indexOf(s[i], i + 1);
    *next = close < 0 ? s.size() : close + 1;
    return s.mid(i + 1, (close < 0 ? s.size() : close) - i - 1);
}

// Splits a pattern into its positive, negative and zero sections; sections past the third
// are ignored. A ';' inside quotes is a literal.
QList<QStringView> splitSections(QStringView pattern)
{
    QList<QStringView> sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i < pattern.size();) {
        if (isQuote(pattern[i])) {
            quotedLiteral(pattern, i, &i);
        } else if (pattern[i] == u';') {
            sections.append(pattern.mid(start, i - start));
            start = ++i;
            if (sections.size() == 3)
                return sections;
        } else {
            ++i;
        }
    }
    sections.append(pattern.mid(start));
    return sections;
}

// What a section asks of the number: digit places on both sides of the point, the places
// that must show a digit ('0'), and whether thousands are grouped.
struct Layout {
    int integerPlaces = 0;
    int minIntegerDigits = 0;
    int maxDecimals = 0;
    int minDecimals = 0;
    bool grouping = false;
};

Layout layoutOf(QStringView section)
{
    Layout l;
    bool afterPoint = false;
    int firstIntegerZero = -1;
    for (qsizetype i = 0; i < section.size();) {
        const QChar c = section[i];
        if (isQuote(c)) {
            quotedLiteral(section, i, &i);
            continue;
        }
        if (isPlaceholder(c)) {
            if (afterPoint) {
                ++l.maxDecimals;
                if (c == u'0')
                    l.minDecimals = l.maxDecimals;
            } else {
                if (c == u'0' && firstIntegerZero < 0)
                    firstIntegerZero = l.integerPlaces;
                ++l.integerPlaces;
            }
        } else if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            l.grouping = true;
        }
        ++i;
    }
    if (firstIntegerZero >= 0)
        l.minIntegerDigits = l.integerPlaces - firstIntegerZero;
    return l;
}

// Writes one section with the rounded digits: literals as they stand, the integer digits
// right-aligned on the integer places (digits beyond the places go to the first one), the
// decimals left-aligned on the decimal places, ',' only as a grouping flag.
QString renderSection(QStringView section, const Layout& l, const Digits& digits, bool minus)
{
    QString integer = digits.integer;
    if (integer.size() < l.minIntegerDigits)
        integer = integer.rightJustified(l.minIntegerDigits, u'0');
    QString fraction = digits.fraction;
    while (fraction.size() > l.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString out;
    if (minus)
        out += u'-';
    // Digit at position pos counted from the right of the integer part, with its separator.
    auto emitIntegerDigit = [&](qsizetype pos) {
        out += integer[integer.size() - 1 - pos];
        if (l.grouping && pos > 0 && pos % 3 == 0)
            out += u',';
    };
    auto emitIntegerFrom = [&](qsizetype lowestPos) {
        for (qsizetype pos = integer.size() - 1; pos >= lowestPos; --pos)
            emitIntegerDigit(pos);
    };

    int place = 0;
    bool afterPoint = false;
    for (qsizetype i = 0; i < section.size();) {
        const QChar c = section[i];
        if (isQuote(c)) {
            out += quotedLiteral(section, i, &i);
            continue;
        }
        if (isPlaceholder(c)) {
            if (!afterPoint) {
                const qsizetype pos = l.integerPlaces - 1 - place;
                if (place == 0)
                    emitIntegerFrom(pos);
                else if (pos < integer.size())
                    emitIntegerDigit(pos);
            } else {
                const qsizetype j = place - l.integerPlaces;
                if (j < fraction.size())
                    out += fraction[j];
            }
            ++place;
        } else if (c == u'.') {
            if (!afterPoint) {
                afterPoint = true;
                if (l.integerPlaces == 0)
                    emitIntegerFrom(0);
                if (!fraction.isEmpty())
                    out += u'.';
            }
        } else if (c != u',') {
            out += c;
        }
        ++i;
    }
    return out;
}

QString formatDecimal(const QString& pattern, const Decimal& value)
{
    const QList<QStringView> sections = splitSections(pattern);
    const QStringView positive = sections[0];
    const QStringView negative = sections.size() > 1 ? sections[1] : QStringView();
    const QStringView zero = sections.size() > 2 ? sections[2] : QStringView();
    if (positive.isEmpty() && negative.isEmpty() && zero.isEmpty())
        return plainText(value);

    // An empty negative or zero section falls back on the positive one.
    const bool ownNegative = value.negative && !negative.isEmpty();
    QStringView section = ownNegative ? negative : positive;
    if (section.isEmpty())
        return plainText(value);
    Layout layout = layoutOf(section);
    Digits digits = roundTo(value, layout.maxDecimals);
    if (digits.isZero) {
        // What rounds to zero for the pattern shows as zero, and never with a minus sign.
        section = !zero.isEmpty() ? zero : positive;
        if (section.isEmpty())
            return plainText(Decimal{});
        layout = layoutOf(section);
        digits = roundTo(Decimal{}, layout.maxDecimals);
    }
    const bool minus = value.negative && !digits.isZero && !ownNegative;
    return renderSection(section, layout, digits, minus);
}

// ---- dates ---------------------------------------------------------------------------------

QString twoDigits(int n) { return QString::number(n).rightJustified(2, u'0'); }

// Length of the run of the same letter (case-insensitive) starting at i, at most max.
qsizetype runLength(QStringView s, qsizetype i, qsizetype max)
{
    qsizetype n = 1;
    while (n < max && i + n < s.size() && s[i + n].toLower() == s[i].toLower())
        ++n;
    return n;
}

QString formatDateParts(QStringView pattern, const QDate& date, const QTime& time)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const char16_t letter = c.toLower().unicode();
        if (isQuote(c)) {
            out += quotedLiteral(pattern, i, &i);
            continue;
        }
        if (letter == u'y') {
            const qsizetype n = runLength(pattern, i, 4);
            out += n >= 3 ? QString::number(date.year()).rightJustified(4, u'0')
                          : twoDigits(date.year() % 100);
            i += n;
            continue;
        }
        int part = -1;
        switch (letter) {
        case u'd': part = date.day(); break;
        case u'm': part = date.month(); break;
        case u'h': part = time.hour(); break;
        case u'n': part = time.minute(); break;
        case u's': part = time.second(); break;
        default: break;
        }
        if (part < 0) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype n = runLength(pattern, i, 2);
        out += n == 2 ? twoDigits(part) : QString::number(part);
        i += n;
    }
    return out;
}

const QString kShortDate = QStringLiteral("dd/mm/yyyy");
const QString kShortDateTime = QStringLiteral("dd/mm/yyyy hh:nn:ss");

// Reads one to maxDigits ASCII digits at i; -1 when there is none.
int readNumber(QStringView s, qsizetype& i, int maxDigits)
{
    int value = 0;
    int count = 0;
    while (i < s.size() && count < maxDigits && s[i] >= u'0' && s[i] <= u'9') {
        value = value * 10 + (s[i].unicode() - u'0');
        ++i;
        ++count;
    }
    return count == 0 ? -1 : value;
}

bool readChar(QStringView s, qsizetype& i, QChar c)
{
    if (i < s.size() && s[i] == c) {
        ++i;
        return true;
    }
    return false;
}

std::function<QDate()>& todayForYears()
{
    static std::function<QDate()> today;
    return today;
}

// The year ending in the two digits `yy` nearest to today's: at most 50 years before it, at most
// 49 after.
int yearInWindow(int yy)
{
    const std::function<QDate()>& today = todayForYears();
    const int current = (today ? today() : QDate::currentDate()).year();
    const int first = current - 50;
    return first + ((yy - first % 100) % 100 + 100) % 100;
}

// d/m/yyyy or d/m/yy at i; an invalid date when the text does not hold one there.
QDate readDate(QStringView s, qsizetype& i)
{
    const int day = readNumber(s, i, 2);
    if (day < 0 || !readChar(s, i, u'/'))
        return {};
    const int month = readNumber(s, i, 2);
    if (month < 0 || !readChar(s, i, u'/'))
        return {};
    const qsizetype yearStart = i;
    int year = readNumber(s, i, 4);
    if (year >= 0 && i - yearStart == 2)
        year = yearInWindow(year);
    else if (year < 0 || i - yearStart != 4)
        return {};
    return QDate(year, month, day);
}

}  // namespace

QString formatNumber(const QString& pattern, const Currency& value)
{
    return formatDecimal(pattern, decimalOf(value.raw(), 4));
}

QString formatNumber(const QString& pattern, std::int64_t value)
{
    return formatDecimal(pattern, decimalOf(value, 0));
}

QString formatDate(const QString& pattern, const QDate& value)
{
    if (!value.isValid())
        return {};
    return formatDateParts(pattern.isEmpty() ? kShortDate : pattern, value, QTime(0, 0));
}

QString formatDateTime(const QString& pattern, const QDateTime& value)
{
    if (!value.isValid())
        return {};
    return formatDateParts(pattern.isEmpty() ? kShortDateTime : pattern, value.date(), value.time());
}

void setTodayForTwoDigitYears(std::function<QDate()> today)
{
    todayForYears() = std::move(today);
}

QDate parseDate(const QString& text)
{
    const QStringView s = QStringView(text).trimmed();
    qsizetype i = 0;
    const QDate date = readDate(s, i);
    return i == s.size() ? date : QDate();
}

QDateTime parseDateTime(const QString& text)
{
    const QStringView s = QStringView(text).trimmed();
    qsizetype i = 0;
    const QDate date = readDate(s, i);
    if (!date.isValid())
        return {};
    if (i == s.size())
        return QDateTime(date, QTime(0, 0));
    if (!readChar(s, i, u' '))
        return {};
    while (readChar(s, i, u' ')) {
    }
    const int hour = readNumber(s, i, 2);
    if (hour < 0 || !readChar(s, i, u':'))
        return {};
    const qsizetype minuteStart = i;
    const int minute = readNumber(s, i, 2);
    if (i - minuteStart != 2)
        return {};
    int second = 0;
    if (readChar(s, i, u':')) {
        const qsizetype secondStart = i;
        second = readNumber(s, i, 2);
        if (i - secondStart != 2)
            return {};
    }
    if (i != s.size() || !QTime::isValid(hour, minute, second))
        return {};
    return QDateTime(date, QTime(hour, minute, second));
}

}  // namespace qx
