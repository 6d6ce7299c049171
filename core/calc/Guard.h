#pragma once
// Guarded steps of the calculation handlers. A step computes one calculated amount; when its
// arithmetic fails (a result outside the currency range, or any other arithmetic fault) the
// target is flagged instead: it holds 0, is listed in the record's overflow_fields and shows
// asterisks. A target flagged earlier in the same calculation keeps its 0: a later step on it
// does nothing, so no overflowed line ever feeds a wrong value into the lines built on it.
//
//     Guarded(*this, r32, [&] { return r21.asCurrency() - r32.asCurrency(); });

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

// target := compute(), guarded.
template <class Compute>
void Guarded(TdmMain& dm, qx::Field& target, Compute&& compute)
{
    GuardedStep(dm, target, [&] { target.setAsCurrency(compute()); });
}
