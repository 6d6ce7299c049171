#pragma once
// Which editor page binds which report band, as each editor does at its first paint: the scroll
// box, the report page and band, and the range of Left of the band's data texts that belong to the
// page (the M/1 A3 back band carries pages 2 and 3).

#include <vector>

class ReportForms;
class TdmMain;

struct EditorBindingSpec {
    const char* editor;     // "TFormFillM1"
    const char* scrollBox;  // "ScrollBoxP1"
    const char* layout;     // the editor page's layout, "M1P1"
    const char* form;       // "FormRpt_M1"
    const char* page;       // "QuickRepP1"
    int minLeft;
    int maxLeft;            // -1: the band's width
};

// The twenty bindings, editor by editor.
const std::vector<EditorBindingSpec>& EditorBindingSpecs();

// Binds every report page to its editor page laid out from the page layouts, as the editors' first
// paints do; true when every binding was clean.
bool BindReportPagesFromLayouts(ReportForms& forms, const TdmMain& dm);
