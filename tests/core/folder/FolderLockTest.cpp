// The lock of an open folder against what a damaged folder, a crash or a second program can do to
// it: something else under its name, programs racing over a stale lock, a kill at each of its
// system calls, a disk that fills while it is written. The races and kills are played by real
// processes (folder_lock_taker), since the lock tells programs apart by their process.
#include "core/folder/FolderLock.h"
#include "core/module/TdmMain.h"
#include "core/util/SystemInfo.h"
#include "support/FileBytes.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using qxtest::readBytes;
using qxtest::writeBytes;

// A folder in memory where there is one: the lock is flushed to disk at every take, which the
// hundreds of takes here need not wait for.
QString scratchTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    const bool inMemory = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable();
    return (inMemory ? shm : QDir::tempPath()) + QStringLiteral("/qx-lock-XXXXXX");
}

// Everything in the folder named like the lock: the lock and any temporary of it.
QStringList lockEntries(const QString& folder)
{
    return QDir(folder).entryList({FolderLock::kFileName + QLatin1Char('*')},
                                  QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The number of a process that has ended.
QByteArray pidOfEndedProcess()
{
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ended.waitForStarted();
    const QByteArray pid = QByteArray::number(ended.processId());
    ended.waitForFinished();
    return pid;
}

// The lock this process writes, as read from a folder of its own.
QByteArray ourLockText()
{
    QTemporaryDir scratch;
    const FolderLock::Attempt attempt = FolderLock::take(scratch.path() + QLatin1Char('/'));
    return readBytes(scratch.path() + QLatin1Char('/') + FolderLock::kFileName);
}

// Locks whose holder is provably gone: an earlier program's lock of an ended process, and a lock
// whose number now names a process started at another time.
QList<QByteArray> staleLocks()
{
    QByteArray reused = ourLockText();
    reused.replace(reused.mid(reused.indexOf("start=")), "start=1\n");
    return {GetLocalComputerName().toUtf8() + '\n' + pidOfEndedProcess() + '\n', reused};
}

// One folder_lock_taker process on a folder.
class Taker {
public:
    Taker(const QString& folder, const QStringList& options)
    {
        process_.start(QStringLiteral(QX_FOLDER_LOCK_TAKER), QStringList{folder} + options);
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~Taker()
    {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished();
    }

    void send(const QByteArray& word) { process_.write(word + '\n'); }
    void flush() { process_.waitForBytesWritten(5000); }
    // The answer to the word sent; empty when the program died first.
    QString answer()
    {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(10000))
                return {};
        return QString::fromLatin1(process_.readLine()).trimmed();
    }
    QString ask(const char* word)
    {
        send(word);
        flush();
        return answer();
    }

private:
    QProcess process_;
};

// How a taker puts its lock in place: renamed without replacing, else linked, else made in place
// as earlier programs did, on file systems that can do neither.
struct Way {
    const char* what;
    QStringList options;
};
const Way kWays[] = {
    {"renamed into place", {}},
    {"linked into place", {QStringLiteral("--fail"), QStringLiteral("rename=%1").arg(EINVAL)}},
    {"made in place",
     {QStringLiteral("--fail"), QStringLiteral("rename=%1").arg(EINVAL), QStringLiteral("--fail"),
      QStringLiteral("link=%1").arg(EPERM)}},
};

TEST(FolderLockRace, OfTwoProgramsTakingOverAStaleLockTogetherExactlyOneHoldsTheFolder)
{
    QTemporaryDir dir(scratchTemplate());
    const QString folder = dir.path() + QLatin1Char('/');
    const QList<QByteArray> stale = staleLocks();
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.what);
        const int rounds = way.options.isEmpty() ? 200 : 50;
        Taker first(folder, way.options), second(folder, way.options);
        QStringList wrong;
        for (int round = 0; round < rounds; ++round) {
            ASSERT_TRUE(writeBytes(folder + FolderLock::kFileName, stale[round % stale.size()]));
            // Each a little late, as programs started together reach the lock some microseconds apart.
            const QByteArray take = "take ";
            first.send(take + QByteArray::number(QRandomGenerator::global()->bounded(100)));
            second.send(take + QByteArray::number(QRandomGenerator::global()->bounded(100)));
            first.flush();
            second.flush();
            const QStringList answers{first.answer(), second.answer()};
            if (answers.count(QStringLiteral("Taken")) != 1 || answers.count(QStringLiteral("HeldByRunning")) != 1)
                wrong << QString::number(round) + QLatin1Char(':') + answers.join(QLatin1Char('/'));
            first.send("release");
            second.send("release");
            first.flush();
            second.flush();
            ASSERT_EQ(first.answer(), QStringLiteral("released"));
            ASSERT_EQ(second.answer(), QStringLiteral("released"));
            ASSERT_EQ(lockEntries(folder), QStringList()) << "the holder's lock went with it, and no temporary stayed";
        }
        EXPECT_TRUE(wrong.isEmpty()) << "rounds where not exactly one program held the folder: "
                                     << qPrintable(wrong.join(QStringLiteral(", ")));
    }
}

