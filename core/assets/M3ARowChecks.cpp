// The checks a row of either M/3A list passes before it is posted.
#include "core/assets/AssetRowRules.h"
#include "core/assets/RowFindings.h"
#include "core/module/TdmMain.h"

namespace {

constexpr RowText kNoAmount = {u"尚未輸入任何金額", u"Ainda não foi introduzido qualquer valor"};
constexpr RowText kCodeMissing = {u"請輸入「編號」", u"Introduza o \"número\""};
constexpr RowText kTaxDepreciationAboveCost = {
    u"「累計攤折 - 根據稅務法例」不應大於「購入成本 - 根據稅務法例」",
    u"\"Amortizações acumuladas - Conforme a legislação fiscal\" não devem exceder o \"Valor de aquisição - "
    u"Conforme a legislação fiscal\""};
constexpr RowText kBookDepreciationAboveCost = {
    u"「累計攤折 - 根據會計帳目」不應大於「購入成本 - 根據會計帳目」",
    u"\"Amortizações acumuladas - Conforme a escrita\" não devem exceder o \"Valor de aquisição - Conforme a "
    u"escrita\""};
constexpr RowText kReasonMissing = {u"請輸入「報銷原因」", u"Introduza o \"motivo do abate\""};

constexpr AmountLabel kAliCol1 = {"Col1_Mop", u"(1).變賣價", u"(1).Liquido de despesas", true};
constexpr AmountLabel kAliCol2 = {"Col2_Mop", u"(2).購入成本 - 根據稅務法例",
                                  u"(2).Valor de aquisição - Conforme a legislação fiscal", true};
constexpr AmountLabel kAliCol3 = {"Col3_Mop", u"(3).購入成本 - 根據會計帳目", u"(3).Valor de aquisição - Conforme a escrita",
                                  true};
constexpr AmountLabel kAliCol4 = {"Col4_Mop", u"(4).累計攤折 - 根據稅務法例",
                                  u"(4).Amortizações acumuladas - Conforme a legislação fiscal", true};
constexpr AmountLabel kAliCol5 = {"Col5_Mop", u"(5).累計攤折 - 根據會計帳目",
                                  u"(5).Amortizações acumuladas - Conforme a escrita", true};

constexpr AmountLabel kAbaCol1 = {"Col1_Mop", u"(1).購入成本 - 根據稅務法例",
                                  u"(1).Valor de aquisição - Conforme a legislação fiscal", true};
constexpr AmountLabel kAbaCol2 = {"Col2_Mop", u"(2).購入成本 - 根據會計帳目", u"(2).Valor de aquisição - Conforme a escrita",
                                  true};
constexpr AmountLabel kAbaCol3 = {"Col3_Mop", u"(3).累計攤折 - 根據稅務法例",
                                  u"(3).Amortizações acumuladas - Conforme a legislação fiscal", true};
constexpr AmountLabel kAbaCol4 = {"Col4_Mop", u"(4).累計攤折 - 根據會計帳目",
                                  u"(4).Amortizações acumuladas - Conforme a escrita", true};

// The opening checks both lists share: an unknown code, then a row without amounts. False when
// the row has no amounts, so no further check runs.
bool openingChecks(TdmMain& dm, RowFindings& findings, const qx::ClientDataSet& row,
                   std::initializer_list<const char*> amounts, const char* monthField)
{
    const QString codigo = TextOf(row, "Codigo");
    if (!codigo.isEmpty() && !RateCodeKnown(dm.cdsTaxMaxReintAmor, codigo))
        AddFinding(findings, kUnknownRateCode);
    if (AllAmountsZero(row, amounts)) {
        if (!AllTextsEmpty(row, {"Codigo", "Ano_Aqu", monthField}))
            AddFinding(findings, kNoAmount);
        return false;
    }
    if (codigo.isEmpty())
        AddFinding(findings, kCodeMissing);
    if (TextOf(row, "Tipo").isEmpty())
        AddFinding(findings, kTypeMissing);
    return true;
}

void addIfAbove(RowFindings& findings, const qx::ClientDataSet& row, const char* part, const char* whole,
                const RowText& text)
{
    if (AmountOf(row, part) > AmountOf(row, whole))
        AddFinding(findings, text);
}

RowFindings alienatedRowFindings(TdmMain& dm, const qx::ClientDataSet& row)
{
    RowFindings findings;
    if (!openingChecks(dm, findings, row, {"Col1_Mop", "Col2_Mop", "Col3_Mop", "Col4_Mop", "Col5_Mop"}, "Mes_Venda"))
        return findings;
    for (const AmountLabel& label : {kAliCol1, kAliCol2, kAliCol3, kAliCol4})
        CheckAmount(findings, row, label, AmountTexts::ValueAndLabel);
    addIfAbove(findings, row, "Col4_Mop", "Col2_Mop", kTaxDepreciationAboveCost);
    CheckAmount(findings, row, kAliCol5, AmountTexts::ValueAndLabel);
    addIfAbove(findings, row, "Col5_Mop", "Col3_Mop", kBookDepreciationAboveCost);
    if (HasOverflow(row))
        AddFinding(findings, kRowOverflow);
    return findings;
}

RowFindings writtenOffRowFindings(TdmMain& dm, const qx::ClientDataSet& row)
{
    RowFindings findings;
    if (!openingChecks(dm, findings, row, {"Col1_Mop", "Col2_Mop", "Col3_Mop", "Col4_Mop"}, "Mes_Abate"))
        return findings;
    CheckAmount(findings, row, kAbaCol1, AmountTexts::QuotedLabel);
    addIfAbove(findings, row, "Col3_Mop", "Col1_Mop", kTaxDepreciationAboveCost);
    CheckAmount(findings, row, kAbaCol2, AmountTexts::QuotedLabel);
    addIfAbove(findings, row, "Col4_Mop", "Col2_Mop", kBookDepreciationAboveCost);
    CheckAmount(findings, row, kAbaCol3, AmountTexts::QuotedLabel);
    CheckAmount(findings, row, kAbaCol4, AmountTexts::QuotedLabel);
    if (TextOf(row, "Motivo_Abate").isEmpty())
        AddFinding(findings, kReasonMissing);
    if (HasOverflow(row))
        AddFinding(findings, kRowOverflow);
    return findings;
}

}  // namespace

void TdmMain::cdsM3AAliBeforePost(qx::ClientDataSet& dataSet)
{
    ZeroNullNumbers(dataSet);
    alienatedRowFindings(*this, dataSet)
        .refuseIfAny(QStringLiteral("請修正以下問題：(M/3A-a)"), QStringLiteral("Corrija as seguinte falhas: (M/3A-a)"),
                     QStringLiteral("DM-014"));
}

void TdmMain::cdsM3AAbaBeforePost(qx::ClientDataSet& dataSet)
{
    ZeroNullNumbers(dataSet);
    writtenOffRowFindings(*this, dataSet)
        .refuseIfAny(QStringLiteral("請修正以下問題：(M/3A-b)"), QStringLiteral("Corrija as seguinte falhas: (M/3A-b)"),
                     QStringLiteral("DM-015"));
}
