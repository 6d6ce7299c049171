// The program under the test's X server (without a window manager unless QX_X11_WM names one): each window's caption reaches the
// server as the window gives it, without the application's name appended, and the about box (the
// start-up splash) goes untitled. Only the started program's windows count: the server is shared
// with the test program's own windows, some of which may not be gone from it yet. Skipped where
// no X server can start.
#include "support/XServer.h"

#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#ifdef QX_HAVE_XCB
#include <QElapsedTimer>
#include <cstdlib>
#include <cstring>
#include <map>
#include <xcb/xcb.h>

namespace {

struct Caption {
    QString net;     // _NET_WM_NAME
    QString legacy;  // WM_NAME
    QSize size;
};

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

QString Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    QString text;
    if (r)
        text = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
    std::free(r);
    return text;
}

// The process that made window `w` as the window tells it (_NET_WM_PID), or 0.
qint64 WindowPid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netPid)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, netPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    qint64 pid = 0;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = *static_cast<const std::uint32_t*>(xcb_get_property_value(r));
    std::free(r);
    return pid;
}

struct Atoms {
    xcb_atom_t netName, netPid;
};

// The captions of process `pid`'s windows below `parent`, by window: the program's own windows
// are the root's children, or a window manager's frames' children.
void CollectCaptions(xcb_connection_t* c, xcb_window_t parent, const Atoms& atoms, qint64 pid, int depth,
                     std::map<xcb_window_t, Caption>& out)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr);
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        if (WindowPid(c, children[i], atoms.netPid) == pid) {
            Caption caption{Property(c, children[i], atoms.netName), Property(c, children[i], XCB_ATOM_WM_NAME), {}};
            if (xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr)) {
                caption.size = QSize(g->width, g->height);
                std::free(g);
            }
            out[children[i]] = caption;
        }
        if (depth > 1)
            CollectCaptions(c, children[i], atoms, pid, depth - 1, out);
    }
    std::free(tree);
}

std::map<xcb_window_t, Caption> Captions(xcb_connection_t* c, qint64 pid)
{
    std::map<xcb_window_t, Caption> out;
    const Atoms atoms{Atom(c, "_NET_WM_NAME"), Atom(c, "_NET_WM_PID")};
    CollectCaptions(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root, atoms, pid, 3, out);
    return out;
}

bool HasCaption(const std::map<xcb_window_t, Caption>& captions, const QString& text)
{
    for (const auto& [w, c] : captions)
        if (c.net == text)
            return true;
    return false;
}

TEST(WindowCaptions, ReachTheXServerAsTheWindowsGiveThem)
{
    QX_NEED_X_SERVER();
    const QString display = XServer::current().display();
    xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        GTEST_SKIP() << "no X server: cannot connect to " << display.toStdString();
    }

    QTemporaryDir config;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QX_BINARY_DIR "/ui/quendrix"), {});
    ASSERT_TRUE(program.waitForStarted(5000));

    // The main window, then half a second after its first paint the folder chooser.
    const QString mainCaption = QStringLiteral("Quendrix Declaracao de Redimentos do Imposto Zaloq de Redimentos - Grupo A");
    const QString chooserCaption = QStringLiteral("開啟表格資料夾 &Abrir a Pasta do Modelo");
    std::map<xcb_window_t, Caption> captions;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000 && program.state() == QProcess::Running) {
        captions = Captions(c, program.processId());
        if (HasCaption(captions, mainCaption) && HasCaption(captions, chooserCaption))
            break;
        QThread::msleep(100);
    }
    EXPECT_TRUE(HasCaption(captions, mainCaption));
    EXPECT_TRUE(HasCaption(captions, chooserCaption));
    int aboutBoxes = 0;
    for (const auto& [w, caption] : captions) {
        EXPECT_FALSE(caption.net.contains(QStringLiteral("Corvel．Quendrix"))) << caption.net.toStdString();
        if (caption.size == QSize(699, 303)) {
            ++aboutBoxes;
            EXPECT_EQ(caption.net, QString()) << "the about box";
            EXPECT_EQ(caption.legacy, QString()) << "the about box";
        }
    }
    EXPECT_EQ(aboutBoxes, 1);

    program.kill();
    program.waitForFinished();
    xcb_disconnect(c);
}

}  // namespace
#else
TEST(WindowCaptions, ReachTheXServerAsTheWindowsGiveThem) { GTEST_SKIP() << "built without the xcb library"; }
#endif
