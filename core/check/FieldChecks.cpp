// The reusable checks of the page sections. Each adds error alerts (type 10) for one rule.
#include "core/module/TdmMain.h"

#include "core/check/AmountCheck.h"
#include "core/check/EmptyValue.h"
#include "core/check/OverflowNames.h"
#include "core/check/RuleText.h"

namespace {

// ---- amounts: A-001 to A-006 ----

enum class Period { Current, Previous, Single };

struct PeriodRules {
    RuleText negative;
    RuleText decimals;
};

// "{v}" takes the value, "{label}" the label.
PeriodRules rulesOf(Period period)
{
    switch (period) {
    case Period::Current:
        return {{1, "欄位「{label}」之本期金額({v})不能輸入負數．",
                 "Não deve introduzir-se valores negativa para o valor do período '{v}' do quadro '{label}' [0001]"},
                {2, "欄位「{label}」之本期金額({v})應只輸入整數．",
                 "Deve introduzir-se apenas valores inteiros para o valor do período '{v}' do quadro '{label}'"}};
    case Period::Previous:
        return {{3, "欄位「{label}」之前期金額({v})不能輸入負數．",
                 "Não deve introduzir-se valores negativa para o valor do período anterior '{v}' do quadro '{label}'"},
                {4, "欄位「{label}」之前期金額({v})應只輸入整數．",
                 "Deve introduzir-se apenas valores inteiros para o valor do período anterior '{v}' do quadro '{label}'"}};
    case Period::Single:
        break;
    }
    return {{5, "欄位「{label}」之金額({v})不能輸入負數．",
             "Não deve introduzir-se valores negativa '{v}' para o valor do quadro '{label}'"},
            {6, "欄位「{label}」之金額({v})應只輸入整數．",
             "Deve introduzir-se apenas valores inteiros para o valor do quadro '{label}'"}};
}

// The labels differ by language, so each text is filled with its own.
void addAmountAlert(TdmMain& dm, int objCode, const qx::Field& field, const RuleText& rule, const AmountLabels& labels)
{
    const QString v = field.asString();
    dm.AddAlert(objCode, field.fieldName(), kErrorAlert, rule.msgNo,
                FillTemplate(rule.chn, {{"v", v}, {"label", labels.chn}}),
                FillTemplate(rule.por, {{"v", v}, {"label", labels.por}}));
}

void checkOneAmount(TdmMain& dm, qx::Field& field, int objCode, Period period, bool checkNegative,
                    const AmountLabelMaker& makeLabels)
{
    // Calculated totals share the numbering of the input lines; they are not the user's to fix.
    if (!field.isData())
        return;
    const qx::Currency value = field.asCurrency();
    const bool negative = checkNegative && value.isNegative();
    if (!negative && !value.hasDecimals())
        return;
    const AmountLabels labels = makeLabels();
    const PeriodRules rules = rulesOf(period);
    if (negative)
        addAmountAlert(dm, objCode, field, rules.negative, labels);
    if (value.hasDecimals())
        addAmountAlert(dm, objCode, field, rules.decimals, labels);
}

// ---- items, choices, required fields, overflow ----

// "{item}" takes the item's label.
const RuleText kItemWithoutDesc{7, "請輸入第{item}項之說明．", "Introduza a explicação para o Item {item}"};
const RuleText kItemWithoutAmount{8, "欠缺輸入第{item}項之金額．",
                                  "Verifique se foi introduzido ou não o valor no item {item}"};
const RuleText kOverflow{12, "數值溢位，超出系統可處理之限額．",
                         "O número de dígitos do valor ultrapassa o limite de processamento do sistema"};

// ---- dividend lines: A-019 to A-024 ----

// "{n}" takes the line number, "{v}" the amount.
const RuleText kDivNoAmount{19, "缺欠輸入股息/利潤分配第{n}行之金額．",
                            "Não introduzido o valor constante da linha {n} da distribuição de dividendos / lucros"};
const RuleText kDivNoData{
    20, "請填寫股息/利潤分配第{n}行之股東/權益所有人資料．",
    "Preencha os dados dos sócios / beneficiários na linha {n} da distribuição de dividendos / lucros"};
const RuleText kDivCheckName{
    21, "請檢查是否欠缺輸入股息/利潤分配第{n}行之股東/權益所有人姓名或名稱．",
    "Verifique se foi ou não introduzido o nome ou a designação dos sócios / beneficiários na linha {n} da "
    "distribuição de dividendos / lucros"};
const RuleText kDivNoDocument{
    22, "請輸入股息/利潤分配第{n}行之「證件類別及編號」或「商業類別及登記編號」．",
    "Introduza o tipo e o número de documento de identificação e o tipo de sociedade e o número do registo "
    "comercial  na linha {n} da distribuição de dividendos / lucros"};
const RuleText kDivNoName{
    23, "欠缺輸入股息/利潤分配第{n}行之股東/權益所有人姓名或名稱．",
    "Não introduzido o nome ou a designação dos sócios / beneficiários na linha {n} da distribuição de "
    "dividendos / lucros"};
const RuleText kDivDecimals{
    24, "股息/利潤分配第{n}行之金額({v})應只輸入整數．",
    "Deve introduzir-se apenas valores inteiros para o valor ({v}) na linha {n} da distribuição de dividendos / lucros"};

}  // namespace

void TdmMain::CheckAmountField(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod, bool checkNegative,
                               const QString& labelChn, const QString& labelPor, const QString& fieldName)
{
    CheckAmountFieldLabelled(*this, dataSet, objCode, withPrevPeriod, checkNegative,
                             [&] { return AmountLabels{labelChn, labelPor}; }, fieldName);
}

