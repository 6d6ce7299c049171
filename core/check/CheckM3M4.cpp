// Rules of the M/3 first sheet (4011) and the two M/4 pages (6011, 6012).
#include "core/check/PageSections.h"

#include "platform/data/ExactSum.h"
#include "core/check/AmountCheck.h"
#include "core/check/RuleText.h"
#include "core/module/TdmMain.h"
#include "core/util/RoundHalfUp.h"
#include "core/util/TrimBlanks.h"

#include <QHash>
#include <utility>
#include <vector>

namespace {

QString number(int n) { return QString::number(n); }

// ---- M/3 first sheet ----

constexpr int kM3Columns = 9;
const QString kOverflowedTotal = QStringLiteral("**********");

enum class M3Test {
    Negative,          // the field is below 0
    BelowOther,        // the other field is below the field
    DiffersFromTotal,  // the field differs from a total of the asset list (a null total counts as 0)
};

// In the texts "{v}" is the value of `field`, "{a}" that of `other`, "{T}" the list total.
struct M3Rule {
    M3Test test;
    const char* field;
    const char* other;  // BelowOther: the field compared; DiffersFromTotal: the list's total
    RuleText text;
};

const M3Rule kM3Rules[] = {
    {M3Test::Negative, "1_r1_col4_mop", nullptr,
     {87, "「資產之變動及攤折」頁內第一行「根據會計帳目」之第(4)欄位購入成本「期未結餘」之金額({v})不能為負數",
      "O valor ({v}) constante do quadro 4 valor de \"saldo final\" de \"aquisição, alienações e abates\" da linha 1 "
      "\"conforme a escrita\" do \"movimento do período\", não deve ser negativa."}},
    {M3Test::BelowOther, "1_R1_Col5_Mop", "1_R1_Col1_Mop",
     {68,
      "「資產之變動及攤折」頁內第一行「根據會計帳目」之第(1)欄位購入成本「期初結餘」之金額({a})應大於第(5)欄位之累計攤"
      "折「期初結餘」金額({v})",
      "O valor ({a}) constante do quadro 1 valor de \"saldo inicial\" de \"aquisição, alienações e abates\" da linha 1 "
      "\"conforme a escrita\" do \"movimento do período\", deve ser superior ao valor ({v}) do quadro 5 valor de "
      "\"saldo inicial\" de \"depreciações / amortizações acumuladas\""}},
    {M3Test::Negative, "1_r1_col8_mop", nullptr,
     {88, "「資產之變動及攤折」頁內第一行「根據會計帳目」之第(8)欄位累計攤折「期未結餘」之金額({v})不能為負數",
      "O valor ({v}) constante do quadro 8 valor de \"saldo final\" de \"depreciações / amortizações acumuladas\" da "
      "linha 1 \"conforme a escrita\" do \"movimento do período\", não deve ser negativa."}},
    {M3Test::Negative, "1_r1_col9_mop", nullptr,
     {89, "「資產之變動及攤折」頁內第一行「根據會計帳目」之第(9)欄位「帳面凈值」之金額({v})不能為負數",
      "O valor ({v}) constante do quadro 9 valor de \"valor escriturado líquido\" da linha 1 \"conforme a escrita\" "
      "do \"movimento do período\", não deve ser negativa."}},
    {M3Test::DiffersFromTotal, "1_r2_col3_mop", "COL2_TTL",
     {69,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(3)欄位「變賣及報銷」之金額({v})應等於「根據稅務法例計算之攤"
      "折」頁內第(2)欄位「變賣及報銷」之總和({T})",
      "O valor ({v}) constante do quadro 3 \"alienado ou abatido\" da linha 2 \"conforme a legislação fiscal\" do "
      "\"movimento do período do mapa de depreciações e amortizações dos activos\", deve ser igual ao total ({T}) do "
      "quadro 2 \"alienado ou abatido\" dos \"valores calculados conforme a legislação fiscal\""}},
    {M3Test::DiffersFromTotal, "1_r2_col4_mop", "COL3_TTL",
     {70,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(4)欄位購入成本「期未結餘」之金額({v})應等於「根據稅務法例計"
      "算之攤折」頁內第(3)欄位購入成本「期未結餘」之總和({T})",
      "O valor ({v}) constante do quadro 4 \"saldo final\" da linha 2 \"conforme a legislação fiscal\" do \"movimento "
      "do período do mapa de depreciações e amortizações dos activos\", deve ser igual ao total ({T}) do quadro 3 "
      "\"valor líquido\" dos \"valores calculados conforme a legislação fiscal\""}},
    {M3Test::DiffersFromTotal, "1_r2_col5_mop", "COL4_TTL",
     {71,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(5)欄位累計攤折「期初結餘」之金額({v})應等於「根據稅務法例計"
      "算之攤折」頁內第(4)欄位累計攤折「期初結餘」之總和({T})",
      "O valor ({v}) constante do quadro 5 \"saldo inicial\" da linha 2 \"conforme a legislação fiscal\" do "
      "\"movimento do período do mapa de depreciações e amortizações dos activos\", deve ser igual ao total ({T})do "
      "quadro 4 \"depreciações / amortizações de períodos anteriores\" dos valores calculados \"conforme a "
      "legislação fiscal\""}},
    {M3Test::BelowOther, "1_r2_col5_mop", "1_r2_col1_mop",
     {72,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(1)欄位「購入、變賣及報銷 - 期初結餘」之金額({a})應大於第(5)"
      "欄位累計攤折「期初結餘」之金額({v})",
      "O valor ({a}) constante do quadro 1 valor de \"saldo inicial\" de \"aquisição, alienações e abates\" da linha 2 "
      "\"conforme a legislação fiscal\" do \"movimento do período\", deve ser superior ao valor ({v}) do quadro 5 "
      "valor de \"saldo inicial\" de \"depreciações / amortizações acumuladas\""}},
    {M3Test::DiffersFromTotal, "1_r2_col6_mop", "COL5_TTL",
     {74,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(6)欄位「本期攤折」之金額({v})應等於「根據稅務法例計算之攤折"
      "」頁內第(5)欄位「本期攤折」之總和({T})",
      "O valor {v} constante do quadro 6 \"depreciações / amortizações acumuladas do período\" da linha 2 \"conforme "
      "a legislação fiscal\" do movimento do período do mapa de depreciações e amortizações dos activos, deve ser "
      "igual ao total {T} do quadro 5 \"depreciações / amortizações acumuladas do período\" dos \"valores calculados "
      "conforme a legislação fiscal\""}},
    {M3Test::DiffersFromTotal, "1_r2_col7_mop", "COL6_TTL",
     {75,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(7)欄位「取消」之金額({v})應等於「根據稅務法例計算之攤折」頁"
      "內第(6)欄位「取消」之總和({T})",
      "O valor {v} constante do \"depreciações / amortizações acumuladas anuladas\" do quadro 7 da linha 2 \"conforme "
      "a legislação fiscal\" do movimento do período do mapa de depreciações e amortizações dos activos, deve ser "
      "igual ao total {T} do quadro 6 \"depreciações / amortizações anuladas\" dos \"valores calculados conforme a "
      "legislação fiscal\""}},
    {M3Test::DiffersFromTotal, "1_r2_col8_mop", "COL7_TTL",
     {76,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(8)欄位累計攤折「期未結餘」之金額({v})應等於「根據稅務法例計"
      "算之攤折」頁內第(7)欄位「期未累計攤折」之總和({T})",
      "O valor {v} constante do quadro 8 \"saldo final das depreciações / amortizações acumuladas\" da linha 2 "
      "\"conforme a legislação fiscal\" do movimento do período do mapa de depreciações e amortizações dos activos, "
      "deve ser igual ao total {T} do quadro 7 \"depreciações / amortizações acumuladas\" dos \"valores calculados "
      "conforme a legislação fiscal\""}},
    {M3Test::DiffersFromTotal, "1_r2_col9_mop", "COL8_TTL",
     {77,
      "「資產之變動及攤折」頁內第二行「根據稅務法例」之第(9)欄位「帳面凈值」之金額({v})應等於「根據稅務法例計算之攤折"
      "」頁內第(8)欄位「帳面凈值」之總和({T})",
      "O valor {v} constante do quadro 9 \"valor escriturado líquido\" da linha 2 \"conforme a legislação fiscal\" do "
      "movimento do período do mapa de depreciações e amortizações dos activos, deve ser igual ao total {T} do "
      "quadro 8 \"valor líquido\" dos \"valores calculados conforme a legislação fiscal\""}},
};

void checkM3Rule(TdmMain& dm, qx::ClientDataSet& page, qx::ClientDataSet& list, int objCode, const M3Rule& rule)
{
    const qx::Field& field = page.fieldByName(Utf8(rule.field));
    const qx::Currency value = field.asCurrency();
    const QString fieldName = Utf8(rule.field);
    switch (rule.test) {
    case M3Test::Negative:
        if (value.isNegative())
            AddRuleAlert(dm, objCode, fieldName, rule.text, {{"v", field.asString()}});
        return;
    case M3Test::BelowOther: {
        const qx::Field& other = page.fieldByName(Utf8(rule.other));
        if (other.asCurrency() < value)
            AddRuleAlert(dm, objCode, fieldName, rule.text, {{"v", field.asString()}, {"a", other.asString()}});
        return;
    }
    case M3Test::DiffersFromTotal: {
        const qx::Field& totalField = list.fieldByName(Utf8(rule.other));
        // A total beyond the range of amounts reads as null, yet no amount can equal it: it is
        // reported as amounts that did not fit are shown, never as 0.
        if (list.aggregateOverflow(totalField.index())) {
            AddRuleAlert(dm, objCode, fieldName, rule.text, {{"v", field.asString()}, {"T", kOverflowedTotal}});
            return;
        }
        const qx::Currency total = totalField.asCurrency();  // null reads 0
        if (value != total)
            AddRuleAlert(dm, objCode, fieldName, rule.text, {{"v", field.asString()}, {"T", total.toString()}});
        return;
    }
    }
}

// ---- M/4 page 1 ----

constexpr int kM4Lines = 7;
constexpr int kM4Columns = 8;

struct LineName {
    QString chn;
    QString por;
};

// Lines 1 to 3 carry fixed names.
const char* const kFixedLineNames[][2] = {
    {"呆帳備用金", "Provisão para créditos de cobrança duvidosa"},
    {"存貨跌價備用金", "Provisão para depreciação de inventários"},
    {"銀行信貸備用金", "Provisão para riscos crédito bancário"},
};

// Columns 1-2, 3-4, 5-6 and 7-8 share their label, then tell the part the tax rules admit (odd)
// from the part they do not (even).
const char* const kColumnLabels[][2] = {
    {"期初結餘", "Saldos iniciais"},
    {"本期變動 - 使用", "Movimentos do período - Utilização"},
    {"本期變動 - 撥回", "Movimentos do período - Reposição"},
    {"本期變動 - 設立或追加", "Movimentos do período - Consituição ou referço"},
};
const char* const kTaxParts[][2] = {
    {" - 稅則認許部分", " - Importâncias consideradas para efeitos fiscais"},
    {" - 稅則不認許部分", " - Importâncias não consideradas para efeitos fiscais"},
};

// "{chn}" and "{por}" take the line's name in each language, "{i}" its number.
const RuleText kLine4WithoutName{78, "請輸入{chn}備用金項目", "Introduza os itens das provisões ({por})"};
const RuleText kLine4WithoutAmount{79, "請輸入{chn}之金額 (第四行)", "Introduza o valor ({por} - linha 4)"};
const RuleText kFreeLineWithoutName{80, "請輸入{chn}備用金項目", "Introduza os itens das provisões ({por})"};
const RuleText kFreeLineWithoutAmount{81, "請輸入{chn}之金額", "Introduza o valor ({por})"};
const RuleText kUseAboveOpening{82, "第{i}行 - 本期使用總額(3)+(4)不能大於期初結餘總額(1)+(2)",
                                "Row {i} - O valor total de utilização do período não pode exceder o valor do saldo "
                                "inicial"};
const RuleText kReversalAboveRemainder{
    83, "第{i}行 - 本期撥回總額(5)+(6)不能大於期初結餘總額(1)+(2)與本期使用總額(3)+(4)之差額",
    "Row {i} - O valor total de reposição do período não deve exceder a diferença entre o valor total de saldo "
    "inicials e o valor total de utilização do período"};
const RuleText kAdmittedAboveLimit{
    84, "第{i}行 - 期未結餘 - 稅則認許部分(9)不能大於第(2)欄計算之上限",
    "Row {i} - O valor do quadro 9 \"Importâncias consideradas para efeitos fiscais\" do \"saldos finals\" não deve "
    "exceder o valor do quadro 2"};
const RuleText kFreeUseAboveOpening{
    85, "第{i}行 - 本期使用 - 稅則不認許部分(4)不能大於期初結餘 - 稅則不認許部分(2)",
    "Row {i} - O valor do quadro 4 \"Importâncias não consideradas para efeitos fiscais\" do \"utilização\" não deve "
    "exceder o valor do quadro 2 \"Importâncias não consideradas para efeitos fiscais\" do \"saldos iniciais\""};
const RuleText kFreeReversalAboveRemainder{
    86,
    "第{i}行 - 本期撥回 - 稅則不認許部分(6)不能大於期初結餘 - 稅則不認許部分(2)與本期使用 - 稅則不認許部分(4)之差額",
    "Row {i} - O valor do quadro 6 do \"Importâncias não consideradas para efeitos fiscais\" de reposição do período "
    "não deve exceder a diferença entre o valor do quadro 2 do \"Importâncias não consideradas para efeitos "
    "fiscais\" do saldo inicials e o valor do quadro 4 do \"Importâncias não consideradas para efeitos fiscais\" do "
    "utilização do período"};

// Lines 5 to 7 have one description and only the columns the tax rules do not admit.
bool isFreeLine(int line) { return line >= 5; }
bool hasColumn(int line, int column) { return !isFreeLine(line) || column % 2 == 0; }
// Uses and reinforcements are never negative; reversals only on the free lines.
bool checksNegative(int line, int column)
{
    switch ((column + 1) / 2) {
    case 1: return false;
    case 3: return isFreeLine(line);
    default: return true;
    }
}

// Field names of the page from the patterns of this file, each composed once.
struct M4FieldKey {
    const char* pattern;
    int line;
    int column;
    bool operator==(const M4FieldKey&) const = default;
};

size_t qHash(const M4FieldKey& key, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<const void*>(key.pattern), key.line, key.column);
}

