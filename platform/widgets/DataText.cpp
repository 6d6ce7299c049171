#include "platform/widgets/DataText.h"

#include "platform/widgets/WholeOrMarks.h"
#include "platform/widgets/WidgetColor.h"

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
    SetWidgetColor(*this, QPalette::Window, color);
}

QColor DataText::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void DataText::refresh()
{
    const qx::Field* f = boundField();
    QString shown = f ? f->displayText() : QString();
    if (f && ShowsWhole(f->dataType()) && maximumWidth() < QWIDGETSIZE_MAX)
        shown = WholeOrMarks(shown, fontMetrics(), maximumWidth() - 2 * margin() - 2);
    if (shown == text())
        return;
    setText(shown);
    fitToText();
}

void DataText::fitToText()
{
    if (!autoSize_)
        return;
    const int width = fontMetrics().horizontalAdvance(text()) + 2 * margin() + 2;
    const QSize wanted(qBound(1, width, maximumWidth()), sizeHint().height());
    QRect g = geometry();
    if (alignment() & Qt::AlignRight)
        g.setLeft(g.right() + 1 - wanted.width());
    else
        g.setWidth(wanted.width());
    g.setHeight(wanted.height());
    setGeometry(g);
}
