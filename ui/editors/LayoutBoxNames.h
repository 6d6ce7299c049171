#pragma once
// The names a page gives its boxes, read from the page's layout: a box is called by the label or
// line number printed left of it on its line, with the heading of its column where the line's
// boxes stand in columns ("I.5 上期" / "I.5 Período anterior"); a printed list's sum or carried
// total by its kind and the column it totals ("總計 (1) 購入價值" / "Total (1) Valor de
// aquisição"); a grid's column by the words of its heading cell.

#include "core/util/RefusedInputMsg.h"

#include <QString>
#include <map>

namespace qx {
struct Box;
struct PageLayout;
}

// Empty names when nothing on the page names the box.
BoxName LayoutBoxName(const qx::PageLayout& layout, const qx::Box& box);
// The name of every column box of a grid heading, by field.
std::map<QString, BoxName> HeadingColumnNames(const qx::PageLayout& heading);
