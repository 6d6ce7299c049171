#pragma once
// Sets one colour role of a widget's palette (background, text, ...).

#include <QColor>
#include <QPalette>
#include <QWidget>

inline void SetWidgetColor(QWidget& widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}
