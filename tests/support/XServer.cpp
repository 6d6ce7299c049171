#include "support/XServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

XServer* g_current = nullptr;

// Starts `argv[0]` with `argv` (null-terminated), its output into `log`, the descriptor `keepFd`
// left open for it; -1 when it could not be started.
pid_t spawn(const QByteArray& program, const std::vector<QByteArray>& args, const QString& log, int keepFd = -1,
            const QByteArray& display = {})
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    // The child: its own process group, so that nothing of the test's terminal reaches it, and
    // ended with the test program even when that one crashes.
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int out = open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out >= 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
    }
    const int devNull = open("/dev/null", O_RDONLY);
    if (devNull >= 0)
        dup2(devNull, STDIN_FILENO);
    if (keepFd >= 0)
        fcntl(keepFd, F_SETFD, 0);
    if (!display.isEmpty())
        setenv("DISPLAY", display.constData(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (const QByteArray& a : args)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    execv(program.constData(), argv.data());
    _exit(127);
}

// Ends a child: SIGTERM, then SIGKILL when it has not gone within two seconds.
void end(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 2000) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        QThread::msleep(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

QString tail(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    return QString::fromLocal8Bit(all.right(400)).trimmed();
}

QString logPath(const char* what)
{
    return QDir::tempPath() + QStringLiteral("/qx-x11-%1-%2.log").arg(QLatin1String(what)).arg(getpid());
}

// Reads the display number Xvfb writes to `fd` once it accepts connections.
QString readDisplay(int fd, pid_t server, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, 50);
        if (ready > 0) {
            char buf[32];
            const ssize_t n = read(fd, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, n);
            if (got.contains('\n'))
                return QStringLiteral(":") + QString::fromLatin1(got.trimmed());
        }
        if (waitpid(server, nullptr, WNOHANG) == server)
            break;
    }
    return {};
}

}  // namespace

XServer& XServer::current()
{
    static XServer none;
    if (!g_current) {
        if (none.skipReason_.isEmpty())
            none.skipReason_ = QStringLiteral("no X server was started for this test program");
        return none;
    }
    return *g_current;
}

void XServer::setCurrent(XServer* server) { g_current = server; }

XServer::~XServer()
{
    if (g_current == this)
        g_current = nullptr;
    stop();
}

bool XServer::start()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        skipReason_ = QStringLiteral("Xvfb is not installed (Debian: xvfb), so no X server can start");
        return false;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        skipReason_ = QStringLiteral("xdotool is not installed (Debian: xdotool): no mouse or keys can be sent");
        return false;
    }
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so");
    if (!QFile::exists(plugin)) {
        skipReason_ = QStringLiteral("Qt's X11 platform plugin is missing (Debian: qt6-qpa-plugins): ") + plugin;
        return false;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        skipReason_ = QStringLiteral("no pipe for Xvfb's display number");
        return false;
    }
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);  // opened for Xvfb alone, in its child
    const QString log = logPath("xvfb");
    const pid_t pid = spawn(QFile::encodeName(xvfb),
                            {"-displayfd", QByteArray::number(fds[1]), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"},
                            log, fds[1]);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        skipReason_ = QStringLiteral("Xvfb could not be started");
        return false;
    }
    display_ = readDisplay(fds[0], pid, 15000);
    close(fds[0]);
    if (display_.isEmpty()) {
        end(pid);
        skipReason_ = QStringLiteral("Xvfb did not start: ") + tail(log);
        QFile::remove(log);
        return false;
    }
    QFile::remove(log);
    serverPid_ = pid;
    const QString wm = qEnvironmentVariable("QX_X11_WM");
    if (!wm.isEmpty() && !startWindowManager(wm))
        qWarning("window manager %s did not start; the tests run without one", qPrintable(wm));
    return true;
}

// The window manager runs once it has claimed the screen: the root window then names its
// supporting window (_NET_SUPPORTING_WM_CHECK), as xprop shows.
bool XServer::startWindowManager(const QString& name)
{
    const QString program = QStandardPaths::findExecutable(name);
    const QString xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
    if (program.isEmpty() || xprop.isEmpty())
        return false;
    wmPid_ = spawn(QFile::encodeName(program), {}, logPath("wm"), -1, display_.toLatin1());
    if (wmPid_ < 0)
        return false;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        const QString out = logPath("xprop");
        const pid_t check = spawn(QFile::encodeName(xprop), {"-root", "_NET_SUPPORTING_WM_CHECK"}, out, -1,
                                  display_.toLatin1());
        int status = 0;
        waitpid(check, &status, 0);
        const bool claimed = tail(out).contains(QLatin1String("window id"));
        QFile::remove(out);
        if (claimed) {
            windowManager_ = name;
            return true;
        }
        QThread::msleep(50);
    }
    end(wmPid_);
    wmPid_ = -1;
    return false;
}

void XServer::stop()
{
    end(wmPid_);
    wmPid_ = -1;
    QFile::remove(logPath("wm"));
    end(serverPid_);
    serverPid_ = -1;
}
