// Runs a page's table of calculation steps.
#include "core/calc/CalcSteps.h"

#include "core/calc/Guard.h"
#include "core/module/TdmMain.h"
#include "platform/data/Currency.h"
#include "platform/data/ExactSum.h"

#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

struct Term {
    bool negative = false;
    QString field;
};

// A step with its names spelled out (the current-period step or its previous-period twin).
struct Resolved {
    QString target;
    QString operand;
};

// "a + b - c": names separated by blanks and signs. A malformed expression is a fault of the
// step table and stops the calculation.
std::vector<Term> parseFormula(const QString& expression)
{
    const QStringList tokens = expression.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() % 2 == 0)
        throw std::invalid_argument("malformed formula: " + expression.toStdString());
    std::vector<Term> terms;
    for (qsizetype i = 0; i < tokens.size(); i += 2) {
        const QString sign = i > 0 ? tokens.at(i - 1) : QStringLiteral("+");
        if (sign != QLatin1String("+") && sign != QLatin1String("-"))
            throw std::invalid_argument("malformed formula: " + expression.toStdString());
        terms.push_back({sign == QLatin1String("-"), tokens.at(i)});
    }
    return terms;
}

QString prevPeriodName(const QString& name)
{
    const bool input = !name.isEmpty() && name.at(0).isUpper();
    return name + (input ? QStringLiteral("_Per_Ant") : QStringLiteral("_per_ant"));
}

QString prevPeriodExpression(const QString& expression)
{
    QStringList out;
    for (const QString& token : expression.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << (token == QLatin1String("+") || token == QLatin1String("-") ? token : prevPeriodName(token));
    return out.join(QLatin1Char(' '));
}

// The exact signed sum, stored once: only a result outside the currency range overflows, not a
// partial sum on the way to it.
qx::Currency formulaValue(const qx::ClientDataSet& source, const std::vector<Term>& terms)
{
    qx::ExactSum total;
    for (const Term& t : terms) {
        const qx::Currency value = source.fieldByName(t.field).asCurrency();
        if (t.negative)
            total -= value;
        else
            total += value;
    }
    return total.toCurrency();
}

// amount × rate (rate in ten-thousandths), exact, then rounded to four decimals with halves away
// from zero: the product of two four-decimal numbers has eight.
qx::Currency productValue(qx::Currency amount, std::int64_t rate)
{
    __extension__ using Wide = __int128;
    const Wide exact = Wide{amount.raw()} * rate;
    Wide rounded = exact / qx::Currency::kScale;
    const Wide dropped = exact % qx::Currency::kScale;
    if (dropped * 2 >= qx::Currency::kScale)
        ++rounded;
    else if (dropped * 2 <= -qx::Currency::kScale)
        --rounded;
    if (rounded > INT64_MAX || rounded < INT64_MIN)
        throw qx::CurrencyOverflow("currency overflow");
    return qx::Currency::fromRaw(static_cast<std::int64_t>(rounded));
}

bool hasRecord(const qx::ClientDataSet& ds)
{
    switch (ds.state()) {
    case qx::DataSetState::Edit:
    case qx::DataSetState::Insert:
        return true;
    case qx::DataSetState::Browse:
        return !ds.isEmpty();
    case qx::DataSetState::Inactive:
        break;
    }
    return false;
}

// The page a step reads: the page itself, or the named one when it is open with a record.
// A source page that is closed or empty contributes nothing (0).
const qx::ClientDataSet* sourceOf(const TdmMain& dm, const qx::ClientDataSet& page, const CalcStep& step)
{
    if (!step.sourcePage)
        return &page;
    const qx::ClientDataSet* source = dm.DataSetByName(QString::fromLatin1(step.sourcePage));
    return source && hasRecord(*source) ? source : nullptr;
}

void runStep(TdmMain& dm, qx::ClientDataSet& page, const CalcStep& step, const Resolved& names)
{
    qx::Field& target = page.fieldByName(names.target);
    switch (step.kind) {
    case CalcKind::Series:
        dm.AddFieldSeries(target, names.operand, step.first, step.last);
        return;
    case CalcKind::Formula: {
        const std::vector<Term> terms = parseFormula(names.operand);
        const qx::ClientDataSet* source = sourceOf(dm, page, step);
        Guarded(dm, target, [&] { return source ? formulaValue(*source, terms) : qx::Currency(); });
        return;
    }
    case CalcKind::Copy: {
        const qx::ClientDataSet* source = sourceOf(dm, page, step);
        target.setAsCurrency(source ? source->fieldByName(names.operand).asCurrency() : qx::Currency());
        return;
    }
    case CalcKind::Product: {
        const qx::Field& amount = page.fieldByName(names.operand);
        Guarded(dm, target, [&] { return productValue(amount.asCurrency(), step.rate); });
        return;
    }
    }
}

Resolved prevPeriodOf(const CalcStep& step, const Resolved& current)
{
    const QString operand = step.kind == CalcKind::Formula ? prevPeriodExpression(current.operand)
                                                           : prevPeriodName(current.operand);
    return {prevPeriodName(current.target), operand};
}

}  // namespace

void RunCalcSteps(TdmMain& dm, qx::ClientDataSet& page, std::span<const CalcStep> steps)
{
    ClearOverflowList(page);
    for (const CalcStep& step : steps) {
        const Resolved current{QLatin1String(step.target), QLatin1String(step.operand)};
        runStep(dm, page, step, current);
        if (step.withPrevPeriod)
            runStep(dm, page, step, prevPeriodOf(step, current));
    }
}
