#pragma once
// Numeric display patterns as the data layer uses them: up to three sections separated by ';'
// (positive;negative;zero), '0' and '#' digit placeholders, ',' anywhere among the digit
// placeholders for thousands grouping, '.' for the decimal point, literals in double or single
// quotes. A negative value formatted by its own section shows no minus sign; with a single
// section it gets one. Rounding to the pattern's decimals is half away from zero and exact;
// a value that rounds to zero shows as zero (zero section, else the positive one, no sign).
// An empty negative or zero section falls back on the positive one.
// Separators are always ',' and '.', whatever the locale. An empty pattern gives the plain
// exact text (Currency::toString).

#include <QString>
#include <cstdint>
#include <functional>

class QDate;
class QDateTime;

namespace qx {

class Currency;

QString formatNumber(const QString& pattern, const Currency& value);
QString formatNumber(const QString& pattern, std::int64_t value);

// "dd/mm/yyyy" and "dd/mm/yyyy hh:nn:ss" patterns (d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss);
// an empty pattern uses the program's short forms.
QString formatDate(const QString& pattern, const QDate& value);
QString formatDateTime(const QString& pattern, const QDateTime& value);

// The program's short forms, fixed: "dd/mm/yyyy" and "dd/mm/yyyy hh:nn:ss". Parsing accepts
// one or two digit day and month and a year of four digits or of two, which stands for the year
// ending in them nearest to today's (at most 50 years before it or 49 after); returns an invalid
// date on anything else.
QDate parseDate(const QString& text);
QDateTime parseDateTime(const QString& text);
// The day two-digit years are read against; unset (or empty): the system's date.
void setTodayForTwoDigitYears(std::function<QDate()> today);

}  // namespace qx
