// The start-up splash on a real X server: while the program makes its forms, the screen shows the
// about box's picture and labels, not an unpainted (black) window. A watcher on a connection of
// its own reads the box's pixels from the server as long as it stands.
#include "support/XServer.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormAbout.h"

#include <QImage>
#include <gtest/gtest.h>

#ifdef QX_HAVE_XCB
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <xcb/xcb.h>

namespace {

// What the server shows of the mapped 699 x 303 window (the about box), read again and again
// until stopped; the last picture read is kept.
class SplashWatcher {
public:
    explicit SplashWatcher(const QString& display) : connection_(xcb_connect(display.toLatin1().constData(), nullptr))
    {
        if (!xcb_connection_has_error(connection_))
            thread_ = std::thread([this] { watch(); });
    }
    ~SplashWatcher()
    {
        stop();
        xcb_disconnect(connection_);
    }
    bool connected() const { return thread_.joinable() || stopped_; }
    void stop()
    {
        stopped_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    QImage lastPicture()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return last_;
    }
    int pictures() const { return pictures_; }

private:
    void watch()
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        while (!stopped_) {
            if (const xcb_window_t w = splashWindow(root))
                read(w);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    // The viewable 699 x 303 window among the root's children and their children (a window
    // manager's frames).
    xcb_window_t splashWindow(xcb_window_t parent, int depth = 2)
    {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, parent), nullptr);
        if (!tree)
            return 0;
        xcb_window_t found = 0;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
            xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, children[i]), nullptr);
            xcb_get_window_attributes_reply_t* a =
                xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, children[i]), nullptr);
            if (g && a && g->width == 699 && g->height == 303 && a->map_state == XCB_MAP_STATE_VIEWABLE)
                found = children[i];
            std::free(g);
            std::free(a);
            if (!found && depth > 1)
                found = splashWindow(children[i], depth - 1);
        }
        std::free(tree);
        return found;
    }
    void read(xcb_window_t w)
    {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            connection_, xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, 699, 303, ~0u), nullptr);
        if (!image)
            return;  // unmapped meanwhile
        if (image->depth == 24 && xcb_get_image_data_length(image) >= 699 * 303 * 4) {
            QImage picture(xcb_get_image_data(image), 699, 303, 699 * 4, QImage::Format_RGB32);
            std::lock_guard<std::mutex> lock(mutex_);
            last_ = picture.copy();
            ++pictures_;
        }
        std::free(image);
    }

    xcb_connection_t* connection_;
    std::thread thread_;
    std::atomic<bool> stopped_ = false;
    std::atomic<int> pictures_ = 0;
    std::mutex mutex_;
    QImage last_;
};

// Share of the pixels of `a` that `b` shows too (each colour channel within 24).
double SameShare(const QImage& a, const QImage& b)
{
    int same = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            same += qAbs(qRed(p) - qRed(q)) <= 24 && qAbs(qGreen(p) - qGreen(q)) <= 24 && qAbs(qBlue(p) - qBlue(q)) <= 24;
        }
    return double(same) / (a.width() * a.height());
}

TEST(Splash, ShowsTheAboutBoxPaintedWhileTheFormsAreMade)
{
    QX_NEED_X_SERVER();
    SplashWatcher watcher(XServer::current().display());
    ASSERT_TRUE(watcher.connected());
    QImage shown;
    QImage painted;
    {
        ProgramForms forms(QStringLiteral("1.2.1.1"));
        forms.CreateAll();
        watcher.stop();
        shown = watcher.lastPicture();
        ASSERT_FALSE(forms.FormAbout->isVisible());
        painted = forms.FormAbout->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    ASSERT_FALSE(shown.isNull()) << "the splash never stood on the screen";
    ASSERT_EQ(shown.size(), painted.size());
    int black = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            black += (shown.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_LT(black, shown.width() * shown.height() / 10) << "the splash stands black";
    // The white picture panel with the titles and the version, as the box paints itself.
    EXPECT_GT(SameShare(shown, painted), 0.95) << watcher.pictures() << " pictures read";
}

}  // namespace
#else
TEST(Splash, ShowsTheAboutBoxPaintedWhileTheFormsAreMade) { GTEST_SKIP() << "built without the xcb library"; }
#endif
