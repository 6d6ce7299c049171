// The program killed while it saves a large folder: once opened again, the folder is entirely as
// it was or entirely as the save wrote it (a kill inside the short burst of renames that ends the
// save is finished or undone by that open), and the lock the killed program left is taken over.
// qxfolder is the program; it is killed at moments spread over its save, which starts when it asks
// the save question (DM-010).
#include "core/catalogue/FieldCatalogue.h"
#include "core/folder/FolderLock.h"
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "core/util/Clock.h"
#include "platform/data/SaveJournal.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <iostream>
#include <limits>
#include <atomic>
#include <chrono>
#include <optional>
#include <poll.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace {

// The folder files (the .xml files) with their bytes.
QMap<QString, QByteArray> folderFiles(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files))
        files[name] = qxtest::readBytes(folder + QLatin1Char('/') + name);
    return files;
}

// Watches a folder for its files renamed into place and times the burst from the first to the
// last, as the renames happen (a file's change time is too coarse for it).
class RenameWatch {
public:
    explicit RenameWatch(const QString& folder)
        : fd_(inotify_init1(IN_CLOEXEC))
    {
        EXPECT_GE(inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_MOVED_FROM), 0);
        reader_ = std::thread([this] {
            alignas(inotify_event) char buffer[8192];
            for (;;) {
                pollfd p{fd_, POLLIN, 0};
                if (stop_ || poll(&p, 1, 20) <= 0) {
                    if (stop_)
                        return;
                    continue;
                }
                const ssize_t n = read(fd_, buffer, sizeof buffer);
                if (n <= 0)
                    return;
                const auto now = std::chrono::steady_clock::now();
                // Only the folder's own files: the save journal is written before the burst.
                for (ssize_t at = 0; at < n;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                    if (event->len > 0 && QByteArray(event->name).endsWith(".xml")) {
                        if (!first_)
                            first_ = now;
                        last_ = now;
                    }
                    at += ssize_t(sizeof(inotify_event) + event->len);
                }
            }
        });
    }
    ~RenameWatch()
    {
        stop_ = true;
        reader_.join();
        close(fd_);
    }
    qint64 burstUs()
    {
        stop_ = true;
        reader_.join();
        reader_ = std::thread([] {});
        return first_ ? std::chrono::duration_cast<std::chrono::microseconds>(last_ - *first_).count() : -1;
    }

private:
    int fd_;
    std::atomic<bool> stop_{false};
    std::optional<std::chrono::steady_clock::time_point> first_;
    std::chrono::steady_clock::time_point last_;
    std::thread reader_;
};

// Changes a page and one row of each list, then saves: most of the folder's bytes are rewritten.
QStringList changeAndSave(const QString& folder)
{
    return QString::fromLatin1("--today 2024-03-15 %1 open set cdsM1P2.R2_Mop=777 set cdsM4P1.1_R1_Col1_Mop=5 "
                               "row cdsM3VCLF 2500 set cdsM3VCLF.Tipo=Mudado row cdsM3AAli 500 "
                               "set cdsM3AAli.Tipo=Mudado row cdsM3AAba 500 set cdsM3AAba.Tipo=Mudado save")
        .arg(folder)
        .split(QLatin1Char(' '));
}

// Runs qxfolder on the folder; with `killAfterUs` >= 0 kills it that many microseconds after it
// asked the save question. Returns the microseconds from the question to its end.
qint64 runTool(const QString& folder, qint64 killAfterUs)
{
    static const QTemporaryDir configHome;  // the tool's settings, kept from the user's
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(QStringLiteral(QX_QXFOLDER), changeAndSave(folder));
    EXPECT_TRUE(tool.waitForStarted());
    QByteArray out;
    while (!out.contains("MSG\tDM-010")) {
        if (!tool.waitForReadyRead(60000)) {
            ADD_FAILURE() << "qxfolder never asked to save: " << out.constData();
            tool.kill();
            tool.waitForFinished();
            return 0;
        }
        out += tool.readAllStandardOutput();
    }
    QElapsedTimer clock;
    clock.start();
    if (killAfterUs >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs));
        tool.kill();
    }
    tool.waitForFinished(60000);
    const qint64 elapsed = clock.nsecsElapsed() / 1000;
    if (killAfterUs < 0) {
        out += tool.readAllStandardOutput();
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), 0) << out.constData();
        EXPECT_FALSE(out.contains("FAILED")) << out.constData();
    }
    return elapsed;
}

class KillDuringSaveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SetFixedNow(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        old_ = new QTemporaryDir;
        {
            TdmMain dm;
            dmMain = &dm;
            WriteSampleFolder(dm, old_->path(), kLargeFolder);
            dmMain = nullptr;
        }
        // What a save that runs to its end writes.
        QTemporaryDir whole;
        qxtest::copyFolder(old_->path(), whole.path());
        RenameWatch renames(whole.path());
        saveUs_ = runTool(whole.path(), -1);
        burstUs_ = renames.burstUs();
        oldFiles_ = new QMap<QString, QByteArray>(folderFiles(old_->path()));
        newFiles_ = new QMap<QString, QByteArray>(folderFiles(whole.path()));
        std::cout << "save of " << saveUs_ << " us, rename burst of " << burstUs_ << " us" << std::endl;
    }
    static void TearDownTestSuite()
    {
        delete old_;
        delete oldFiles_;
        delete newFiles_;
        SetFixedNow(QDateTime());
    }

    static QTemporaryDir* old_;
    static QMap<QString, QByteArray>* oldFiles_;
    static QMap<QString, QByteArray>* newFiles_;
    static qint64 saveUs_;
    static qint64 burstUs_;
};

QTemporaryDir* KillDuringSaveTest::old_ = nullptr;
QMap<QString, QByteArray>* KillDuringSaveTest::oldFiles_ = nullptr;
QMap<QString, QByteArray>* KillDuringSaveTest::newFiles_ = nullptr;
qint64 KillDuringSaveTest::saveUs_ = 0;
qint64 KillDuringSaveTest::burstUs_ = 0;

TEST_F(KillDuringSaveTest, TheSaveRewritesTheLargeFilesSoAKillCanCatchThem)
{
    ASSERT_EQ(oldFiles_->size(), 27);
    ASSERT_EQ(newFiles_->keys(), oldFiles_->keys());
    for (const char* name : {"M1P2.xml", "M4P1.xml", "M3VCLF.xml", "M3AAli.xml", "M3AAba.xml"})
        EXPECT_NE(newFiles_->value(QString::fromLatin1(name)), oldFiles_->value(QString::fromLatin1(name))) << name;
    EXPECT_GT(newFiles_->value(QStringLiteral("M3VCLF.xml")).size(), 500000);
}

TEST_F(KillDuringSaveTest, TheFolderIsAllOldOrAllNewAndOpensWhereverTheKillFalls)
{
    RecordProperty("rename_burst_us", std::to_string(burstUs_));
    ASSERT_GE(burstUs_, 0) << "no rename was seen";
    EXPECT_LT(burstUs_, saveUs_ / 10) << "the renames are a small part of the save";
    constexpr int kMoments = 12;
    int sawOld = 0, sawNew = 0;
    for (int i = 0; i < kMoments; ++i) {
        // From at once to the length of a whole save, and once well past it.
        const qint64 at = i < kMoments - 1 ? saveUs_ * i / (kMoments - 2) : saveUs_ * 3;
        SCOPED_TRACE(QStringLiteral("killed %1 us into a save of %2 us").arg(at).arg(saveUs_).toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(qxtest::copyFolder(old_->path(), dir.path()));
        runTool(dir.path(), at);

        sample_folder::YesToEverything yes;
        TdmMain dm;
        dmMain = &dm;
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone) << "the killed program's lock is taken over";
        EXPECT_EQ(dm.cdsM3VCLF.recordCount(), kLargeFolder.m3Rows);
        EXPECT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
        dmMain = nullptr;

        const auto files = folderFiles(dir.path());
        ASSERT_EQ(files.keys(), oldFiles_->keys());
        const bool allOld = files == *oldFiles_;
        const bool allNew = files == *newFiles_;
        EXPECT_TRUE(allOld || allNew) << "the folder mixes the old and the new declaration";
        sawOld += allOld;
        sawNew += allNew;
        // Wherever the kill fell, the journal names what the save had written: the open settles
        // it and leaves nothing.
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".qx"));
        EXPECT_EQ(left, QStringList()) << "the open removes what the killed save left";
        EXPECT_FALSE(QFile::exists(dir.path() + QLatin1Char('/') + FolderLock::kFileName));
        EXPECT_FALSE(QFile::exists(dir.path() + QLatin1Char('/') + qx::SaveJournal::fileName()));
    }
    // The moments spread over the save: some kills came before its journal, some after.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

}  // namespace
