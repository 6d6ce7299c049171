// Printing through a real print service: a private CUPS daemon with a PDF printer takes a test
// page and a final page from the print dialog; the PDFs it writes must match the same page
// written directly to PDF (rendered at 150 dpi), at the page's paper size, unscaled, at the
// offsets typed in the dialog. Skipped, saying why, where the daemon cannot start.
#include "core/util/SystemInfo.h"
#include "print/dialog/PrintDialogFixture.h"
#include "support/FileBytes.h"
#include "tools/QxFolderRun.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QTransform>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QUuid>
#include <cmath>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kDpi = 150;
const QString kPrinter = QStringLiteral("QxPdf");  // the default printer
const QString kSpare = QStringLiteral("QxSpare");

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

// A folder held by this process alone while the hold lives: an exclusive lock on the folder
// itself, which every holder waits for.
class FolderHold {
public:
    explicit FolderHold(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        int locked = -1;
        while (fd_ >= 0 && (locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (fd_ >= 0 && locked != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FolderHold()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

bool PrinterHasUnfinishedJobs()
{
    return !Run(QStringLiteral("lpstat"), {QStringLiteral("-o"), kPrinter}).trimmed().isEmpty();
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

    // The PDF files of the printer's output folder, each with the time it was last written.
    QMap<QString, QDateTime> OutputPdfs() const
    {
        QMap<QString, QDateTime> files;
        for (const QFileInfo& file : outDir.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            files.insert(file.fileName(), file.lastModified());
        return files;
    }
    // The PDF file the printer wrote for the job just sent: once the printer has no unfinished
    // job (its backend has closed the file), the file of its output folder that is new or written
    // again since `before` (a job of the same name overwrites the file).
    QString WaitForNewPdf(const QMap<QString, QDateTime>& before)
    {
        for (int i = 0; i < 600 && PrinterHasUnfinishedJobs(); ++i)
            QThread::msleep(100);
        const QMap<QString, QDateTime> now = OutputPdfs();
        for (auto file = now.begin(); file != now.end(); ++file) {
            if (before.value(file.key()) == file.value())
                continue;
            produced << outDir.filePath(file.key());
            return produced.last();
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
        outHold.reset();
        PrintDialogFixture::TearDown();
    }

    // The folder the daemon started in `cupsDir` prints into: its own where it could be given one;
    // else the folder PDF of the user's home as the system knows it, which the PDF printer of
    // every other private daemon shares (other build trees run this test at the same time), held
    // from the first print until what was printed is removed.
    void TakePrinterOutput(const QString& cupsDir)
    {
        const QDir own(QDir(cupsDir).filePath(QStringLiteral("pdf")));
        outDir = own.exists() ? own : QDir(QDir(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir)).filePath(QStringLiteral("PDF")));
        if (QDir().mkpath(outDir.path()))
            outHold.emplace(outDir.path());
    }

    SystemPrintService system;
    QDir outDir;
    std::optional<FolderHold> outHold;
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

    TakePrinterOutput(cupsDir.path());
    ASSERT_TRUE(outHold && outHold->held()) << outDir.path().toStdString();
    QTemporaryDir work;
    for (const bool testPage : {true, false}) {
        SCOPED_TRACE(testPage ? "test page" : "final page");
        RemoveProduced();
        const QMap<QString, QDateTime> before = OutputPdfs();
        (testPage ? dlg->btnPrintTestPage : dlg->btnPrint)->click();
        ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().por.toStdString();
        EXPECT_EQ(dlg->ItemTicked(0), !testPage);
        const QString printed = WaitForNewPdf(before);
        ASSERT_FALSE(printed.isEmpty()) << "the printer wrote no PDF into " << outDir.path().toStdString();

        // The same page written directly to PDF.
        const QString direct = work.filePath(testPage ? QStringLiteral("test.pdf") : QStringLiteral("final.pdf"));
        PrintFailure failure;
        PagePrintRequest request{qx::Currency::fromUnits(20), qx::Currency::fromUnits(30), testPage, 1};
        ASSERT_EQ(system.print(pages.page(6011), request, {-1, direct, QString()}, failure), PrintOutcome::Printed)
            << TextOfPrintFailure(failure).por.toStdString();

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

        // The box lies where the page says from the offsets, 60 × 30 mm, unscaled; the test marks
        // reach further.
        const QRect box = DarkBounds(got);
        EXPECT_NEAR(box.left(), Px(30 + FakeReportPage::kBoxLeft - 0.25), 2);
        EXPECT_NEAR(box.top(), Px(20 + FakeReportPage::kBoxTop - 0.25), 2);
        EXPECT_NEAR(box.width(), Px(testPage ? 80 + 0.25 : 60 + 0.5), 2);
        EXPECT_NEAR(box.height(), Px(testPage ? 50 + 0.25 : 30 + 0.5), 2);
    }

    // The printer taken away while the dialog shows it: the page goes neither to it nor to the
    // printer that took its place in the list, and the message names the printer gone.
    QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kPrinter});
    ASSERT_EQ(system.printerNames(), QStringList{kSpare});
    QTest::mouseClick(dlg->btnPrintTestPage, Qt::LeftButton);
    ASSERT_EQ(messages.codes(), QStringList{"PS-006"});
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("列印失敗。\r\n所選的印表機「QxPdf」已無法使用。"));
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("Falha na impressão.\r\nA impressora escolhida «QxPdf» já não está disponível."));
    EXPECT_EQ(::Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), kSpare}),
              QString());
    // Shown again, the dialog has no printer to show (the one gone was the default): the print
    // says that none is chosen, not that there is none.
    messages.clear();
    Reopen(6011);
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("---"));
    QTest::mouseClick(dlg->btnPrintTestPage, Qt::LeftButton);
    ASSERT_EQ(messages.codes(), QStringList{"PS-006"});
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("列印失敗。\r\n尚未選擇印表機。"));
    EXPECT_EQ(::Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), kSpare}),
              QString());
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

    std::optional<QTemporaryDir> work;
    QStringList messages;
    // Stores the offsets, saves the folder and gives qxprint, another program, a copy (the open
    // folder is locked to this one).
    const auto store = [&](int top, int left) {
        StoreOffsets(dm->cdsPrnSetup, {2011, false, GetLocalComputerName(), kPrinter}, {},
                     {qx::Currency::fromUnits(top), qx::Currency::fromUnits(left)});
        ASSERT_EQ(dm->ProcessFormFolder(dir.path(), ffSaveAll), TFolderResult::frDone);
        work.emplace();
        ASSERT_TRUE(qxtest::copyFolder(dir.path(), work->path()));
    };
    const auto boxes = [&](const QStringList& offsets) {
        const qxtest::ToolRun r = qxtest::RunTool(
            QStringLiteral(QX_QXPRINT),
            QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), work->path(), QStringLiteral("2011"),
                        work->filePath(QStringLiteral("out.pdf")), QStringLiteral("--test"), QStringLiteral("--boxes")} +
                offsets,
            work->path());
        EXPECT_EQ(r.status, 0) << qPrintable(r.err);
        messages = r.lines.filter(QRegularExpression(QStringLiteral("^MSG\t")));
        return r.lines.filter(QRegularExpression(QStringLiteral("^BOX\t")));
    };
    store(30, 20);
    const QStringList stored = boxes({});
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored, boxes(qxtest::Words("--left 20 --top 30")));
    EXPECT_NE(stored, boxes(qxtest::Words("--left 15 --top 25")));
    // Stored offsets that would put the page off its paper are refused: the default ones print.
    store(30, 1115);
    EXPECT_EQ(boxes({}), boxes(qxtest::Words("--left 10 --top 10")));
    EXPECT_EQ(boxes({}).size(), stored.size());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QLatin1String("MSG\tPS-008\t"))) << qPrintable(messages[0]);
}
#endif

}  // namespace