TEST(FolderLockRace, AProgramWhoseLockWasRemovedByHandLeavesTheNextHoldersLockAlone)
{
    QTemporaryDir dir(scratchTemplate());
    const QString lockPath = dir.path() + QLatin1Char('/') + FolderLock::kFileName;
    Taker first(dir.path(), {}), second(dir.path(), {});
    ASSERT_EQ(first.ask("take"), QStringLiteral("Taken"));
    ASSERT_TRUE(QFile::remove(lockPath));
    ASSERT_EQ(second.ask("take"), QStringLiteral("Taken"));
    const QByteArray secondsLock = readBytes(lockPath);
    EXPECT_EQ(first.ask("release"), QStringLiteral("released"));
    EXPECT_EQ(readBytes(lockPath), secondsLock);
    EXPECT_EQ(second.ask("release"), QStringLiteral("released"));
    EXPECT_FALSE(QFile::exists(lockPath));
}

TEST(FolderLockKill, AProgramKilledAtAnyCallWhileMakingItsLockLeavesTheFolderToTheNext)
{
    QTemporaryDir dir(scratchTemplate());
    const QString folder = dir.path() + QLatin1Char('/');
    const QString lockPath = folder + FolderLock::kFileName;
    struct Start {
        const char* what;
        QByteArray lock;  // null: none
    };
    const Start starts[] = {
        {"no lock", QByteArray()},
        {"a stale lock", staleLocks().first()},
        {"an empty lock an earlier program died writing", QByteArray("")},
    };
    for (const Way& way : kWays) {
        for (const Start& start : starts) {
            if (start.lock.isEmpty() && !start.lock.isNull() && &way != &kWays[0])
                continue;  // the same for every way, and slow: an empty lock is read again after a moment
            SCOPED_TRACE(std::string(way.what) + ", " + start.what);
            int kills = 0;
            for (int n = 1; n < 40; ++n) {
                SCOPED_TRACE(n);
                if (!start.lock.isNull()) {
                    ASSERT_TRUE(writeBytes(lockPath, start.lock));
                }
                {
                    Taker killed(folder, way.options + QStringList{QStringLiteral("--kill-at"), QString::number(n)});
                    const QString answer = killed.ask("take");
                    if (!answer.isEmpty()) {
                        EXPECT_EQ(answer, QStringLiteral("Taken")) << "killed after its last call";
                        killed.ask("release");
                        break;
                    }
                }
                ++kills;
                Taker next(folder, way.options);
                EXPECT_EQ(next.ask("take"), QStringLiteral("Taken"));
                EXPECT_EQ(next.ask("release"), QStringLiteral("released"));
                EXPECT_EQ(lockEntries(folder), QStringList()) << "nothing of the killed program's lock stayed";
            }
            EXPECT_GE(kills, 5) << "the kill fell at each call of the take";
        }
    }
}

TEST(FolderLockLeftovers, TheHolderRemovesOnlyTheTemporariesAKilledProgramLeftOfItsLock)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString lock = FolderLock::kFileName;
    const QStringList ours{lock + QStringLiteral(".Ab12Cd"), lock + QStringLiteral(".zz9900")};
    const QStringList persons{lock + QStringLiteral(".Ab-12C"), lock + QStringLiteral(".Ab12Cd7"),
                              lock + QStringLiteral(".Ab12C"), lock + QString::fromUtf8(".Ab12C\u0663"),
                              QStringLiteral("notes.Ab12Cd")};
    for (const QString& name : ours + persons)
        ASSERT_TRUE(writeBytes(folder + name, "bytes"));

    const FolderLock::Attempt attempt = FolderLock::take(folder);
    ASSERT_EQ(attempt.outcome, FolderLock::Outcome::Taken);
    for (const QString& name : ours)
        EXPECT_FALSE(QFileInfo::exists(folder + name)) << qPrintable(name);
    for (const QString& name : persons)
        EXPECT_EQ(readBytes(folder + name), QByteArray("bytes")) << qPrintable(name);
}

