#pragma once
// Brings the whole declaration up to date before printing: every page recomputed after the pages
// that feed it, then the whole declaration validated into the alert list.

class TdmMain;

void RecalcAndCheckForPrint(TdmMain& dm);
