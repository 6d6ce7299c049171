#pragma once
// A real X server for the tests that the offscreen platform cannot answer: focus given by the
// mouse, scrolling under a click, a window manager's habits. Started by main_x11.cpp before the
// application, on a display of its own (Xvfb picks a free one), and stopped after it.
//   start()        Xvfb on a free display, then the window manager named by QX_X11_WM if any
//                  (e.g. QX_X11_WM=openbox); false with skipReason() when something is missing
//   display()      ":N" while running
//   XServer::current()  the server of this test program (for QX_NEED_X_SERVER)
// A test that needs the server starts with QX_NEED_X_SERVER(): without one it is skipped, with
// the reason (Xvfb or xdotool not installed, no xcb platform plugin, the server did not start).

#include <QString>
#include <sys/types.h>

class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool start();
    bool running() const { return serverPid_ > 0; }
    const QString& display() const { return display_; }
    const QString& skipReason() const { return skipReason_; }
    // The window manager's name when one runs, else empty.
    const QString& windowManager() const { return windowManager_; }

    static XServer& current();
    static void setCurrent(XServer* server);

private:
    bool startWindowManager(const QString& name);
    void stop();

    pid_t serverPid_ = -1;
    pid_t wmPid_ = -1;
    QString display_;
    QString skipReason_;
    QString windowManager_;
};

#define QX_NEED_X_SERVER()                                                                  \
    do {                                                                                    \
        if (!XServer::current().running())                                                  \
            GTEST_SKIP() << XServer::current().skipReason().toStdString();                  \
    } while (0)
