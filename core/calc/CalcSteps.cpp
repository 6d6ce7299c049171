// Runs a page's table of calculation steps.
#include "core/calc/CalcSteps.h"

#include "core/calc/FieldSeries.h"
#include "core/calc/Guard.h"
#include "core/module/TdmMain.h"
#include "platform/data/Currency.h"
#include "platform/data/ExactSum.h"

#include <QStringList>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
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

// A step with every name looked up: the target, the fields it reads (series addends, formula
// terms, the copied or multiplied field) and the page they are on.
struct Operand {
    FieldRef field;
    bool negative = false;
};

struct PlannedStep {
    const CalcStep* step = nullptr;
    FieldRef target;
    std::vector<FieldRef> addends;   // series
    std::vector<Operand> operands;   // formula, copy, product
    int source = -1;          // index into Plan::sources; -1: the page itself
    std::string malformed;    // a formula the step table got wrong: raised when the step runs
};

struct SourcePage {
    QString name;
    qx::ClientDataSet* page = nullptr;  // nullptr: the data module has no such page
    std::uint64_t stamp = 0;
    const qx::Field* overflowList = nullptr;  // the page's overflow_fields, if it has one
};

// A page's step table looked up for one page and data module; valid while none of their
// fields has been rebuilt (the stamps) and the data module is the same one (its settings
// record's stamp, which no other data module ever has).
struct Plan {
    std::uint64_t pageStamp = 0;
    std::uint64_t moduleStamp = 0;
    std::vector<SourcePage> sources;
    FieldRef overflowList;
    std::vector<PlannedStep> steps;  // previous-period twins in their places
};

void lookUpOperands(PlannedStep& planned, const qx::ClientDataSet& reads, const Resolved& names)
{
    const CalcStep& step = *planned.step;
    switch (step.kind) {
    case CalcKind::Series:
        planned.addends = SeriesFields(reads, names.operand, step.first, step.last);
        break;
    case CalcKind::Formula:
        try {
            for (const Term& t : parseFormula(names.operand))
                planned.operands.push_back({LookUpField(reads, t.field), t.negative});
        } catch (const std::invalid_argument& e) {
            planned.malformed = e.what();
        }
        break;
    case CalcKind::Copy:
    case CalcKind::Product:
        planned.operands.push_back({LookUpField(reads, names.operand)});
        break;
    }
}

int sourceIndex(Plan& plan, const TdmMain& dm, const CalcStep& step)
{
    if (!step.sourcePage)
        return -1;
    const QString name = QString::fromLatin1(step.sourcePage);
    for (std::size_t i = 0; i < plan.sources.size(); ++i)
        if (plan.sources[i].name == name)
            return int(i);
    qx::ClientDataSet* page = dm.DataSetByName(name);
    plan.sources.push_back({name, page, page ? page->fieldsStamp() : 0,
                            page ? page->findField(u"overflow_fields") : nullptr});
    return int(plan.sources.size() - 1);
}

void addPlannedStep(Plan& plan, const TdmMain& dm, qx::ClientDataSet& page, const CalcStep& step,
                    const Resolved& names)
{
    PlannedStep planned;
    planned.step = &step;
    planned.target = LookUpField(page, names.target);
    planned.source = step.kind == CalcKind::Series ? -1 : sourceIndex(plan, dm, step);
    const qx::ClientDataSet* reads = planned.source < 0 ? &page : plan.sources[std::size_t(planned.source)].page;
    if (reads)
        lookUpOperands(planned, *reads, names);
    else if (step.kind == CalcKind::Formula)
        lookUpOperands(planned, page, names);  // only to know whether the formula is well formed
    plan.steps.push_back(std::move(planned));
}

Resolved prevPeriodOf(const CalcStep& step, const Resolved& current)
{
    const QString operand = step.kind == CalcKind::Formula ? prevPeriodExpression(current.operand)
                                                           : prevPeriodName(current.operand);
    return {prevPeriodName(current.target), operand};
}

std::uint64_t moduleStamp(const TdmMain& dm) { return dm.cdsSys.fieldsStamp(); }

Plan makePlan(const TdmMain& dm, qx::ClientDataSet& page, std::span<const CalcStep> steps)
{
    Plan plan;
    plan.pageStamp = page.fieldsStamp();
    plan.moduleStamp = moduleStamp(dm);
    plan.overflowList = LookUpField(page, QStringLiteral("overflow_fields"));
    for (const CalcStep& step : steps) {
        const Resolved current{QLatin1String(step.target), QLatin1String(step.operand)};
        addPlannedStep(plan, dm, page, step, current);
        if (step.withPrevPeriod)
            addPlannedStep(plan, dm, page, step, prevPeriodOf(step, current));
    }
    return plan;
}

