#pragma once
// Answers the modal windows a test opens: whenever a modal window is up, the next action of the
// script runs on it, from the event loop that the window's exec() runs (one action per poll, so
// an action that leaves the window open is followed by the next one on the same window). The
// modal window that was up when the script was made (the one the test works in) is left alone
// while it stays open: the program may run the event loop under it before its own window opens
// (an editor's print command repaints first). A window left open for seconds with nothing
// scripted is rejected, so a failing test never hangs.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class ModalScript {
public:
    using Action = std::function<void(QWidget& modal)>;

    ModalScript() : below_(QApplication::activeModalWidget())
    {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
        poll_.start();
    }

    void then(Action action) { actions_.push_back(std::move(action)); }
    bool done() const { return actions_.empty(); }
    // The object names of the modal windows the actions ran on.
    QStringList seen;

private:
    void check()
    {
        if (below_ && !below_->isVisible())
            below_ = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == below_) {
            idleTicks_ = 0;
            return;
        }
        if (actions_.empty()) {
            if (++idleTicks_ > 600)  // three seconds
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            return;
        }
        idleTicks_ = 0;
        Action action = std::move(actions_.front());
        actions_.pop_front();
        seen << modal->objectName();
        action(*modal);
    }

    QPointer<QWidget> below_;
    QTimer poll_;
    std::deque<Action> actions_;
    int idleTicks_ = 0;
};
