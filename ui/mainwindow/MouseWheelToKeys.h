#pragma once
// The program's mouse-wheel rule: in the program's own windows each wheel step arrives as an Up
// key (forward) or a Down key (back) at the focused control, so the editors move field by field.
// Qt's file and print dialogs keep their wheel.

#include <QObject>

class MouseWheelToKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int pendingDelta_ = 0;  // a part of a step (high-resolution wheels and touchpads)
};

// True when `window` is one of Qt's own dialogs that keep the wheel.
bool KeepsMouseWheel(const QObject* window);
