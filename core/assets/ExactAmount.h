#pragma once
// A calculated amount built from several others (a + b - c), computed exactly: only a result
// outside the currency range overflows, never a partial sum on the way to it.

#include "platform/data/Currency.h"

#include <cstdint>
#include <initializer_list>

inline qx::Currency ExactAmount(std::initializer_list<qx::Currency> added,
                                std::initializer_list<qx::Currency> subtracted)
{
    __extension__ using Wide = __int128;
    Wide total = 0;
    for (const qx::Currency a : added)
        total += a.raw();
    for (const qx::Currency s : subtracted)
        total -= s.raw();
    if (total > INT64_MAX || total < INT64_MIN)
        throw qx::CurrencyOverflow("currency overflow");
    return qx::Currency::fromRaw(static_cast<std::int64_t>(total));
}
