#pragma once
// The fixed content of the depreciation-rate table: 64 rows in ten groups, in table order.

#include <span>

struct TaxRateRow {
    const char* codigo;    // "g.n"; empty on group titles
    const char* tipoChn;
    const char* tipoPor;
    int taxaHundredths;    // maximum yearly rate in hundredths of a percent (14.29 % = 1429)
    int anos;              // years of depreciation
    bool isHeader;         // group titles and the closing row cannot be chosen
    const char* obsChn;    // empty: the self-check takes tipoChn
    const char* obsPor;    // empty: the self-check takes tipoPor
};

std::span<const TaxRateRow> TaxMaxReintAmorRows();
