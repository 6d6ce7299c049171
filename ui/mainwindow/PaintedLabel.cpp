#include "ui/mainwindow/PaintedLabel.h"

#include <QPainter>

PaintedLabel::PaintedLabel(Paint paint, QWidget* parent) : QLabel(parent), paint_(std::move(paint)) {}

void PaintedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint_(painter, rect());
}