TEST(FolderLockFullDisk, ALockThatCannotBeWrittenWholeLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    struct Case {
        const char* what;
        QStringList faults;
        const char* answer;
    };
    const QStringList inPlace = kWays[2].options;
    const Case cases[] = {
        {"a full disk", {QStringLiteral("--fail"), QStringLiteral("write=%1").arg(ENOSPC)}, "Failed 28"},
        {"a failing disk at the flush", {QStringLiteral("--fail"), QStringLiteral("fsync=%1").arg(EIO)}, "Failed 5"},
        {"a full disk, made in place",
         inPlace + QStringList{QStringLiteral("--fail"), QStringLiteral("writeInPlace=%1").arg(ENOSPC)}, "Failed 28"},
        {"a failing disk at the flush, made in place",
         inPlace + QStringList{QStringLiteral("--fail"), QStringLiteral("fsyncInPlace=%1").arg(EIO)}, "Failed 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Taker failing(folder, c.faults);
        EXPECT_EQ(failing.ask("take"), QString::fromLatin1(c.answer));
        EXPECT_EQ(lockEntries(folder), QStringList()) << "no empty lock, no temporary";
        Taker next(folder, {});
        EXPECT_EQ(next.ask("take"), QStringLiteral("Taken"));
    }
}

// ---- something else under the lock's name ----

class FolderLockPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        dmMain = &dm;
    }
    void TearDown() override { dmMain = nullptr; }

    QString folder() const { return dir.path() + QLatin1Char('/'); }

    QTemporaryDir dir, config, elsewhere;
    ScriptedMessages messages;
    TdmMain dm;
};

// Opens the write end of a pipe whenever a reader waits on it, after a grace time, so that an
// open that blocks on the pipe ends instead of hanging the test.
class PipeUnblocker {
public:
    explicit PipeUnblocker(const QByteArray& path)
        : thread_([this, path] {
            for (int waited = 0; !stop_; waited += 20) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                if (waited < 3000)
                    continue;
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        })
    {
    }
    ~PipeUnblocker()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(FolderLockPathTest, ALinkAPipeOrAFolderUnderTheLocksNameIsRefusedAtOnceUnreadAndUnfollowed)
{
    const QString lockPath = folder() + FolderLock::kFileName;
    const QByteArray lockName = QFile::encodeName(lockPath);
    const QString target = elsewhere.path() + QStringLiteral("/lock");
    const QByteArray staleLock = staleLocks().first();
    ASSERT_TRUE(writeBytes(target, staleLock));
    struct Case {
        const char* what;
        std::function<bool()> make;
    };
    const Case cases[] = {
        {"a pipe", [&] { return ::mkfifo(lockName.constData(), 0644) == 0; }},
        {"a link to a stale lock elsewhere", [&] { return QFile::link(target, lockPath); }},
        {"a link to nowhere", [&] { return QFile::link(elsewhere.path() + QStringLiteral("/none"), lockPath); }},
        {"a folder", [&] { return QDir().mkdir(lockPath); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.make());
        messages.clear();
        QElapsedTimer clock;
        clock.start();
        {
            PipeUnblocker unblocker(lockName);
            EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
        }
        EXPECT_LT(clock.elapsed(), 2000) << "the open did not wait on it";
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-040")});
        for (const QString& text : {messages.shown[0].chn, messages.shown[0].por})
            EXPECT_TRUE(text.contains(lockPath)) << "names it: " << qPrintable(text);
        EXPECT_TRUE(messages.shown[0].por.contains(QStringLiteral("não é um ficheiro normal")));
        EXPECT_EQ(lockEntries(folder()), QStringList{FolderLock::kFileName}) << "left as it was, no temporary";
        EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
        EXPECT_EQ(readBytes(target), staleLock);
        EXPECT_FALSE(QFile::exists(elsewhere.path() + QStringLiteral("/none")));
        ASSERT_TRUE(QFile::remove(lockPath) || QDir().rmdir(lockPath));
    }
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone) << "opens once it is gone";
}

}  // namespace
