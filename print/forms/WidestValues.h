#pragma once
// The widest text each box of the page tables must show, from its field's type, width and display
// pattern, and the layout check of BoxFit.h run with the program's fonts.
//   amounts        the largest of the page's amount digits (kAmountDigits, or its `amounts`
//                  record) in the field's display pattern, positive and negative (separators,
//                  parentheses and the blank behind a positive value): "(9,999,999,999)"
//   rates          100 %: "100.00%"; the reduction percentage of M/1 0 to 100 with four decimals
//   numbers        never negative: their bound ("99999999" for the taxpayer number), the digits
//                  of a zero-padded pattern (the year), one digit for a face, four for counts
//                  (sheets, months)
//   dates          on screen the field's pattern; on paper the pattern of the box's date box
//                  ("yyyy     mm    dd") where it has one
//   ticks          "X" on paper
//   texts          codes of up to five characters their full width ("WWWWW"); longer texts their
//                  length in characters, on paper only (on screen the edit scrolls)

#include "platform/layout/BoxFit.h"

#include <optional>

namespace qx {
struct FieldDef;
}
class QFont;

// The widest text of a field on screen (its display text) in a page whose amounts show
// `amountDigits` digits; nothing for a field whose text has no bound (a long text).
std::optional<qx::WidestValue> WidestOfField(const qx::FieldDef& field, int amountDigits);

// What `box` of `page` must show on screen and on paper.
qx::BoxWidest WidestOfBox(const qx::PageLayout& page, const qx::Box& box);

// Widths in the program's fonts: on paper the report engine's print font of the report pages'
// family, on screen the editors' font (platform/widgets/ScreenFonts).
qx::TextWidths ProgramTextWidths();

// The width of a value in `font` (an exact text, or so many characters of the font's average
// width, or half as many Chinese ones, whichever is wider).
double TextWidthIn(const QFont& font, const qx::WidestValue& value);

// checkBoxFits of the page with the two above.
QStringList CheckBoxFits(const qx::PageLayout& page);
