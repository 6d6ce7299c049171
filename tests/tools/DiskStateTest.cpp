// The open of a folder on a full disk, on read-only media, and of a folder the user may not read,
// through qxfolder as the user meets them: a small memory file system is mounted in a mount
// namespace of the tool's own (unshare), and the unreadable folder is opened as an unprivileged
// user (setpriv) where the tests run as root, which reads any folder.
#include "QxFolderRun.h"
#include "core/folder/FolderLock.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <QMap>
#include <unistd.h>

namespace {

using qxtest::ToolRun;
using qxtest::Words;

// Mounts a memory file system with OPTIONS on MOUNT, copies the folder SAVED into it as "folder",
// fills it (blocks, inodes; nearly: all blocks but one) or makes it read-only as STATE says, then
// runs the rest of the words. A file system that cannot be made read-only (an unprivileged user's
// namespace may refuse the remount) gets a read-only mount of it; where neither can be done the
// script ends with kCannotSetUp.
const int kCannotSetUp = 77;
const char kOnMountedFolder[] = R"(set -e
options=$1; state=$2; mnt=$3; saved=$4; shift 4
mount -t tmpfs -o "$options" tmpfs "$mnt" || exit 77
mkdir "$mnt/folder"
cp "$saved"/* "$mnt/folder/"
case "$state" in
  blocks) dd if=/dev/zero of="$mnt/fill" bs=4k 2>/dev/null || true ;;
  nearly) dd if=/dev/zero of="$mnt/spare" bs=4k count=1 2>/dev/null
          dd if=/dev/zero of="$mnt/fill" bs=4k 2>/dev/null || true
          rm "$mnt/spare" ;;
  inodes) i=0; while true 2>/dev/null > "$mnt/f$i"; do i=$((i+1)); done ;;
  readonly) mount -o remount,ro "$mnt" 2>/dev/null || mount -o remount,ro,bind "$mnt" 2>/dev/null || exit 77 ;;
esac
exec "$@")";

// On the full file system: qxfolder QX opens FOLDER, what that left named like the lock is listed,
// the disk under MNT is given room, and FOLDER opened again.
const char kOpenThenOpenWithRoom[] = R"sh(qx=$1; folder=$2; mnt=$3
"$qx" --today 2024-03-15 "$folder" open close
echo "LEFT	$(ls -A "$folder" | grep '^\.quendrix\.lock' | tr '\n' ' ')"
rm -f "$mnt/fill" "$mnt"/f[0-9]*
"$qx" --today 2024-03-15 "$folder" open close
echo "STATUS	$?")sh";

class DiskState : public qxtest::QxFolderFixture {
protected:
    void SetUp() override
    {
        QxFolderFixture::SetUp();
        ASSERT_EQ(onFolder(Words("open save")).status, 0);
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("mnt")));
    }

    QString mnt() const { return work.path() + QStringLiteral("/mnt"); }

    // qxfolder with `commands` on the saved folder copied into a memory file system; nothing when
    // no file system can be mounted here.
    std::optional<ToolRun> onMountedFolder(const QString& options, const QString& state, const QStringList& commands)
    {
        return runOnMount(options, state,
                          QStringList{QStringLiteral(QX_QXFOLDER), QStringLiteral("--today"), QStringLiteral("2024-03-15"),
                                      mnt() + QStringLiteral("/folder")}
                              + commands);
    }

    // `command` once the memory file system is mounted and in the state asked for; nothing when it
    // cannot be put in that state here.
    std::optional<ToolRun> runOnMount(const QString& options, const QString& state, const QStringList& command)
    {
        const QString mnt = this->mnt();
        const ToolRun probe = qxtest::RunTool(QStringLiteral("unshare"),
                                              {QStringLiteral("-rm"), QStringLiteral("mount"), QStringLiteral("-t"),
                                               QStringLiteral("tmpfs"), QStringLiteral("tmpfs"), mnt},
                                              configHome());
        if (probe.status != 0)
            return std::nullopt;
        ToolRun run = qxtest::RunTool(QStringLiteral("unshare"),
                                      QStringList{QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                  QString::fromLatin1(kOnMountedFolder), QStringLiteral("sh"), options,
                                                  state, mnt, folder()}
                                          + command,
                                      configHome());
        if (run.status == kCannotSetUp)
            return std::nullopt;
        return run;
    }
};

TEST_F(DiskState, AFolderThatCannotBeLockedOnAFullDiskIsRefusedNamingTheCause)
{
    // Out of blocks the lock file is made but cannot be written; out of inodes it cannot be made.
    for (const char* state : {"blocks", "inodes"}) {
        SCOPED_TRACE(state);
        const std::optional<ToolRun> r =
            onMountedFolder(QStringLiteral("size=2m,nr_inodes=64"), QString::fromLatin1(state),
                            Words("open set cdsM1P2.R2_Mop=1 save"));
        if (!r)
            GTEST_SKIP() << "no memory file system can be mounted here (unshare -rm mount -t tmpfs)";
        ASSERT_TRUE(r->finished);
        EXPECT_EQ(r->status, 1) << qPrintable(r->lines.join(u'\n') + r->err);
        const QStringList m = r->lineStarting(QStringLiteral("MSG\tDM-020\t1\t"));
        ASSERT_EQ(m.size(), 5) << qPrintable(r->lines.join(u'\n') + r->err);
        EXPECT_TRUE(m[3].contains(QStringLiteral("磁碟已滿"))) << qPrintable(m[3]);
        EXPECT_TRUE(m[4].contains(QStringLiteral("o disco está cheio"))) << qPrintable(m[4]);
        EXPECT_EQ(r->lines.filter(QStringLiteral("MSG\t")).size(), 1) << "refused before any question";
        EXPECT_TRUE(r->lines.contains(QStringLiteral("FAILED\topen")));
    }
}

TEST_F(DiskState, ASaveOntoAFullDiskSaysTheDiskIsFullAndKeepsTheChanges)
{
    const std::optional<ToolRun> r = onMountedFolder(QStringLiteral("size=2m"), QStringLiteral("nearly"),
                                                     Words("open set cdsM1P2.R2_Mop=77 save dump cdsM1P2 R2_Mop"));
    if (!r)
        GTEST_SKIP() << "no memory file system can be mounted here (unshare -rm mount -t tmpfs)";
    ASSERT_TRUE(r->finished);
    EXPECT_EQ(r->status, 1) << qPrintable(r->lines.join(u'\n') + r->err);
    // Its journal, written before anything else of the save, is what finds the disk full.
    const QStringList m = r->lineStarting(QStringLiteral("MSG\tDM-027\t1\t"));
    ASSERT_EQ(m.size(), 5) << qPrintable(r->lines.join(u'\n') + r->err);
    EXPECT_TRUE(m[3].contains(QStringLiteral("the disk is full"))) << qPrintable(m[3]);
    EXPECT_TRUE(r->lines.contains(QStringLiteral("FAILED\tsave")));
    EXPECT_TRUE(r->lines.contains(QStringLiteral("R2_Mop=77"))) << "the change is kept for the next save";
}

TEST_F(DiskState, AJournalTheUserMayNotReadRefusesTheOpenAndChangesNothing)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can save as one user and open as another";
    // Saved by someone whose files nobody else may read, killed after two of its renames; a
    // colleague who may write the folder but not read that journal opens it.
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(folder(), QFile::Permissions(0x7777)));
    const QStringList save = QStringList{QStringLiteral(QX_QXFOLDER), QStringLiteral("--today"),
                                         QStringLiteral("2024-03-15"), folder()}
        + Words("open set cdsM1P2.R2_Mop=777 set cdsM4P1.1_R1_Col1_Mop=5 set cdsM1P1.Nome_Contribuinte_1=Mudado save");
    qputenv("QUENDRIX_TEST_KILL_AFTER_RENAMES", "2");
    const ToolRun killed = qxtest::RunTool(QStringLiteral("sh"),
                                           QStringList{QStringLiteral("-c"), QStringLiteral("umask 077; exec \"$@\""),
                                                       QStringLiteral("sh")} + save,
                                           configHome());
    qunsetenv("QUENDRIX_TEST_KILL_AFTER_RENAMES");
    ASSERT_TRUE(killed.finished);
    ASSERT_EQ(killed.status, -1) << "the save's test hook ended the program";
    // The killed program's lock is no more readable than its journal; its lock is another matter.
    QFile::remove(folder() + QLatin1Char('/') + FolderLock::kFileName);
    const QMap<QString, QByteArray> before = qxtest::snapshot(folder());

    const ToolRun r = qxtest::RunTool(QStringLiteral("setpriv"),
                                      QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                  QStringLiteral("--clear-groups"), QStringLiteral(QX_QXFOLDER),
                                                  QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder()}
                                          + Words("open close"),
                                      configHome());
    ASSERT_TRUE(r.finished);
    if (r.status != 1 && r.lines.isEmpty())
        GTEST_SKIP() << "qxfolder cannot run as the user nobody here: " << qPrintable(r.err);
    EXPECT_EQ(r.status, 1);
    const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-028\t1\t"));
    ASSERT_EQ(m.size(), 5) << qPrintable(r.lines.join(u'\n') + r.err);
    EXPECT_TRUE(m[3].contains(QStringLiteral(".quendrix.journal\\r\\n不能讀取(沒有存取權限"))) << qPrintable(m[3]);
    EXPECT_EQ(r.lines.filter(QStringLiteral("MSG\t")).size(), 1) << "never DM-024";
    EXPECT_TRUE(qxtest::snapshot(folder()) == before) << "no file changed, none removed";

    // Whoever can read the journal finishes the save.
    const ToolRun owner = onFolder(Words("open dump cdsM1P2 R2_Mop close"));
    EXPECT_EQ(owner.lines.value(0).split(u'\t').value(1), QStringLiteral("DM-023"));
    EXPECT_TRUE(owner.lines.contains(QStringLiteral("R2_Mop=777")));
}

TEST_F(DiskState, ALockThatCannotBeWrittenOnAFullDiskLeavesNothingAndTheFolderOpensOnceThereIsRoom)
{
    for (const char* state : {"blocks", "inodes"}) {
        SCOPED_TRACE(state);
        const std::optional<ToolRun> r =
            runOnMount(QStringLiteral("size=2m,nr_inodes=64"), QString::fromLatin1(state),
                       {QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(kOpenThenOpenWithRoom),
                        QStringLiteral("sh"), QStringLiteral(QX_QXFOLDER),
                        mnt() + QStringLiteral("/folder"), mnt()});
        if (!r)
            GTEST_SKIP() << "no memory file system can be mounted here (unshare -rm mount -t tmpfs)";
        ASSERT_TRUE(r->finished);
        EXPECT_EQ(r->lines.filter(QStringLiteral("MSG\tDM-020\t")).size(), 1) << qPrintable(r->lines.join(u'\n') + r->err);
        EXPECT_TRUE(r->lines.contains(QStringLiteral("LEFT\t"))) << "no empty lock, no temporary: "
                                                                  << qPrintable(r->lines.join(u'\n'));
        EXPECT_EQ(r->lines.value(r->lines.size() - 1), QStringLiteral("STATUS\t0")) << qPrintable(r->lines.join(u'\n'));
    }
}

TEST_F(DiskState, AFolderOnReadOnlyMediaOpensForReadingAfterANoticeAndSavesNothing)
{
    const std::optional<ToolRun> r = onMountedFolder(QStringLiteral("size=2m"), QStringLiteral("readonly"),
                                                     Words("open set cdsM1P2.R2_Mop=77 dump cdsM1P2 R2_Mop save close"));
    if (!r)
        GTEST_SKIP() << "no read-only memory file system can be mounted here (unshare -rm mount -t tmpfs)";
    ASSERT_TRUE(r->finished);
    EXPECT_EQ(r->status, 1) << qPrintable(r->lines.join(u'\n') + r->err);
    // The notice comes first, before anything is typed; the save then only repeats it.
    ASSERT_GE(r->lines.size(), 2);
    EXPECT_TRUE(r->lines[0].startsWith(QStringLiteral("MSG\tDM-021\t2\t"))) << qPrintable(r->lines[0]);
    EXPECT_EQ(r->lines.mid(1), (QStringList{QStringLiteral("R2_Mop=77"), r->lines[0], QStringLiteral("FAILED\tsave")}));
}

TEST_F(DiskState, AFolderTheUserMayNotReadIsRefusedAndNeverOfferedAsEmpty)
{
    // A folder without permissions, one that may be listed but not entered, and one of another
    // owner open to its owner only.
    struct Case {
        const char* what;
        QFile::Permissions permissions;
        bool ofAnotherOwner;
    };
    const Case cases[] = {{"mode 000", {}, false},
                          {"mode 444", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther, false},
                          {"another owner's", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner, true}};
    const bool root = geteuid() == 0;
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!root && c.ofAnotherOwner)
            continue;  // only root can give the folder to another owner
        ASSERT_TRUE(QFile::setPermissions(folder(), c.permissions));
        QStringList args = QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder()}
            + Words("open dump cdsM1P1");
        QString program = QStringLiteral(QX_QXFOLDER);
        if (root) {
            args.prepend(program);
            args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups")}
                + args;
            program = QStringLiteral("setpriv");
        }
        const ToolRun r = qxtest::RunTool(program, args, configHome());
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(r.finished);
        if (root && r.status != 1 && r.lines.isEmpty())
            GTEST_SKIP() << "qxfolder cannot run as the user nobody here: " << qPrintable(r.err);
        EXPECT_EQ(r.status, 1);
        const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-022\t1\t"));
        ASSERT_EQ(m.size(), 5) << qPrintable(r.lines.join(u'\n') + r.err);
        EXPECT_TRUE(m[3].startsWith(QStringLiteral("不能讀取資料夾"))) << qPrintable(m[3]);
        EXPECT_TRUE(m[4].startsWith(QStringLiteral("Não é possível ler a pasta"))) << qPrintable(m[4]);
        EXPECT_EQ(r.lines, (QStringList{m.join(u'\t'), QStringLiteral("FAILED\topen"), QStringLiteral("FAILED\tdump cdsM1P1")}))
            << "no blank declaration offered";
    }
    EXPECT_EQ(qxtest::snapshot(folder()).size(), 27);
}

}  // namespace
