#pragma once
// Room for every value: each box of a page table against the widest text it must show, on the
// editor page and on paper. The caller says what each box must show and how wide a text is in the
// fonts (this library knows neither fields nor fonts); the rule is here:
//   paper   an exact text (an amount, a number, a date in its pattern, a code) fits the box at
//           the box's printed font; a free text of N characters fits at the print floor, unless
//           its row marks it `cut` (a long text that may be cut, see resources/layouts/README.md);
//   screen  an exact text fits the control at the box's editor font (editorFontPx), less the
//           control's margins; free texts scroll in their edits.

#include "platform/layout/PageLayout.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace qx {

// The largest amount every amount box shows whole, in digits, unless its page's `amounts` record
// says fewer: 9,999,999,999.
inline constexpr int kAmountDigits = 10;

// What the editor page's controls need besides their text, in pixels: a line edit keeps 2 on each
// side and one for its cursor; a read-only text grows 2 wider than its text.
inline constexpr int kEditMarginPx = 5;
inline constexpr int kTextMarginPx = 2;

struct WidestValue {
    QString text;        // the exact widest text
    int characters = 0;  // else: a free text of this many characters
    bool exact() const { return characters == 0; }
};

// What a box must show on each medium; nothing where it shows nothing there.
struct BoxWidest {
    std::optional<WidestValue> screen;
    std::optional<WidestValue> paper;
};

// Widths in pixels of a value: printed at a font height in report pixels, or on the editor page at
// a font height in screen pixels (bold: a read-only text); and the smallest printed font height a
// text shrinks to before it is cut (the print floor).
struct TextWidths {
    std::function<double(const WidestValue&, int reportPx)> paper;
    std::function<double(const WidestValue&, int editorPx, bool bold)> screen;
    int paperFloorPx = 8;
};

// The width a box has for its text: on paper its width in report pixels; on the editor page its
// control's width less the control's margins.
int paperRoomPx(const PageLayout& page, const Box& box);
int screenRoomPx(const PageLayout& page, const Box& box);

// Every box of the page too narrow for its widest value, one text each.
QStringList checkBoxFits(const PageLayout& page, const std::function<BoxWidest(const Box&)>& widestOf,
                         const TextWidths& widths);

}  // namespace qx