QString m4Field(const char* pattern, int line, int column = 0)
{
    thread_local QHash<M4FieldKey, QString> names;
    const M4FieldKey key{pattern, line, column};
    if (const auto it = names.constFind(key); it != names.cend())
        return *it;
    const QString name = QString::asprintf(pattern, line, column);
    names.insert(key, name);
    return name;
}
qx::Currency m4Amount(qx::ClientDataSet& page, const char* pattern, int line, int column = 0)
{
    return page.fieldByName(m4Field(pattern, line, column)).asCurrency();
}

bool anyAmount(qx::ClientDataSet& page, int line)
{
    for (int column = 1; column <= kM4Columns; ++column)
        if (hasColumn(line, column) && !m4Amount(page, "1_R%d_Col%d_Mop", line, column).isZero())
            return true;
    return false;
}

// A line's name from its descriptions; an unnamed line with amounts, or a named line without
// any, is reported.
struct NamedLineRules {
    const RuleText& withoutName;
    const RuleText& withoutAmount;
    QString nameField;    // where a missing name is reported
    QString amountField;  // where missing amounts are reported
    LineName unnamed;
};

LineName nameFreeLine(TdmMain& dm, qx::ClientDataSet& page, int objCode, int line, const QString& name,
                      const NamedLineRules& rules)
{
    if (name.isEmpty()) {
        if (anyAmount(page, line))
            AddRuleAlert(dm, objCode, rules.nameField, rules.withoutName,
                         {{"chn", rules.unnamed.chn}, {"por", rules.unnamed.por}});
        return rules.unnamed;
    }
    if (!anyAmount(page, line))
        AddRuleAlert(dm, objCode, rules.amountField, rules.withoutAmount, {{"chn", name}, {"por", name}});
    return {name, name};
}

