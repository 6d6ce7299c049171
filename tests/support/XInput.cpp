#include "support/XInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QWidget>

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool WaitForSteadyGeometry(QWidget& window)
{
    QRect last = window.frameGeometry();
    QElapsedTimer steady;
    steady.start();
    return WaitFor([&] {
        const QRect now = window.frameGeometry();
        if (now != last) {
            last = now;
            steady.restart();
        }
        return steady.elapsed() >= 100;
    });
}

XInput::XInput() { qApp->installEventFilter(this); }

XInput::~XInput() { qApp->removeEventFilter(this); }

// Each event of the X server reaches a window once before the window hands it to its widgets
// (where it may be offered to parent after parent): counted at the window, it is counted once.
bool XInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->isWindowType()) {
        if (event->type() == QEvent::MouseButtonRelease)
            ++mouseReleases_;
        else if (event->type() == QEvent::KeyRelease)
            ++keyReleases_;
    }
    return false;
}

bool XInput::send(const QStringList& args, const std::function<bool()>& arrived, const QString& what)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) {
        xdotool.kill();
        xdotool.waitForFinished(1000);
        error = QStringLiteral("xdotool %1 failed: %2").arg(args.join(u' '), QString::fromLocal8Bit(xdotool.readAllStandardError()));
        return false;
    }
    if (!WaitFor(arrived)) {
        error = what + QStringLiteral(" never reached the program");
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

bool XInput::click(QWidget& widget, QPoint local)
{
    const QPoint at = widget.mapToGlobal(local.isNull() ? widget.rect().center() : local);
    // The server takes the move and the click in order; no --sync, which waits for ever when the
    // pointer is there already.
    const int before = mouseReleases_;
    return send({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")},
                [&] { return mouseReleases_ > before; }, QStringLiteral("the click on %1").arg(widget.objectName()));
}

bool XInput::keys(const QStringList& names)
{
    const int before = keyReleases_;
    return keysOpeningModal(names, [&] { return keyReleases_ - before >= names.size(); });
}

bool XInput::keysOpeningModal(const QStringList& names, const std::function<bool()>& done)
{
    if (names.isEmpty())
        return true;
    return send(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("0")} + names, done,
                QStringLiteral("the keys ") + names.join(u' '));
}
