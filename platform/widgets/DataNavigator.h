#pragma once
// Four buttons that move the dataset's cursor: first, prior, next, last. Each is enabled while
// the move can go somewhere; a refused move (a post that fails) is reported.

#include "platform/widgets/DataAware.h"

#include <QWidget>

class QToolButton;

class DataNavigator : public QWidget, public DataAware {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last };
    explicit DataNavigator(QWidget* parent = nullptr);

    QToolButton* button(Button b) const { return buttons_[b]; }
    void refresh() override;
    bool takesFieldFocus() const override { return false; }

private:
    void move(Button b);
    QToolButton* buttons_[4] = {};
};
