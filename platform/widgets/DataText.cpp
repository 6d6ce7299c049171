#include "platform/widgets/DataText.h"

DataText::DataText(QWidget* parent) : QLabel(parent), DataAware(this)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void DataText::setAutoSize(bool on)
{
    autoSize_ = on;
    fitToText();
}

void DataText::setTransparent(bool on)
{
    setAutoFillBackground(!on);
    update();
}

void DataText::setBackgroundColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor DataText::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void DataText::refresh()
{
    const qx::Field* f = boundField();
    const QString shown = f ? f->displayText() : QString();
    if (shown == text())
        return;
    setText(shown);
    fitToText();
}

void DataText::fitToText()
{
    if (!autoSize_)
        return;
    const QSize wanted(qMax(1, fontMetrics().horizontalAdvance(text()) + 2 * margin() + 2), sizeHint().height());
    QRect g = geometry();
    if (alignment() & Qt::AlignRight)
        g.setLeft(g.right() + 1 - wanted.width());
    else
        g.setWidth(wanted.width());
    g.setHeight(wanted.height());
    setGeometry(g);
}
