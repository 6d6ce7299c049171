#pragma once
// An editor page's controls as its page layout lays them out over the page picture: every
// data-aware box at its editor pixels, with its dataset and field. What the editor page holds,
// without the widgets: the binding needs only these rows.

#include "print/binding/EditorPageControls.h"

namespace qx {
struct PageLayout;
}
class TdmMain;

EditorPageControls LayoutPageControls(const qx::PageLayout& layout, const QString& scrollBoxName, const TdmMain& dm);
