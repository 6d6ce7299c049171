#include "ui/framework/EditorTabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWheelEvent>

EditorTabs::EditorTabs(QWidget* parent) : QTabWidget(parent)
{
    tabBar()->installEventFilter(this);
}

bool EditorTabs::userSelect(int index)
{
    if (index < 0 || index >= count() || index == currentIndex() || !isTabEnabled(index) || !isTabVisible(index))
        return false;
    if (mayLeave && !mayLeave(currentIndex(), index))
        return false;
    setCurrentIndex(index);
    return true;
}

namespace {

// The page a key would select on the tab bar, or -1 for keys that select none.
int pageForKey(const QKeyEvent* e, int current, int count)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Tab: return ctrl ? (current + 1) % count : -1;
    case Qt::Key_Backtab: return ctrl ? (current + count - 1) % count : -1;
    case Qt::Key_PageDown: return ctrl ? qMin(current + 1, count - 1) : -1;
    case Qt::Key_PageUp: return ctrl ? qMax(current - 1, 0) : -1;
    default: return -1;
    }
}

}  // namespace

void EditorTabs::keyPressEvent(QKeyEvent* event)
{
    const int target = pageForKey(event, currentIndex(), count());
    if (target >= 0) {
        userSelect(target);
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

bool EditorTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != tabBar())
        return QTabWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            const int index = tabBar()->tabAt(e->position().toPoint());
            if (index >= 0 && index != currentIndex())
                userSelect(index);
            return index >= 0;
        }
        return false;
    }
    case QEvent::KeyPress: {
        const auto* e = static_cast<QKeyEvent*>(event);
        int target = pageForKey(e, currentIndex(), count());
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Up)
            target = qMax(currentIndex() - 1, 0);
        else if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down)
            target = qMin(currentIndex() + 1, count() - 1);
        else if (e->key() == Qt::Key_Home)
            target = 0;
        else if (e->key() == Qt::Key_End)
            target = count() - 1;
        if (target < 0)
            return false;
        userSelect(target);
        return true;
    }
    case QEvent::Wheel: return true;  // the wheel walks from box to box, never from page to page
    default: return false;
    }
}
