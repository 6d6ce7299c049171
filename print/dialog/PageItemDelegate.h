#pragma once
// Draws an item of the print dialog's page list: the tick of a page printed for real, then the
// text 2 pixels further, in the highlight-text colour when selected, grey when the item cannot
// print, else in the window-text colour.

#include <QStyledItemDelegate>

class PageItemDelegate final : public QStyledItemDelegate {
public:
    // The item's data under this role is false for an item that cannot print.
    static constexpr int EnabledRole = Qt::UserRole + 1;
    static constexpr int ItemHeight = 16;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
