#pragma once
// The page control of an editor: a QTabWidget whose user changes (mouse, keyboard, wheel) are
// first put to `mayLeave`, which can refuse them. Changes made by code pass freely.

#include <QTabWidget>
#include <functional>

class EditorTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit EditorTabs(QWidget* parent = nullptr);

    // Asked with the page being left and the page asked for; false keeps the page.
    std::function<bool(int from, int to)> mayLeave;

    // A change as the user makes it: asked first, then made.
    bool userSelect(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
