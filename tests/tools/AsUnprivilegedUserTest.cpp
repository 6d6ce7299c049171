// A folder opened by a program of an unprivileged user, through qxfolder. Such a program may not
// signal another user's processes, and must take that refusal for a process that runs; it may
// find settings it may not write, which must not keep the folder shut. Where the tests run as
// root, qxfolder runs as the user nobody (setpriv); the other user's running process is the
// system's first process, which root owns.
#include "QxFolderRun.h"
#include "core/folder/FolderLock.h"
#include "core/util/SystemInfo.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using qxtest::ToolRun;
using qxtest::Words;

// Field 22 of a process's stat file, its start time; empty when it cannot be read.
QByteArray startTimeOf(const QByteArray& pid)
{
    const QByteArray stat = qxtest::readBytes(QStringLiteral("/proc/") + QString::fromLatin1(pid) + QStringLiteral("/stat"));
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(22 - 3);
}

// This program's lock with another process's number and start time.
QByteArray lockNaming(const QByteArray& pid, const QByteArray& start)
{
    QTemporaryDir scratch;
    const FolderLock::Attempt attempt = FolderLock::take(scratch.path() + QLatin1Char('/'));
    QList<QByteArray> lines = qxtest::readBytes(scratch.path() + QLatin1Char('/') + FolderLock::kFileName).split('\n');
    lines[1] = pid;
    for (QByteArray& line : lines)
        if (line.startsWith("start="))
            line = "start=" + start;
    return lines.join('\n');
}

class AsUnprivilegedUser : public qxtest::QxFolderFixture {
protected:
    void SetUp() override
    {
        QxFolderFixture::SetUp();
        ASSERT_EQ(onFolder(Words("open save close")).status, 0);
        // The unprivileged user may pass through the work folder and write the form folder and
        // settings of its own.
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
            | QFile::ExeOther;
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("user-config")));
        ASSERT_TRUE(QFile::setPermissions(work.path(), all & ~QFile::WriteOther));
        ASSERT_TRUE(QFile::setPermissions(folder(), all));
        ASSERT_TRUE(QFile::setPermissions(userConfig(), all));
    }

    QString userConfig() const { return work.path() + QStringLiteral("/user-config"); }

    ToolRun openAsUnprivileged() const
    {
        QStringList args = QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder()}
            + Words("open close");
        QString program = QStringLiteral(QX_QXFOLDER);
        if (geteuid() == 0) {
            args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups"), program}
                + args;
            program = QStringLiteral("setpriv");
        }
        return qxtest::RunTool(program, args, userConfig());
    }
};

TEST_F(AsUnprivilegedUser, AnotherUsersRunningProcessHoldsTheFolderAndOnlyAProvablyGoneOneIsTakenOver)
{
    struct stat first {};
    const QByteArray firstStart = startTimeOf("1");
    if (::stat("/proc/1", &first) != 0 || first.st_uid == (geteuid() == 0 ? 65534u : geteuid()) || firstStart.isEmpty())
        GTEST_SKIP() << "the first process is not another user's here, or its start cannot be read";
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const QByteArray gonePid = QByteArray::number(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());

    struct Case {
        const char* what;
        QByteArray lock;
        const char* refusal;  // nullptr: taken over
    };
    const Case cases[] = {
        {"another user's running process", lockNaming("1", firstStart), "DM-017"},
        {"its number now names another user's process started at another time", lockNaming("1", "1"), nullptr},
        {"a process gone", lockNaming(gonePid, "1"), nullptr},
        {"an earlier lock naming another user's running process",
         GetLocalComputerName().toUtf8() + "\n1\n", "DM-026"},
    };
    const QString lockPath = folder() + QLatin1Char('/') + FolderLock::kFileName;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(qxtest::writeBytes(lockPath, c.lock));
        const ToolRun r = openAsUnprivileged();
        ASSERT_TRUE(r.finished);
        if (r.lines.isEmpty() && r.status != 0)
            GTEST_SKIP() << "qxfolder cannot run as an unprivileged user here: " << qPrintable(r.err);
        if (!c.refusal) {
            EXPECT_EQ(r.status, 0) << qPrintable(r.lines.join(u'\n') + r.err);
            EXPECT_EQ(r.lines.filter(QStringLiteral("MSG\t")), QStringList());
            EXPECT_FALSE(QFile::exists(lockPath)) << "taken over, and gone with the close";
            continue;
        }
        EXPECT_EQ(r.status, 1);
        const QStringList m = r.lineStarting(QStringLiteral("MSG\t") + QLatin1String(c.refusal) + QLatin1Char('\t'));
        ASSERT_EQ(m.size(), 5) << qPrintable(r.lines.join(u'\n') + r.err);
        EXPECT_TRUE(m[4].contains(QStringLiteral("(processo 1)"))) << qPrintable(m[4]);
        EXPECT_EQ(qxtest::readBytes(lockPath), c.lock) << "the holder's lock stays";
    }
}

TEST_F(AsUnprivilegedUser, SettingsItMayNotWriteNeitherStopNorStallTheOpen)
{
    // Left by a run as another user where the tests run as root, read-only otherwise.
    const QString settings = userConfig() + QStringLiteral("/Corvel/Quendrix.ini");
    const QByteArray remembered = "[General]\nDefaultFormFolder=/earlier/folder/\n";
    ASSERT_TRUE(QDir(userConfig()).mkpath(QStringLiteral("Corvel")));
    ASSERT_TRUE(qxtest::writeBytes(settings, remembered));
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const ToolRun r = openAsUnprivileged();
    ASSERT_TRUE(r.finished);
    if (r.lines.isEmpty() && r.status != 0)
        GTEST_SKIP() << "qxfolder cannot run as an unprivileged user here: " << qPrintable(r.err);
    EXPECT_EQ(r.status, 0) << qPrintable(r.lines.join(u'\n') + r.err);
    EXPECT_EQ(r.lines.filter(QStringLiteral("FAILED")), QStringList());
    EXPECT_EQ(r.lineStarting(QStringLiteral("MSG\tDM-029\t")).size(), 5) << qPrintable(r.lines.join(u'\n'));
    EXPECT_EQ(qxtest::readBytes(settings), remembered);
}

}  // namespace
