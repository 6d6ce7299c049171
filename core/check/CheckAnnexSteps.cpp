#include "core/check/CheckAnnexSteps.h"

#include "core/check/OverflowNames.h"
#include "core/module/TdmMain.h"

namespace {

constexpr int kError = 10;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString withLine(const char* utf8Pattern, int n)
{
    return text(utf8Pattern).replace(QLatin1String("{n}"), QString::number(n));
}

// ---- amount and item checks ----

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexLines& lines)
{
    for (int n = lines.first; n <= lines.last; ++n) {
        const QString field = withLine(lines.field, n);
        const QString labelChn = withLine(lines.labelChn, n);
        const QString labelPor = lines.labelPor ? withLine(lines.labelPor, n) : labelChn;
        dm.CheckAmountField(page, objCode, lines.prevPeriod, false, labelChn, labelPor, field);
        if (lines.itemFrom > 0 && n >= lines.itemFrom)
            dm.CheckItemAmountDesc(page, objCode, false, labelChn, field.chopped(3));
    }
}

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexAmount& amount)
{
    dm.CheckAmountField(page, objCode, false, false, text(amount.labelChn), text(amount.labelPor), text(amount.field));
}

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const AnnexItem& item)
{
    dm.CheckItemAmountDesc(page, objCode, item.prevPeriod, text(item.label), text(item.prefix));
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

// A detail counts as not given: a date that is null, an empty text, a number or amount of 0.
bool isNotGiven(const qx::Field& field)
{
    switch (field.dataType()) {
    case qx::FieldType::String: return field.asString().isEmpty();
    case qx::FieldType::Integer:
    case qx::FieldType::LargeInt: return field.asLargeInt() == 0;
    case qx::FieldType::Currency: return field.asCurrency().isZero();
    default: return field.isNull();
    }
}

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
        const qx::Field& field = page.fieldByName(text(detail.field));
        const bool wrong = yes ? isNotGiven(field) : !isNotGiven(field);
        if (wrong)
            dm.AddAlert(objCode, field.fieldName(), kError, msgNo,
                        QStringLiteral("請") + notChn + text(detail.tailChn) + text(block.markChn),
                        QStringLiteral("Por favor, ") + notPor + text(detail.tailPor) + text(block.markPor));
        ++msgNo;
    }
}

// ---- balance sheet ----

bool isPreviousPeriod(const QString& name) { return name.endsWith(QLatin1String("_per_ant"), Qt::CaseInsensitive); }

// A calculated amount of the period that did not fit counts as 0 in the totals built on it, so
// the totals of that period say nothing about the balance; the overflow finding stands instead.
bool periodOverflowed(const qx::ClientDataSet& page, bool previous)
{
    const qx::Field* list = page.findField(u"overflow_fields");
    if (!list)
        return false;
    for (const QString& name : OverflowFieldNames(list->asString()))
        if (isPreviousPeriod(name) == previous)
            return true;
    return false;
}

void run(TdmMain& dm, qx::ClientDataSet& page, int objCode, const BalanceSheet& rule)
{
    const qx::Field& assets = page.fieldByName(text(rule.assets));
    const qx::Field& other = page.fieldByName(text(rule.equityAndLiabilities));
    const qx::Currency a = assets.asCurrency();
    const qx::Currency b = other.asCurrency();
    if (a == b || periodOverflowed(page, isPreviousPeriod(assets.fieldName())))
        return;
    auto fill = [&](const char* tmpl) {
        return text(tmpl).replace(QLatin1String("{a}"), a.toString()).replace(QLatin1String("{b}"), b.toString());
    };
    dm.AddAlert(objCode, assets.fieldName(), kError, rule.msgNo, fill(rule.chn), fill(rule.por));
}

}  // namespace

void RunAnnexSteps(TdmMain& dm, qx::ClientDataSet& page, int objCode, std::span<const AnnexStep> steps)
{
    for (const AnnexStep& step : steps)
        std::visit([&](const auto& s) { run(dm, page, objCode, s); }, step);
}
