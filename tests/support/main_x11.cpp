// Test entry for the tests on a real X server: Xvfb is started before the application and ended
// after it. Without one (nothing installed, or the server did not start) the application runs
// offscreen and each test skips itself with the reason. Listing the tests starts nothing.
#include "support/XServer.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strncmp(argv[i], "--gtest_list_tests", 18) == 0;
    XServer server;
    XServer::setCurrent(&server);
    if (!listing && server.start()) {
        qputenv("DISPLAY", server.display().toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setOrganizationName(QStringLiteral("Corvel"));
        QApplication::setApplicationName(QStringLiteral("Quendrix"));
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    return rc;
}
