#include "core/check/CheckAnnexSteps.h"

#include "core/check/AmountCheck.h"
#include "core/check/EmptyValue.h"
#include "core/check/RuleText.h"
#include "core/module/TdmMain.h"

namespace {

QString withLine(const char* utf8Pattern, int n) { return FillTemplate(utf8Pattern, {{"n", QString::number(n)}}); }

// ---- amount and item checks ----

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexLines& lines)
{
    for (int n = lines.first; n <= lines.last; ++n) {
        const QString field = withLine(lines.field, n);
        const auto labels = [&] {
            const QString chn = withLine(lines.labelChn, n);
            return AmountLabels{chn, lines.labelPor ? withLine(lines.labelPor, n) : chn};
        };
        CheckAmountFieldLabelled(dm, page, objCode, lines.prevPeriod, false, labels, field);
        if (lines.itemFrom > 0 && n >= lines.itemFrom)
            dm.CheckItemAmountDesc(page, objCode, false, withLine(lines.labelChn, n), field.chopped(3));
    }
}

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexAmount& amount)
{
    dm.CheckAmountField(page, objCode, false, false, Utf8(amount.labelChn), Utf8(amount.labelPor), Utf8(amount.field));
}

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexItem& item)
{
    dm.CheckItemAmountDesc(page, objCode, item.prevPeriod, Utf8(item.label), Utf8(item.prefix));
}

// ---- pension fund ----

struct PensionDetail {
    const char* field;
    const char* tailChn;
    const char* tailPor;
};

const PensionDetail kPensionDetails[] = {
    {"II_B_II", "輸入退休基金的設立日期", "insira a \"Data de adesão\"."},
    {"II_B_III", "輸入退休基金的管理實體名稱", "insira a \"Nome da entidade gestora\"."},
    {"II_B_IV", "輸入退休基金的受益人數", "insira a \"Núero de beneficiários\"."},
    {"II_B_V", "輸入僱主對退休基金的負擔百分比", "insira a \"% relativa á comparticipação da entidade patronal\"."},
    {"II_B_VI", "輸入用作計算僱主對退休基金的負擔的薪金總額",
     "insira a \"Montante salarial sobre o qual incidio o cálculo da comparticipação anual da entidade patronal\"."},
};

// With "yes" ticked every detail is needed; with no box ticked none may be given; with only
// "no" ticked the details are not looked at.
void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const PensionFund& block)
{
    const bool yes = page.fieldByName(u"II_B_I_True").asBoolean();
    const bool neither = !yes && !page.fieldByName(u"II_B_I_False").asBoolean();
    if (!yes && !neither)
        return;
    const QString notChn = neither ? QStringLiteral("勿") : QString();
    const QString notPor = neither ? QStringLiteral("não ") : QString();
    int msgNo = block.firstMsgNo;
    for (const PensionDetail& detail : kPensionDetails) {
        const qx::Field& field = page.fieldByName(Utf8(detail.field));
        const bool wrong = yes ? IsEmptyValue(field) : !IsEmptyValue(field);
        if (wrong)
            dm.AddAlert(objCode, field.fieldName(), kErrorAlert, msgNo,
                        QStringLiteral("請") + notChn + Utf8(detail.tailChn) + Utf8(block.markChn),
                        QStringLiteral("Por favor, ") + notPor + Utf8(detail.tailPor) + Utf8(block.markPor));
        ++msgNo;
    }
}

// ---- balance sheet ----

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const BalanceSheet& rule)
{
    const qx::Field& assets = page.fieldByName(Utf8(rule.assets));
    const qx::Currency a = assets.asCurrency();
    const qx::Currency b = page.fieldByName(Utf8(rule.equityAndLiabilities)).asCurrency();
    if (a != b)
        AddRuleAlert(dm, objCode, assets.fieldName(), {rule.msgNo, rule.chn, rule.por},
                     {{"a", a.toString()}, {"b", b.toString()}});
}

}  // namespace

void RunAnnexSteps(TdmMain& dm, qx::ClientDataSet& page, int objCode, std::span<const AnnexStep> steps)
{
    for (const AnnexStep& step : steps)
        std::visit([&](const auto& s) { run(dm, page, objCode, s); }, step);
}
