// Printing through a real print service: a private CUPS daemon with a PDF printer takes a test
// page and a final page from the print dialog; the PDFs it writes must match the same page
// written directly to PDF (rendered at 150 dpi), at the page's paper size, unscaled, at the
// offsets typed in the dialog. Skipped, saying why, where the daemon cannot start.
#include "core/util/SystemInfo.h"
#include "print/dialog/PrintDialogFixture.h"
#include "support/FolderCopy.h"
#include "tools/QxFolderRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTransform>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QUuid>
#include <cmath>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kDpi = 150;
const QString kPrinter = QStringLiteral("QxPdf");

class CupsDaemon {
public:
    // Starts the daemon; returns why it could not when it did not.
    QString start(const QString& dir)
    {
        dir_ = dir;
        QString why;
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int port = 20000 + int((QCoreApplication::applicationPid() * 7 + attempt * 101) % 30000);
            QProcess script;
            script.start(QStringLiteral(QX_PRIVATE_CUPSD), {QStringLiteral("start"), dir, QString::number(port)});
            if (!script.waitForFinished(30000)) {
                script.kill();
                why = QStringLiteral("the daemon's start script did not finish");
                continue;
            }
            if (script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0) {
                started_ = true;
                qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(port));
                return QString();
            }
            why = QString::fromLocal8Bit(script.readAllStandardError()).trimmed();
            if (script.exitCode() == 2)  // not installed: no point in retrying
                break;
        }
        return why.isEmpty() ? QStringLiteral("the daemon could not start") : why;
    }
    ~CupsDaemon()
    {
        if (started_)
            QProcess::execute(QStringLiteral(QX_PRIVATE_CUPSD), {QStringLiteral("stop"), dir_});
    }

private:
    QString dir_;
    bool started_ = false;
};

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The page of a one-page PDF rendered at 150 dpi; the picture is written as `base`.png.
QImage Render(const QString& pdf, const QString& base)
{
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// Page size in points as pdfinfo reports it.
QSizeF PageSizeOf(const QString& pdf)
{
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

bool Dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

// Dark pixels of `a` without a dark pixel of `b` within `reach` pixels.
int Unmatched(const QImage& a, const QImage& b, int reach)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Dark(a, x, y))
                continue;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx) {
                    const int u = x + dx, v = y + dy;
                    found = u >= 0 && v >= 0 && u < b.width() && v < b.height() && Dark(b, u, v);
                }
            count += found ? 0 : 1;
        }
    return count;
}

