#include "ui/framework/FocusScroll.h"

#include <QAbstractItemView>
#include <QScrollArea>
#include <QScrollBar>
#include <QVariant>

namespace {

// The scroll value that shows [start, start + length) in a view `view` pixels long now at `value`.
int scrollValueShowing(int value, int view, int start, int length)
{
    const int end = start + length;
    if (length > view) {
        const bool partShown = start < value + view && end > value;
        return partShown ? value : start;
    }
    if (start < value)
        return start;
    if (end > value + view)
        return end - view;
    return value;
}

// What the focus points at: the widget's own input spot (a caret, a current cell) where it has
// one, else the whole widget; in the canvas's coordinates. A grid tells its current cell in the
// coordinates of its viewport, which lies right of its row header and inside its frame.
QRect focusRect(QWidget& focused, QWidget& canvas)
{
    const QRect spot = focused.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QRect plain = focused.QWidget::inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (spot == plain)
        return {focused.mapTo(&canvas, QPoint()), focused.size()};
    const auto* grid = qobject_cast<QAbstractItemView*>(&focused);
    const QWidget& origin = grid ? *grid->viewport() : focused;
    return {origin.mapTo(&canvas, spot.topLeft()), spot.size()};
}

}  // namespace

void ScrollFocusIntoView(QScrollArea& box, QWidget& focused)
{
    QWidget* canvas = box.widget();
    if (!canvas || !canvas->isAncestorOf(&focused))
        return;
    const QRect r = focusRect(focused, *canvas);
    const QSize view = box.viewport()->size();
    QScrollBar& h = *box.horizontalScrollBar();
    QScrollBar& v = *box.verticalScrollBar();
    h.setValue(scrollValueShowing(h.value(), view.width(), r.x(), r.width()));
    v.setValue(scrollValueShowing(v.value(), view.height(), r.y(), r.height()));
}
