#include "ui/mainwindow/MouseWheelToKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {
constexpr int kStep = 120;  // one notch, in eighths of a degree
}  // namespace

bool KeepsMouseWheel(const QObject* window)
{
    return window
           && (window->inherits("QFileDialog") || window->inherits("QAbstractPrintDialog")
               || window->inherits("QPageSetupDialog") || window->inherits("QPrintPreviewDialog"));
}

bool MouseWheelToKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || KeepsMouseWheel(widget->window()))
        return false;
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta == 0)
        return false;  // a sideways wheel
    if ((pendingDelta_ > 0) != (delta > 0))
        pendingDelta_ = 0;  // turned the other way: a new step
    pendingDelta_ += delta;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != widget->window())
        target = widget;
    while (pendingDelta_ >= kStep || pendingDelta_ <= -kStep) {
        const bool forward = pendingDelta_ > 0;
        pendingDelta_ += forward ? -kStep : kStep;
        QKeyEvent key(QEvent::KeyPress, forward ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(target, &key);
        QKeyEvent release(QEvent::KeyRelease, forward ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    return true;
}