void CheckAmountFieldLabelled(TdmMain& dm, qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod,
                              bool checkNegative, const AmountLabelMaker& labels, const QString& fieldName)
{
    if (!withPrevPeriod) {
        checkOneAmount(dm, dataSet.fieldByName(fieldName), objCode, Period::Single, checkNegative, labels);
        return;
    }
    checkOneAmount(dm, dataSet.fieldByName(fieldName), objCode, Period::Current, checkNegative, labels);
    checkOneAmount(dm, dataSet.fieldByName(fieldName + QStringLiteral("_Per_Ant")), objCode, Period::Previous,
                   checkNegative, labels);
}

void TdmMain::CheckItemAmountDesc(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod,
                                  const QString& itemLabel, const QString& fieldPrefix)
{
    const qx::Field& amount = dataSet.fieldByName(fieldPrefix + QStringLiteral("Mop"));
    const qx::Field* previous =
        withPrevPeriod ? &dataSet.fieldByName(fieldPrefix + QStringLiteral("Mop_Per_Ant")) : nullptr;
    const qx::Field& desc = dataSet.fieldByName(fieldPrefix + QStringLiteral("Desc"));

    const bool noAmount = amount.asCurrency().isZero() && (!previous || previous->asCurrency().isZero());
    const bool noDesc = desc.asString().isEmpty();
    if (noDesc && !noAmount)
        AddRuleAlert(*this, objCode, desc.fieldName(), kItemWithoutDesc, {{"item", itemLabel}});
    else if (!noDesc && noAmount)
        AddRuleAlert(*this, objCode, desc.fieldName(), kItemWithoutAmount, {{"item", itemLabel}});
}

void TdmMain::CheckChoiceCount(qx::ClientDataSet& dataSet, int objCode, const QString& labelChn,
                               const QString& labelPor, const QStringList& fieldNames, int min, int max)
{
    int count = 0;
    for (const QString& name : fieldNames)
        if (dataSet.fieldByName(name).asBoolean())
            ++count;
    if (count >= min && count <= max)
        return;
    const QString fieldName = fieldNames.value(0);
    if (count == 0) {
        AddAlert(objCode, fieldName, kErrorAlert, 9, QStringLiteral("請選擇「") + labelChn + QStringLiteral("」"),
                 QStringLiteral("Por favor, seleccione \"") + labelPor + QStringLiteral("\""));
        return;
    }
    const QString lo = QString::number(min);
    const QString hi = QString::number(max);
    const QString c = min == max ? QStringLiteral(" ") + lo + QStringLiteral(" 種")
                                 : QStringLiteral("不少於 ") + lo + QStringLiteral(" 種但不多於 ") + hi + QStringLiteral(" 種");
    const QString p = min == max ? lo + QStringLiteral(" tipos ")
                                 : QStringLiteral("não inferiores a ") + lo + QStringLiteral(" tipos e não superiores a ")
                                       + hi + QStringLiteral(" tipos ");
    AddAlert(objCode, fieldName, kErrorAlert, 10,
             QStringLiteral("必須而且只能選擇") + c + QStringLiteral("之「") + labelChn + QStringLiteral("」"),
             QStringLiteral("É necessário e só pode seleccionar ") + p + QStringLiteral("do '") + labelPor
                 + QStringLiteral("'"));
}

void TdmMain::CheckRequiredField(int objCode, qx::Field& field, const QString& msgChn, const QString& msgPor)
{
    if (!IsEmptyValue(field))
        return;
    AddAlert(objCode, field.fieldName(), kErrorAlert, 11, msgChn.isEmpty() ? field.displayLabel() : msgChn,
             msgPor.isEmpty() ? field.displayLabel() : msgPor);
}

void TdmMain::CheckOverflowFields(int objCode, const QString& overflowFields)
{
    for (const QString& name : OverflowFieldNames(overflowFields))
        AddRuleAlert(*this, objCode, name, kOverflow);
}

void TdmMain::CheckDividendLines(const QString& line)
{
    constexpr int kObjCode = 1013;
    const qx::Field& amountField = cdsM1P3.fieldByName(QStringLiteral("Div_Lucros_Mop_R") + line);
    const qx::Field& nameField = cdsM1P3.fieldByName(QStringLiteral("Nome_Desig_Bene_R") + line);
    const qx::Field& docField = cdsM1P3.fieldByName(QStringLiteral("Tipo_Doc_ID_R") + line);
    const qx::Field& regField = cdsM1P3.fieldByName(QStringLiteral("Tipo_Soc_No_Reg_Com_R") + line);

    const qx::Currency amount = amountField.asCurrency();
    const bool noName = nameField.asString().isEmpty();
    const bool noDoc = docField.asString().isEmpty();
    const bool noReg = regField.asString().isEmpty();
    const bool hasData = !(noName && noDoc && noReg);
    const QString v = amountField.asString();

    auto add = [&](const qx::Field& field, const RuleText& rule) {
        AddRuleAlert(*this, kObjCode, field.fieldName(), rule, {{"n", line}, {"v", v}});
    };
    if (amount.isZero() && hasData)
        add(amountField, kDivNoAmount);
    if (!amount.isZero() && !hasData)
        add(nameField, kDivNoData);
    if (!amount.isZero() && hasData) {
        if (noName)
            add(nameField, kDivCheckName);
        if (noDoc && noReg)
            add(docField, kDivNoDocument);
    }
    if (noName && (!noDoc || !noReg))
        add(nameField, kDivNoName);
    if (amount.hasDecimals())
        add(amountField, kDivDecimals);
}
