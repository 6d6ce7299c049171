#pragma once
// Real mouse clicks and keys through the X server (xdotool), for tests running on XServer. Each
// call returns once the program has received the input (the window got the button's or the
// last key's release), so a test waits for what it sent and never for a fixed time.
//   XInput input;
//   input.click(widget)                 left click in the middle of `widget` (or at `local`)
//   input.keys({"Up", "Up", "Return"})  keys by their X names ("7", "ctrl+a", "Escape")
//   input.keysOpeningModal({"shift+Insert"}, done)   keys whose last opens a modal window: its
//                                       release reaches only the window the modal blocks, so the
//                                       call returns once `done` holds (the modal worked and shut)
//   input.error                         what went wrong when a call returned false
// WaitFor(predicate) runs the event loop until the predicate holds (five seconds at most).

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class QWidget;

class XInput : public QObject {
public:
    XInput();
    ~XInput() override;

    bool click(QWidget& widget, QPoint local = {});
    bool keys(const QStringList& names);
    bool keysOpeningModal(const QStringList& names, const std::function<bool()>& done);

    QString error;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool send(const QStringList& args, const std::function<bool()>& arrived, const QString& what);

    int mouseReleases_ = 0;
    int keyReleases_ = 0;
};

bool WaitFor(const std::function<bool()>& done, int ms = 5000);
// Runs the event loop until `window` has kept its place and size for a tenth of a second (a
// window manager places and maximises a window after it is shown); false after five seconds.
bool WaitForSteadyGeometry(QWidget& window);