QRect DarkBounds(const QImage& img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Dark(img, x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

int Px(double mm) { return int(std::lround(mm / 25.4 * kDpi)); }

class CupsPrint : public PrintDialogFixture {
protected:
    PrintService& Printers() override { return system; }

    // The PDF file the printer writes for the next job: a new file in its output folder.
    QString WaitForNewPdf(const QStringList& before)
    {
        for (int i = 0; i < 300; ++i) {
            for (const QString& name : outDir.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (before.contains(name))
                    continue;
                const QString path = outDir.filePath(name);
                qint64 size = -1;
                // Written once the size holds still.
                while (QFileInfo(path).size() != size || size == 0) {
                    size = QFileInfo(path).size();
                    QThread::msleep(300);
                }
                produced << path;
                return path;
            }
            QThread::msleep(100);
        }
        return QString();
    }
    // Removes what the printer wrote so far (kept in QX_KEEP_PRINTS when set).
    void RemoveProduced()
    {
        const QString keep = qEnvironmentVariable("QX_KEEP_PRINTS");
        for (const QString& path : produced) {
            if (!keep.isEmpty())
                QFile::copy(path, QDir(keep).filePath(QString::number(kept++) + u'-' + QFileInfo(path).fileName()));
            QFile::remove(path);
        }
        produced.clear();
    }

    void TearDown() override
    {
        RemoveProduced();
        PrintDialogFixture::TearDown();
    }

    SystemPrintService system;
    // The printer writes into the folder PDF of the user's home as the system knows it.
    QDir outDir{QDir(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir)).filePath(QStringLiteral("PDF"))};
    QStringList produced;
    int kept = 0;
};

TEST_F(CupsPrint, TestAndFinalPagesReachThePrinterUnscaledAtTheirOffsets)
{
    QTemporaryDir cupsDir(QDir::tempPath() + QStringLiteral("/qx-cups-XXXXXX"));
    cupsDir.setAutoRemove(qEnvironmentVariable("QX_KEEP_PRINTS").isEmpty());
    ASSERT_TRUE(cupsDir.isValid());
    CupsDaemon daemon;
    const QString why = daemon.start(cupsDir.path());
    if (!why.isEmpty())
        GTEST_SKIP() << "no private print service: " << why.toStdString();

    CleanDeclaration("0");
    Show(6011);
    ASSERT_EQ(dlg->PanelPrinterName->text(), kPrinter);
    ASSERT_TRUE(dlg->btnPrint->isEnabled());
    SetOffsets("20", "30");

    QTemporaryDir work;
    for (const bool testPage : {true, false}) {
        SCOPED_TRACE(testPage ? "test page" : "final page");
        RemoveProduced();
        const QStringList before = outDir.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        (testPage ? dlg->btnPrintTestPage : dlg->btnPrint)->click();
        ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().eng.toStdString();
        EXPECT_EQ(dlg->ItemTicked(0), !testPage);
        const QString printed = WaitForNewPdf(before);
        ASSERT_FALSE(printed.isEmpty()) << "the printer wrote no PDF into " << outDir.path().toStdString();

        // The same page written directly to PDF.
        const QString direct = work.filePath(testPage ? QStringLiteral("test.pdf") : QStringLiteral("final.pdf"));
        QString error;
        PagePrintRequest request{qx::Currency::fromUnits(20), qx::Currency::fromUnits(30), testPage, 1};
        ASSERT_EQ(system.print(pages.page(6011), request, {-1, direct}, error), PrintOutcome::Printed)
            << error.toStdString();

        // A4, unscaled. The printer feeds A4 upright: a landscape page reaches the sheet turned
        // a quarter to the left, so its picture is turned back before comparing.
        const QSizeF size = PageSizeOf(printed);
        EXPECT_NEAR(std::min(size.width(), size.height()), 595.28, 1.0);
        EXPECT_NEAR(std::max(size.width(), size.height()), 841.89, 1.0);
        QImage got = Render(printed, direct + QStringLiteral("-printed"));
        const QImage want = Render(direct, direct + QStringLiteral("-direct"));
        ASSERT_FALSE(got.isNull());
        ASSERT_FALSE(want.isNull());
        if (got.size() == want.size().transposed() && size.width() < size.height())
            got = got.transformed(QTransform().rotate(90));
        ASSERT_EQ(got.size(), want.size());
        EXPECT_EQ(Unmatched(got, want, 2), 0);
        EXPECT_EQ(Unmatched(want, got, 2), 0);

        // The box starts at the offsets, 60 × 30 mm, unscaled; the test marks reach further.
        const QRect box = DarkBounds(got);
        EXPECT_NEAR(box.left(), Px(30 - 0.25), 2);
        EXPECT_NEAR(box.top(), Px(20 - 0.25), 2);
        EXPECT_NEAR(box.width(), Px(testPage ? 80 + 0.25 : 60 + 0.5), 2);
        EXPECT_NEAR(box.height(), Px(testPage ? 50 + 0.25 : 30 + 0.5), 2);
    }

    // The printer taken away while the dialog shows it: the print is refused, visibly.
    QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kPrinter});
    Select(0);
    dlg->btnPrintTestPage->click();
    EXPECT_EQ(messages.codes(), QStringList{"PS-006"});
}

#ifdef QX_QXPRINT
// qxprint sees the system's printers as the dialog does: without offsets on its command line it
// prints at those stored for this computer and the current printer.
TEST_F(CupsPrint, QxprintPrintsAtTheOffsetsStoredForTheCurrentPrinter)
{
    QTemporaryDir cupsDir(QDir::tempPath() + QStringLiteral("/qx-cups-XXXXXX"));
    ASSERT_TRUE(cupsDir.isValid());
    CupsDaemon daemon;
    const QString why = daemon.start(cupsDir.path());
    if (!why.isEmpty())
        GTEST_SKIP() << "no private print service: " << why.toStdString();

    StoreOffsets(dm->cdsPrnSetup, {2011, false, GetLocalComputerName(), kPrinter}, {},
                 {qx::Currency::fromUnits(30), qx::Currency::fromUnits(40)});
    ASSERT_EQ(dm->ProcessFormFolder(dir.path(), ffSaveAll), TFolderResult::frDone);
    QTemporaryDir work;
    const auto boxes = [&](const QStringList& offsets) {
        const qxtest::ToolRun r = qxtest::RunTool(
            QStringLiteral(QX_QXPRINT),
            QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"),
                        CopyFolderFiles(dir.path(), work.filePath(QStringLiteral("folder"))), QStringLiteral("2011"),
                        work.filePath(QStringLiteral("out.pdf")), QStringLiteral("--test"), QStringLiteral("--boxes")} +
                offsets,
            work.path());
        EXPECT_EQ(r.status, 0) << qPrintable(r.err);
        return r.lines.filter(QRegularExpression(QStringLiteral("^BOX\t")));
    };
    const QStringList stored = boxes({});
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored, boxes(qxtest::Words("--left 40 --top 30")));
    EXPECT_NE(stored, boxes(qxtest::Words("--left 35 --top 25")));
}
#endif

}  // namespace