LineName nameLine(TdmMain& dm, qx::ClientDataSet& page, int objCode, int line)
{
    if (line <= 3)
        return {Utf8(kFixedLineNames[line - 1][0]), Utf8(kFixedLineNames[line - 1][1])};
    if (line == 4) {
        const QString name = TrimBlanks(page.fieldByName(u"1_R4_Desc_1").asString() + QLatin1Char(' ')
                                        + page.fieldByName(u"1_R4_Desc_2").asString());
        return nameFreeLine(dm, page, objCode, line, name,
                            {kLine4WithoutName, kLine4WithoutAmount, QStringLiteral("1_R4_Desc_1"),
                             QStringLiteral("1_R4_Col1_Mop"), {QStringLiteral("第四行"), QStringLiteral("linha 4")}});
    }
    const QString n = number(line);
    return nameFreeLine(dm, page, objCode, line, page.fieldByName(m4Field("1_R%d_Desc", line)).asString(),
                        {kFreeLineWithoutName, kFreeLineWithoutAmount, m4Field("1_R%d_Desc", line),
                         m4Field("1_R%d_Col2_Mop", line),
                         {QStringLiteral("第") + n + QStringLiteral("行"), QStringLiteral("Row ") + n}});
}

void checkLineAmounts(TdmMain& dm, qx::ClientDataSet& page, int objCode, int line, const LineName& name)
{
    for (int column = 1; column <= kM4Columns; ++column) {
        if (!hasColumn(line, column))
            continue;
        const auto labels = [&] {
            const char* const* label = kColumnLabels[(column - 1) / 2];
            const char* const* part = kTaxParts[(column - 1) % 2];
            const QString suffix = QStringLiteral(" (") + number(column) + QLatin1Char(')');
            return AmountLabels{name.chn + QStringLiteral(" - ") + Utf8(label[0]) + Utf8(part[0]) + suffix,
                                name.por + QStringLiteral(" - ") + Utf8(label[1]) + Utf8(part[1]) + suffix};
        };
        CheckAmountFieldLabelled(dm, page, objCode, false, checksNegative(line, column), labels,
                                 m4Field("1_R%d_Col%d_Mop", line, column));
    }
}

