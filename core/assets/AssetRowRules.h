#pragma once
// Rules that the row checks of the M/3 list and of both M/3A lists share.

#include "platform/data/Currency.h"

#include <QString>
#include <initializer_list>

class RowFindings;

namespace qx {
class ClientDataSet;
}

struct RowText {
    const char16_t* chn;
    const char16_t* por;
};

// Findings every list knows.
inline constexpr RowText kUnknownRateCode = {
    u"請根據「固定資產重置與攤折之最高率表」輸入編號",
    u"Introduza o número de acordo com a \"tabela das taxas máximas de reintegração e amortização\""};
inline constexpr RowText kTypeMissing = {u"請輸入「類別」", u"Introduza o \"tipo\""};
inline constexpr RowText kRowOverflow = {
    u"部分欄位數值溢位，超出系統可處理之限額．",
    u"O número de dígitos do valor de alguns quadros ultrapassa o limite de processamento do sistema"};

void AddFinding(RowFindings& findings, const RowText& text);

// How the Portuguese text of an amount finding names the field: the M/3 list and the
// written-off list quote the label in single quotes; the alienated list also quotes the value.
enum class AmountTexts { QuotedLabel, ValueAndLabel };

struct AmountLabel {
    const char* field;
    const char16_t* chn;
    const char16_t* por;
    bool checkSign;
};

// Amount check of a data field: an amount with decimals gets the integer finding; otherwise,
// when the sign is checked, a negative amount gets the sign finding.
void CheckAmount(RowFindings& findings, const qx::ClientDataSet& row, const AmountLabel& label, AmountTexts texts);

// Exact values of the current row (null reads as 0 and "").
qx::Currency AmountOf(const qx::ClientDataSet& row, const char* field);
QString TextOf(const qx::ClientDataSet& row, const char* field);
bool AllAmountsZero(const qx::ClientDataSet& row, std::initializer_list<const char*> fields);
bool AllTextsEmpty(const qx::ClientDataSet& row, std::initializer_list<const char*> fields);
bool HasOverflow(const qx::ClientDataSet& row);

// True when `code` is a code of the rate table (exact, case-sensitive); false when the table is
// not open. Moves the table's cursor, as a Locate does.
bool RateCodeKnown(qx::ClientDataSet& rateTable, const QString& code);

// True when any data field of the current row holds something: a text not empty, an integer not
// 0, an amount not 0. Keys and calculated fields do not count.
bool RowHasData(const qx::ClientDataSet& row);
