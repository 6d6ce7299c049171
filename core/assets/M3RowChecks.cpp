// The checks a row of the M/3 asset list passes before it is posted.
#include "core/assets/AssetRowRules.h"
#include "core/assets/RowFindings.h"
#include "platform/data/ExactSum.h"
#include "core/module/TdmMain.h"

namespace {

constexpr RowText kNoAmountNorRate = {
    u"尚未輸入任何金額或攤折率",
    u"Ainda não foi introduzido qualquer valor nem taxa de reintegração e amortização"};
constexpr RowText kNoAmount = {u"尚未輸入任何金額", u"Ainda não foi introduzido qualquer valor nem amortização"};
constexpr RowText kNetValueNegative = {
    u"資產成本的「期未結餘」不能為負數",
    u"O \"valor líquido\" do \"aquisições, alienações e abates\" não deve ser negativa"};
constexpr RowText kPriorAboveAcquisition = {
    u"「期初累計攤折」不應大於「購入價值」",
    u"\"Depreciações / amortizações dos períodos anteriores\" não devem exceder o \"valor de aquisição\""};
constexpr RowText kMonthsInvalid = {u"「攤折月數」輸入錯誤", u"O \"Mêses\" invalido"};
constexpr RowText kPeriodAboveRemainder = {
    u"「本期攤折」不應大於「購入價值」與「期初累計攤折」之差額",
    u"\"Depreciações/ amortizações do período\" não devem exceder a diferença entre o \"valor de aquisição\" e o "
    u"valor das \"depreciações / amortizações de períodos anteriores\""};
constexpr RowText kAccumulatedNegative = {
    u"資產的「期未累計攤折」不能為負數", u"\"Depreciações/Amortizações - Acumuladas\" não deve ser negativa"};

constexpr AmountLabel kCol1 = {"Col1_Mop", u"(1).購入價值", u"(1).Value de aquisição", false};
constexpr AmountLabel kCol2 = {"Col2_Mop", u"(2).變賣或報銷", u"(2).Alienado ou abatido", true};
constexpr AmountLabel kCol4 = {"Col4_Mop", u"(4).期初累計攤折", u"(4).De períodos anteriores", false};
constexpr AmountLabel kCol5 = {"Col5_Mop", u"(5).本期攤折", u"(5).Do período", true};
constexpr AmountLabel kCol6 = {"Col6_Mop", u"(6).取消", u"(6).Anuladas", true};

void checkAmount(RowFindings& findings, const qx::ClientDataSet& row, const AmountLabel& label)
{
    CheckAmount(findings, row, label, AmountTexts::QuotedLabel);
}

// A rate is kept to two decimals.
bool rateHasMoreThanTwoDecimals(qx::Currency rate)
{
    return rate.raw() % 100 != 0;
}

void addRateFinding(RowFindings& findings, qx::Currency rate)
{
    const QString text = rate.toString();
    findings.add(QStringLiteral("「攤折率」(") + text + QStringLiteral(")小數點後多於2位數"),
                 QStringLiteral("O decimal das \"taxas de amortização\" ") + text
                     + QStringLiteral(" tem mais de 2 dígitos"));
}

// The checks in their order; the row's amounts are all set (no nulls).
RowFindings m3RowFindings(TdmMain& dm, const qx::ClientDataSet& row)
{
    RowFindings findings;
    const QString codigo = TextOf(row, "Codigo");
    if (!codigo.isEmpty() && !RateCodeKnown(dm.cdsTaxMaxReintAmor, codigo))
        AddFinding(findings, kUnknownRateCode);

    if (AllAmountsZero(row, {"Col1_Mop", "Col2_Mop", "Col4_Mop", "Col5_Mop", "Col6_Mop"})) {
        if (!AllTextsEmpty(row, {"Codigo", "Ano_Aqu", "Mes_Ini_de_Util"}))
            AddFinding(findings, AmountOf(row, "DA_Taxas").isZero() ? kNoAmountNorRate : kNoAmount);
        return findings;
    }

    const qx::Currency col1 = AmountOf(row, "Col1_Mop");
    const qx::Currency col2 = AmountOf(row, "Col2_Mop");
    const qx::Currency col4 = AmountOf(row, "Col4_Mop");
    const qx::Currency col5 = AmountOf(row, "Col5_Mop");
    const qx::Currency col6 = AmountOf(row, "Col6_Mop");

    if (!codigo.isEmpty() && TextOf(row, "Tipo").isEmpty())
        AddFinding(findings, kTypeMissing);
    checkAmount(findings, row, kCol1);
    checkAmount(findings, row, kCol2);
    if (!col2.isZero() && AmountOf(row, "col3_mop").isNegative())
        AddFinding(findings, kNetValueNegative);
    checkAmount(findings, row, kCol4);
    if (!col4.isZero() && col4 > col1)
        AddFinding(findings, kPriorAboveAcquisition);
    const qx::Currency rate = AmountOf(row, "DA_Taxas");
    if (rateHasMoreThanTwoDecimals(rate))
        addRateFinding(findings, rate);
    if (row.fieldByName(u"DA_Meses").asInteger() < 0)
        AddFinding(findings, kMonthsInvalid);
    checkAmount(findings, row, kCol5);
    // Exact: the difference of two amounts may lie outside the currency range.
    if (!col5.isZero() && qx::ExactSum(col5) > qx::ExactSum(col1) - qx::ExactSum(col4))
        AddFinding(findings, kPeriodAboveRemainder);
    checkAmount(findings, row, kCol6);
    if (!col6.isZero() && AmountOf(row, "col7_mop").isNegative())
        AddFinding(findings, kAccumulatedNegative);
    if (HasOverflow(row))
        AddFinding(findings, kRowOverflow);
    return findings;
}

}  // namespace

void TdmMain::cdsM3VCLFBeforePost(qx::ClientDataSet& dataSet)
{
    ZeroNullNumbers(dataSet);
    m3RowFindings(*this, dataSet)
        .refuseIfAny(QStringLiteral("請修正以下問題：(M/3)"), QStringLiteral("Corrija as seguinte falhas: (M/3)"),
                     QStringLiteral("DM-012"));
}