bool stillValid(const Plan& plan, const TdmMain& dm, const qx::ClientDataSet& page)
{
    if (plan.pageStamp != page.fieldsStamp() || plan.moduleStamp != moduleStamp(dm))
        return false;
    for (const SourcePage& source : plan.sources)
        if (source.page && source.page->fieldsStamp() != source.stamp)
            return false;
    return true;
}

// The plan of a step table for this page, made on first use and again whenever it no longer holds.
// Shared, so that a calculation set off meanwhile may replace it without pulling it away.
std::shared_ptr<const Plan> planFor(const TdmMain& dm, qx::ClientDataSet& page, std::span<const CalcStep> steps)
{
    thread_local std::unordered_map<const CalcStep*, std::shared_ptr<const Plan>> plans;
    std::shared_ptr<const Plan>& plan = plans[steps.data()];
    if (!plan || !stillValid(*plan, dm, page))
        plan = std::make_shared<const Plan>(makePlan(dm, page, steps));
    return plan;
}

// The page a step reads: the page itself, or its source page when that is open with a record.
// A source page that is closed, empty or unknown contributes nothing (0).
const qx::ClientDataSet* readPage(const Plan& plan, const qx::ClientDataSet& page, const PlannedStep& step)
{
    if (step.source < 0)
        return &page;
    const qx::ClientDataSet* source = plan.sources[std::size_t(step.source)].page;
    return source && hasRecord(*source) ? source : nullptr;
}

// The exact signed sum, stored once: only a result outside the currency range overflows, not a
// partial sum on the way to it.
qx::Currency formulaValue(const qx::ClientDataSet& source, const PlannedStep& step)
{
    qx::ExactSum total;
    for (const Operand& term : step.operands) {
        const qx::Currency value = FieldOf(source, term.field).asCurrency();
        if (term.negative)
            total -= value;
        else
            total += value;
    }
    return total.toCurrency();
}

// True when a line the step reads (a formula term, the copied or multiplied line) is flagged on
// its page: the target is then flagged too.
bool readsFlaggedLine(const Plan& plan, const qx::ClientDataSet& source, const PlannedStep& step)
{
    const qx::Field* list = step.source < 0 ? plan.overflowList.field : plan.sources[std::size_t(step.source)].overflowList;
    if (!list)
        return false;
    for (const Operand& operand : step.operands)
        if (IsListedIn(list, FieldOf(source, operand.field)))
            return true;
    return false;
}

void runStep(TdmMain& dm, const Plan& plan, qx::ClientDataSet& page, const PlannedStep& step)
{
    qx::Field& target = FieldOf(page, step.target);
    const auto flagged = [&] { return IsListedIn(plan.overflowList.field, target); };
    if (step.step->kind != CalcKind::Series) {
        const qx::ClientDataSet* source = readPage(plan, page, step);
        if (source && readsFlaggedLine(plan, *source, step)) {
            dm.FlagOverflow(target);
            return;
        }
    }
    switch (step.step->kind) {
    case CalcKind::Series:
        AddSeries(dm, target, step.addends, flagged());
        return;
    case CalcKind::Formula: {
        if (!step.malformed.empty())
            throw std::invalid_argument(step.malformed);
        const qx::ClientDataSet* source = readPage(plan, page, step);
        GuardedStepUnlessFlagged(dm, target, flagged(), [&] {
            target.setAsCurrency(source ? formulaValue(*source, step) : qx::Currency());
        });
        return;
    }
    case CalcKind::Copy: {
        const qx::ClientDataSet* source = readPage(plan, page, step);
        target.setAsCurrency(source ? FieldOf(*source, step.operands.front().field).asCurrency() : qx::Currency());
        return;
    }
    case CalcKind::Product: {
        const qx::Field& amount = FieldOf(page, step.operands.front().field);
        GuardedStepUnlessFlagged(dm, target, flagged(), [&] {
            target.setAsCurrency(productValue(amount.asCurrency(), step.step->rate));
        });
        return;
    }
    }
}

}  // namespace

void RunCalcSteps(TdmMain& dm, qx::ClientDataSet& page, std::span<const CalcStep> steps)
{
    const std::shared_ptr<const Plan> plan = planFor(dm, page, steps);
    FieldOf(page, plan->overflowList).setAsString(QString());
    for (const PlannedStep& step : plan->steps)
        runStep(dm, *plan, page, step);
}