// True when `value` exceeds `limit` rounded to whole units. A limit whose rounding leaves the
// range of amounts still has its place: past the largest amount nothing exceeds it, past the
// smallest everything does.
bool exceedsRoundedLimit(qx::Currency value, qx::Currency limit)
{
    try {
        return value > RoundHalfUp(0, limit);
    } catch (const qx::CurrencyOverflow&) {
        return limit.isNegative();
    }
}

// The columns of a line's balance: the use may not exceed the opening balance, nor the reversal
// what remains after the use.
struct LineBalance {
    const char* opening;
    const char* used;
    const char* reversed;
    const RuleText& useAboveOpening;
    const RuleText& reversalAboveRemainder;
};

// Lines 1 to 4 by the totals of both parts; lines 5 to 7 by the columns the tax rules do not admit.
const LineBalance kProvisionBalance{"1_r%d_col1_col2_sum", "1_r%d_col3_col4_sum", "1_r%d_col5_col6_sum",
                                    kUseAboveOpening, kReversalAboveRemainder};
const LineBalance kFreeBalance{"1_R%d_Col2_Mop", "1_R%d_Col4_Mop", "1_R%d_Col6_Mop", kFreeUseAboveOpening,
                               kFreeReversalAboveRemainder};

void checkLineBalance(TdmMain& dm, qx::ClientDataSet& page, int objCode, int line, const LineBalance& balance)
{
    const TextValues i{{"i", number(line)}};
    const qx::Currency opening = m4Amount(page, balance.opening, line);
    const qx::Currency used = m4Amount(page, balance.used, line);
    const qx::Currency reversed = m4Amount(page, balance.reversed, line);
    if (used > opening)
        AddRuleAlert(dm, objCode, m4Field(balance.used, line), balance.useAboveOpening, i);
    if (qx::ExactSum(reversed) > qx::ExactSum(opening) - qx::ExactSum(used))
        AddRuleAlert(dm, objCode, m4Field(balance.reversed, line), balance.reversalAboveRemainder, i);
}

