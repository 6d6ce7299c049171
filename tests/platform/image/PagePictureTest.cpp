// The page pictures: their sizes, the JPEG the program decodes against the picture as drawn, and
// a scan in the scan folder taking the place of the stand-in.
#include "platform/image/JpegDecoder.h"
#include "platform/image/PagePicture.h"
#include "platform/layout/PageLayout.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kLayouts = QStringLiteral(QX_LAYOUT_DIR);

bool runPagepics(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QX_PAGEPICS), args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PagePicture, EveryPageHasAPictureOfItsSize)
{
    for (const QString& page : qx::pageLayoutNames()) {
        SCOPED_TRACE(page.toStdString());
        if (QFile::exists(QStringLiteral(QX_SCAN_DIR "/%1.jpg").arg(page)))
            continue;  // a real scan has its own size
        EXPECT_EQ(qx::pagePicture(page).size(), qx::pageLayout(page).picturePx);
    }
    EXPECT_EQ(qx::pagePicture(QStringLiteral("M4P1")).size(), QSize(1359, 955));
    EXPECT_EQ(qx::pagePicture(QStringLiteral("M4P2")).size(), QSize(1400, 950));
    EXPECT_TRUE(qx::pagePicture(QStringLiteral("NoSuchPage")).isNull());
    EXPECT_TRUE(qx::pagePictureSize(QStringLiteral("NoSuchPage")).isEmpty());
}

// A grey page is written and decoded grey: a byte a pixel.
TEST(PagePicture, TheDecodedPictureIsTheDrawnOneWithinJpegLossInEightBitGrey)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("M1P1.png"));
    ASSERT_TRUE(runPagepics({QStringLiteral("--png"), kLayouts + QStringLiteral("/M1P1.layout"), png}));
    const QImage drawn = QImage(png).convertToFormat(QImage::Format_Grayscale8);
    const QImage decoded = qx::pagePicture(QStringLiteral("M1P1"));
    ASSERT_EQ(decoded.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(drawn.size(), decoded.size());
    EXPECT_EQ(qx::pagePictureSize(QStringLiteral("M1P1")), decoded.size());
    qint64 total = 0;
    int darkDrawn = 0;
    int darkDecoded = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const uchar* a = drawn.constScanLine(y);
        const uchar* b = decoded.constScanLine(y);
        for (int x = 0; x < drawn.width(); ++x) {
            total += qAbs(int(a[x]) - int(b[x]));
            darkDrawn += a[x] < 128;
            darkDecoded += b[x] < 128;
        }
    }
    EXPECT_LT(double(total) / (drawn.width() * drawn.height()), 2.0);
    EXPECT_GT(darkDrawn, 10000);  // the page is not blank
    EXPECT_NEAR(darkDecoded, darkDrawn, darkDrawn / 10);
}

TEST(PagePicture, AScanInTheScanFolderIsShownInsteadOfTheStandIn)
{
    QTemporaryDir layouts, scans, out;
    ASSERT_TRUE(QFile::copy(kLayouts + QStringLiteral("/M1P1.layout"), layouts.filePath(QStringLiteral("M1P1.layout"))));
    ASSERT_TRUE(QFile::copy(kLayouts + QStringLiteral("/M1P2.layout"), layouts.filePath(QStringLiteral("M1P2.layout"))));
    // Any JPEG stands for the scan: the stand-in of another page.
    ASSERT_TRUE(runPagepics({layouts.path(), scans.path(), out.path()}));
    const QByteArray scan = bytesOf(out.filePath(QStringLiteral("M1P2.jpg")));
    ASSERT_FALSE(scan.isEmpty());
    QFile f(scans.filePath(QStringLiteral("M1P1.jpg")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(scan) == scan.size());
    f.close();
    ASSERT_TRUE(runPagepics({layouts.path(), scans.path(), out.path()}));
    EXPECT_EQ(bytesOf(out.filePath(QStringLiteral("M1P1.jpg"))), scan);
    EXPECT_NE(bytesOf(out.filePath(QStringLiteral("M1P2.jpg"))), QByteArray());
}

TEST(JpegDecoder, DataThatIsNoJpegGivesANullPictureAndTheReason)
{
    for (const QByteArray& data : {QByteArray(), QByteArray("not a picture at all"), QByteArray("\xff\xd8\xff\xe0", 4)}) {
        QString error;
        EXPECT_TRUE(qx::decodeJpeg(data, &error).isNull());
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(qx::jpegSize(data).isEmpty());
    }
}

}  // namespace
