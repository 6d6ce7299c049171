#pragma once
// The page scrolls to the box that takes the focus, never centring it: a box (or its caret, or a
// grid's current cell) is brought into view by the least move; a widget wider or taller than the
// view, which the view already shows in part, leaves the page where it is on that axis, and one
// out of view is shown from its start.

class QScrollArea;
class QWidget;

// Scrolls `box` so that `focused`, a widget on its canvas, is in view.
void ScrollFocusIntoView(QScrollArea& box, QWidget& focused);
