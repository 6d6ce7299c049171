#include "print/dialog/PageItemDelegate.h"

#include <QPainter>

namespace {
constexpr int kBoxSize = 11;
constexpr int kBoxLeft = 2;
}  // namespace

void PageItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QPalette& pal = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const bool enabled = index.data(EnabledRole).toBool();
    const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, selected ? pal.highlight() : pal.base());

    const QRect box(r.left() + kBoxLeft, r.top() + (r.height() - kBoxSize) / 2, kBoxSize, kBoxSize);
    painter->fillRect(box, pal.base());
    painter->setPen(pal.color(QPalette::Mid));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (ticked) {
        painter->setPen(QPen(pal.color(QPalette::Text), 2));
        painter->drawPolyline(QPolygon({box.topLeft() + QPoint(2, 5), box.topLeft() + QPoint(4, 8),
                                        box.topLeft() + QPoint(9, 2)}));
    }

    QColor text = pal.color(QPalette::Disabled, QPalette::Text);
    if (enabled)
        text = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::WindowText);
    painter->setPen(text);
    painter->setFont(option.font);
    const QRect textRect = r.adjusted(box.right() + 1 + 2 - r.left(), 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}

QSize PageItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width() + kBoxLeft + kBoxSize + 2, ItemHeight};
}
