#pragma once
// One of two values by a condition, as an expression.

#include "platform/data/Currency.h"

#include <QString>

inline QString IfThenStr(bool cond, const QString& aTrue, const QString& aFalse) { return cond ? aTrue : aFalse; }
inline int IfThenInt(bool cond, int aTrue, int aFalse) { return cond ? aTrue : aFalse; }
// Amounts stay exact: the choice is made on currency values, never through floating point.
inline qx::Currency IfThenFloat(bool cond, qx::Currency aTrue, qx::Currency aFalse) { return cond ? aTrue : aFalse; }