// Lines 1 to 4: the balance, and the admitted closing balance of lines 1 and 2 against its limit
// in table 2.
void checkProvisionLine(TdmMain& dm, qx::ClientDataSet& page, int objCode, int line)
{
    checkLineBalance(dm, page, objCode, line, kProvisionBalance);
    if (line <= 2 && exceedsRoundedLimit(m4Amount(page, "1_r%d_col9_mop", line), m4Amount(page, "2_r%d_col3_mop", line)))
        AddRuleAlert(dm, objCode, m4Field("1_r%d_col9_mop", line), kAdmittedAboveLimit, {{"i", number(line)}});
}

// Table 2: bad debts and inventory losses written off directly.
const char* const kWrittenOff[][3] = {
    {"2.壞帳費用.直接沖銷之壞帳費用或存貨跌價損失.(5)",
     "2.Créditos incobráveis - Créditos incobráveis ou predas em depreciação de inventários levados directamente p/ "
     "custos (5)",
     "2_R1_Col5_Mop"},
    {"2.存貨跌價損失.直接沖銷之壞帳費用或存貨跌價損失.(5)",
     "2.Perdas em depreciação de inventários - Créditos incobráveis ou predas em depreciação de inventários levados "
     "directamente p/ custos (5)",
     "2_R2_Col5_Mop"},
};

