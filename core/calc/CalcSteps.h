#pragma once
// A page's calculation written as a table of steps. Each step computes one calculated amount of
// the page, in table order, so a later step reads what an earlier one has just stored:
//   series   target := sum of the fields a name pattern with "%d" gives for first..last;
//   formula  target := "a + b - c ..." over fields of the page (or of one other page), evaluated
//            exactly and stored once, so only a result outside the currency range overflows;
//   copy     target := a field of another page (or of the page itself), never guarded;
//   product  target := a field of the page times a fixed rate, rounded to the currency's four
//            decimals (see ProductStep).
// Series, formulas and products are guarded: an overflow leaves the target at 0 and lists it in
// the page's overflow_fields, and a later guarded step on a target flagged so leaves it at 0, so
// several steps may build one field in stages (a running difference). A step marked
// withPrevPeriod is followed by its previous-period twin: the target and every name it reads with
// "_per_ant" appended.

#include <cstdint>
#include <span>

class TdmMain;
namespace qx {
class ClientDataSet;
}

enum class CalcKind { Series, Formula, Copy, Product };

struct CalcStep {
    CalcKind kind;
    const char* target;
    const char* operand;               // series: pattern; formula: expression; copy, product: field
    int first = 0;                     // series range
    int last = 0;
    const char* sourcePage = nullptr;  // formula and copy: component name; nullptr: the page itself
    bool withPrevPeriod = false;       // series and formula: the _per_ant twin follows
    std::int64_t rate = 0;             // product: the rate in ten-thousandths (Percent(2) is 0.02)
};

constexpr std::int64_t Percent(int percent)
{
    return std::int64_t{percent} * 100;
}

constexpr CalcStep SeriesStep(const char* target, const char* pattern, int first, int last)
{
    return {CalcKind::Series, target, pattern, first, last};
}
constexpr CalcStep FormulaStep(const char* target, const char* expression)
{
    return {CalcKind::Formula, target, expression};
}
constexpr CalcStep FormulaOfPage(const char* target, const char* page, const char* expression)
{
    return {CalcKind::Formula, target, expression, 0, 0, page};
}
constexpr CalcStep CopyOfPage(const char* target, const char* page, const char* field)
{
    return {CalcKind::Copy, target, field, 0, 0, page};
}
constexpr CalcStep CopyOwn(const char* target, const char* field)
{
    return {CalcKind::Copy, target, field};
}
// target := field × rate. The exact product is rounded to four decimals, halves away from zero
// (0.0025 at 2 % is 0.00005, stored as 0.0001; -0.0025 gives -0.0001), as RoundHalfUp rounds.
constexpr CalcStep ProductStep(const char* target, const char* field, std::int64_t rate)
{
    return {CalcKind::Product, target, field, 0, 0, nullptr, false, rate};
}
// The step followed by its previous-period twin.
constexpr CalcStep WithPrevPeriod(CalcStep step)
{
    step.withPrevPeriod = true;
    return step;
}

// Empties the page's overflow_fields, then runs the steps in order.
void RunCalcSteps(TdmMain& dm, qx::ClientDataSet& page, std::span<const CalcStep> steps);
