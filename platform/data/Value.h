#pragma once
// One field value: null or one of the typed values the data layer stores.

#include "Currency.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <variant>

namespace qx {

using Value = std::variant<std::monostate, QString, std::int32_t, std::int64_t, Currency, bool, QDate, QDateTime>;

inline bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

// The dates a field holds: those a folder's file can write (years 1 to 9999).
inline const QDate kFirstDate(1, 1, 1);
inline const QDate kLastDate(9999, 12, 31);
inline bool isHeldDate(const QDate& d) { return d.isValid() && d >= kFirstDate && d <= kLastDate; }

}  // namespace qx