// ---- M/4 page 2: technical provisions of insurers ----

struct ProvisionBlock {
    const char* prefix;
    const char* chn;
    const char* por;
    std::vector<std::pair<const char*, const char*>> lines;
};

const ProvisionBlock kProvisionBlocks[] = {
    {"3_PRC_R",
     "現存風險準備金",
     "Provisões para risco em curso",
     {{"1.前期總額", "1.Total do periodo anterior"}, {"2.增加", "2.Reforço"}, {"3.減少", "3.Redução"}}},
    {"3_PM_R",
     "數值準備金",
     "Provisões matemáticas",
     {{"1.前期總額", "1.Total do periodo anterior"}, {"2.增加", "2.Reforço"}, {"3.減少", "3.Redução"}}},
    {"3_PS_R",
     "賠償準備金",
     "Provisões para sinistros",
     {{"1.前期總額", "1.Total do periodo anterior"},
      {"2.使用", "2.Utilização"},
      {"3.增加", "3.Reforço"},
      {"4.減少", "4.Redução"}}},
};

struct ProvisionColumn {
    int column;
    const char* chn;
    const char* por;
};

const ProvisionColumn kProvisionColumns[] = {
    {2, "法定(2)", "Obrigatórias (2)"},
    {3, "非法定(3)", "Facultativas (3)"},
    {5, "分保公司參與之技術準備金.法定(5)", "Participação dos reseguros nas provisões técnicas - Obrigatórias (5)"},
    {6, "分保公司參與之技術準備金.非法定(6)", "Participação dos reseguros nas provisões técnicas - Facultativas (6)"},
};

}  // namespace

void CheckM3P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    for (int c = 1; c <= kM3Columns; ++c) {
        const QString n = number(c);
        CheckAmountFieldLabelled(
            dm, page, objCode, false, true,
            [&] { return AmountLabels{QStringLiteral("1.根據會計帳目.") + n, QStringLiteral("1.Conforme a escrita.") + n}; },
            m4Field("1_R1_Col%d_Mop", c));
        CheckAmountFieldLabelled(dm, page, objCode, false, false,
                                 [&] {
                                     return AmountLabels{QStringLiteral("1.根據稅務法例.") + n,
                                                         QStringLiteral("1.Conforme a legislação fiscal.") + n};
                                 },
                                 m4Field("1_R2_Col%d_Mop", c));
    }
    for (const M3Rule& rule : kM3Rules)
        checkM3Rule(dm, page, dm.cdsM3VCLF, objCode, rule);
}

void CheckM4P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    for (int line = 1; line <= kM4Lines; ++line) {
        const LineName name = nameLine(dm, page, objCode, line);
        checkLineAmounts(dm, page, objCode, line, name);
        if (isFreeLine(line))
            checkLineBalance(dm, page, objCode, line, kFreeBalance);
        else
            checkProvisionLine(dm, page, objCode, line);
    }
    for (const auto& [chn, por, field] : kWrittenOff)
        dm.CheckAmountField(page, objCode, false, true, Utf8(chn), Utf8(por), Utf8(field));
}

void CheckM4P2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    // Only decimals are reported on this page.
    for (const ProvisionBlock& block : kProvisionBlocks) {
        for (size_t l = 0; l < block.lines.size(); ++l) {
            const auto& [lineChn, linePor] = block.lines[l];
            for (const ProvisionColumn& column : kProvisionColumns) {
                const auto labels = [&] {
                    return AmountLabels{Utf8(block.chn) + QLatin1Char('.') + Utf8(lineChn) + QLatin1Char('.')
                                            + Utf8(column.chn),
                                        Utf8(block.por) + QStringLiteral(" - ") + Utf8(linePor) + QStringLiteral(" - ")
                                            + Utf8(column.por)};
                };
                CheckAmountFieldLabelled(dm, page, objCode, false, false, labels,
                                         QString::fromLatin1(block.prefix) + number(static_cast<int>(l) + 1)
                                             + QStringLiteral("_Col") + number(column.column) + QStringLiteral("_Mop"));
            }
        }
    }
}
