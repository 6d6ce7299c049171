#pragma once
// Binds a report band's data texts to an editor page's fields by position: the n-th control in
// reading order of the page (lines from top to bottom, left to right in a line; a line gathers
// every control within 5 pixels below its first) gets paired with the n-th data text of the band
// whose Left lies in minLeft..maxLeft, and the data text takes the control's dataset and field.
// Uses the working tables cdsFormField and cdsRptField of dmMain. A count mismatch (PS-001) binds
// nothing; a line mismatch (PS-002) stops at the first differing pair. Both then show FormAutoMap.

#include "print/binding/EditorPageControls.h"

#include <functional>

namespace qx::report {
class ReportBand;
}

bool BindReportFields(const EditorPageControls& scrollBox, qx::report::ReportBand& band, int minLeft, int maxLeft);

// How FormAutoMap is shown after a mismatch (the two working tables side by side). The default
// shows the window modally; tests and tools install their own (an empty function restores it).
void SetAutoMapPresenter(std::function<void()> show);
