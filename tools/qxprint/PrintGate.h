#pragma once
// What the print dialog does on showing before it lists pages: recompute every page after the
// pages that feed it, validate the whole declaration, and list the pages with errors, which block
// a final print of every page.

#include <QList>

class TdmMain;

// The page codes with an error alert, in the gate's order; empty when a final print is allowed.
QList<int> RecalcCheckAndGate(TdmMain& dm);
