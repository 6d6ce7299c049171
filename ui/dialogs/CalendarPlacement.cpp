#include "ui/dialogs/CalendarPlacement.h"

QPoint CalendarPosition(const QRect& edit, const QSize& calendar, const QRect& available)
{
    QPoint offset(-2, edit.height() - 2);
    const QPoint p = edit.topLeft() + offset;
    const int areaRight = available.x() + available.width();
    const int areaBottom = available.y() + available.height();
    if (areaRight < p.x() + calendar.width())
        offset.setX(edit.width() - calendar.width() + 2);
    if (areaBottom < p.y() + calendar.height())
        offset.setY(2 - calendar.height());
    return edit.topLeft() + offset;
}
