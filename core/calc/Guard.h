#pragma once
// Guarded steps of the calculation handlers. A step computes one calculated amount; when its
// arithmetic fails (a result outside the currency range, or any other arithmetic fault) the
// target is flagged instead: it holds 0, is listed in the record's overflow_fields and shows
// asterisks. A target flagged earlier in the same calculation keeps its 0: a later step on it
// does nothing. And a step that reads a flagged line flags its target in turn, so no overflowed
// line ever feeds its 0 into the lines built on it as if it were a figure.
//
//     Guarded(*this, r32, {&r21}, [&] { return r21.asCurrency() - r32.asCurrency(); });

#include "core/calc/OverflowList.h"
#include "core/module/TdmMain.h"

#include <stdexcept>

// GuardedStep for a caller that already knows whether `target` is flagged.
template <class Step>
void GuardedStepUnlessFlagged(TdmMain& dm, qx::Field& target, bool flagged, Step&& step)
{
    if (flagged)
        return;
    try {
        step();
    } catch (const std::overflow_error&) {  // qx::CurrencyOverflow among them
        dm.FlagOverflow(target);
    } catch (const std::underflow_error&) {
        dm.FlagOverflow(target);
    } catch (const std::domain_error&) {  // an invalid operation, such as a division by zero
        dm.FlagOverflow(target);
    }
}

// Runs `step`, which may write the target and other fields itself; flags `target` on an
// arithmetic fault. Other exceptions pass on. Does nothing when `target` is already flagged.
template <class Step>
void GuardedStep(TdmMain& dm, qx::Field& target, Step&& step)
{
    GuardedStepUnlessFlagged(dm, target, IsOverflowFlagged(target), step);
}

// target := compute(), guarded. For a computation that reads only input fields, which are
// never flagged.
template <class Compute>
void Guarded(TdmMain& dm, qx::Field& target, Compute&& compute)
{
    GuardedStep(dm, target, [&] { target.setAsCurrency(compute()); });
}

// target := compute(), guarded, where compute() reads the calculated lines `reads` (nullptr
// entries are skipped): when one of them is flagged, so is the target.
template <class Compute>
void Guarded(TdmMain& dm, qx::Field& target, std::initializer_list<const qx::Field*> reads, Compute&& compute)
{
    if (AnyOverflowFlagged(reads))
        dm.FlagOverflow(target);
    else
        Guarded(dm, target, compute);
}

// target := source (a line of another page or of the same one); flagged when source is.
inline void CopyLine(TdmMain& dm, qx::Field& target, const qx::Field& source)
{
    if (IsOverflowFlagged(source))
        dm.FlagOverflow(target);
    else
        target.setValue(source.value());
}
