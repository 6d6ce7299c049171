// Opening, saving and closing a form folder on disk.
#include "core/folder/FolderLock.h"
#include "core/folder/FolderOpenSeam.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/SystemInfo.h"
#include "core/util/Registry.h"
#include "support/FileBytes.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedMessages.h"
#include "platform/data/RegularFile.h"
#include "platform/data/SystemReason.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kRegValue = QStringLiteral("DefaultFormFolder");

using qxtest::readBytes;
using qxtest::ReadOnlyFolder;
using qxtest::snapshot;
using qxtest::writeBytes;

class FormFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0)));
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(config.isValid());
        // Tests of one program may run side by side: each remembers its folder in its own file.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        dmMain = &dm;
    }
    void TearDown() override
    {
        dmMain = nullptr;
        SetFixedNow(QDateTime());
    }

    QString folder() const { return dir.path() + QLatin1Char('/'); }

    // A folder holding all files, saved from a blank declaration, closed again.
    void makeSavedFolder()
    {
        ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
        ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
        messages.clear();
    }

    void setAmount(qx::ClientDataSet& ds, const char* field, const char* amount, bool post = true)
    {
        ds.edit();
        ds.fieldByName(QString::fromLatin1(field)).setAsCurrency(qx::Currency::parse(QString::fromLatin1(amount)));
        if (post)
            ds.post();
    }

    QString amountOf(qx::ClientDataSet& ds, const char* field) const
    {
        return ds.fieldByName(QString::fromLatin1(field)).asCurrency().toString();
    }

    // The open datasets of the folder but the alert list, which outlives a close by design.
    std::vector<qx::ClientDataSet*> activeFolderDataSets() const
    {
        std::vector<qx::ClientDataSet*> out;
        for (const TFolderFile& f : dm.FolderFiles())
            if (f.DataSet->active() && f.ObjCode != 100)
                out.push_back(f.DataSet);
        return out;
    }

    ScriptedMessages messages;
    QTemporaryDir dir;
    QTemporaryDir config;
    TdmMain dm;
};

// ---- opening ----

TEST_F(FormFolderTest, AnEmptyFolderAcceptedAsBlankOpensOneRecordPerPageAndWritesNothing)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);

    ASSERT_FALSE(messages.shown.empty());
    const ShownMessage& q = messages.shown.front();
    EXPECT_EQ(q.code, QStringLiteral("DM-008"));
    EXPECT_EQ(q.dlgType, dtQuestion);
    EXPECT_EQ(q.chn, QStringLiteral("資料夾\r\n") + folder() + QStringLiteral("\r\n中沒有表格檔案，是否存入一套空白表格？"));
    EXPECT_EQ(q.por, QStringLiteral("Não existe ficheiro na pasta \r\n") + folder()
                         + QStringLiteral("\r\n. Quer introduzir um conjunto de ficheiros em branco?"));
    EXPECT_TRUE(q.eng.isEmpty());

    ASSERT_EQ(dm.FolderFiles().size(), 27u);
    for (const TFolderFile& f : dm.FolderFiles()) {
        ASSERT_TRUE(f.DataSet->active()) << qPrintable(f.FileName);
        EXPECT_EQ(f.DataSet->fileName(), folder() + f.FileName);
        switch (f.ObjCode) {
        case 100: break;
        case 300: EXPECT_GT(f.DataSet->recordCount(), 0); break;
        case 4012:
        case 5011:
        case 5012: EXPECT_EQ(f.DataSet->recordCount(), 0) << qPrintable(f.FileName); break;
        default: EXPECT_EQ(f.DataSet->recordCount(), 1) << qPrintable(f.FileName);
        }
    }
    EXPECT_EQ(dm.CurrentFormFolder, folder());
    EXPECT_EQ(ReadRegString(QString(), kRegValue), folder());
    EXPECT_TRUE(snapshot(folder()).isEmpty());
}

TEST_F(FormFolderTest, AFolderWithOnlyTheAlertListCountsAsEmptyAndTheAlertListIsNeverRead)
{
    ASSERT_TRUE(writeBytes(folder() + QStringLiteral("Alert.xml"), "not a data packet"));
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(messages.codes().value(0), QStringLiteral("DM-008"));
    EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-003")));
    EXPECT_EQ(readBytes(folder() + QStringLiteral("Alert.xml")), QByteArray("not a data packet"));
}

TEST_F(FormFolderTest, DecliningBlankFilesChangesNothing)
{
    WriteRegString(QString(), kRegValue, QStringLiteral("/earlier/folder/"));
    messages.answer(QStringLiteral("DM-008"), mrNo);
    EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDeclined);
    EXPECT_TRUE(activeFolderDataSets().empty());
    EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
    EXPECT_EQ(ReadRegString(QString(), kRegValue), QStringLiteral("/earlier/folder/"));
    EXPECT_TRUE(snapshot(folder()).isEmpty());
}

// A small file system of its own (root only), filled to its last block; unmounted at the end.
class FullDisk {
public:
    explicit FullDisk(const QString& path) : path_(QFile::encodeName(path))
    {
        mounted_ = QDir().mkpath(path) && ::mount("tmpfs", path_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk()
    {
        if (mounted_)
            ::umount2(path_.constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool mounted() const { return mounted_; }
    // Fills what is left but one block.
    bool fill() const
    {
        const qx::Descriptor fd(::open((path_ + "/filler").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        const QByteArray block(4096, 'x');
        off_t size = 0;
        while (fd.get() >= 0 && ::write(fd.get(), block.constData(), std::size_t(block.size())) == block.size())
            size += block.size();
        return fd.get() >= 0 && size > 0 && ::ftruncate(fd.get(), size - block.size()) == 0;
    }

private:
    QByteArray path_;
    bool mounted_ = false;
};

TEST_F(FormFolderTest, SettingsThatCannotBeWrittenNeitherStopNorStallTheOpen)
{
    makeSavedFolder();
    const QString earlier = QStringLiteral("/earlier/folder/");
    QString settingsDir;  // the row's
    const auto settings = [&] { return settingsDir + QStringLiteral("/Quendrix.ini"); };
    const auto useSettingsIn = [&](const QString& dir) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
        settingsDir = dir + QStringLiteral("/Corvel");
    };
    QProcess holder;  // another program that holds the settings' lock while it runs
    const QString plainFile = config.path() + QStringLiteral("/plain-file");
    FullDisk disk(config.path() + QStringLiteral("/disk"));
    struct Case {
        const char* what;
        std::function<bool()> make;
        const char* warning;  // nullptr: the folder is remembered
        QString readBack;
        const char* chn;  // how DM-029 names the failure
        const char* por;
    };
    const Case cases[] = {
        {"a settings lock a crash left", [&] { return writeBytes(settings() + QStringLiteral(".lock"), ""); }, nullptr,
         folder(), "", ""},
        {"a settings lock another program holds",
         [&] {
             const QString lock = settings() + QStringLiteral(".lock");
             holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), lock, QStringLiteral("sleep"), QStringLiteral("5")});
             for (int tries = 0; tries < 200; ++tries, QThread::msleep(10)) {
                 const qx::Descriptor probe(::open(QFile::encodeName(lock).constData(), O_RDONLY | O_CLOEXEC));
                 if (probe.get() >= 0 && ::flock(probe.get(), LOCK_EX | LOCK_NB) != 0)
                     return true;
             }
             return false;
         },
         "DM-029", earlier, "正被另一個程式鎖定", "bloqueadas por outro programa"},
        {"a settings lock that is a pipe",
         [&] { return ::mkfifo(QFile::encodeName(settings() + QStringLiteral(".lock")).constData(), 0600) == 0; },
         "DM-029", earlier, "鎖定檔案不能建立或不是一個普通檔案", "ficheiro de bloqueio das definições do programa não pode ser criado"},
        {"a settings file that is a pipe",
         [&] { return QFile::remove(settings()) && ::mkfifo(QFile::encodeName(settings()).constData(), 0600) == 0; },
         "DM-029", QString(), "設定檔案不是一個普通檔案", "definições do programa não é um ficheiro normal"},
        {"a settings file of 4 GiB", [&] { return ::truncate(QFile::encodeName(settings()).constData(), 4LL << 30) == 0; },
         "DM-029", QString(), "大得不像是設定", "grande demais para ser de definições"},
        {"a settings file that cannot be read whole",
         [&] { return writeBytes(settings(), "[General\nDefaultFormFolder=" + earlier.toUtf8() + "\n"); }, "DM-029",
         earlier, "已損壞", "está danificado"},
        {"settings whose folder cannot be made",
         [&] {
             useSettingsIn(plainFile + QStringLiteral("/config"));
             return writeBytes(plainFile, "");
         },
         "DM-029", QString(), "程式的設定不能寫入：", "as definições do programa não podem ser gravadas: "},
        // The settings' lock takes the last free block; the settings themselves find none.
        {"a full disk",
         [&] {
             useSettingsIn(config.path() + QStringLiteral("/disk"));
             WriteRegString(QString(), kRegValue, earlier);
             return disk.fill();
         },
         "DM-029", earlier, "程式的設定不能寫入：磁碟已滿", "não podem ser gravadas: o disco está cheio"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (QLatin1StringView(c.what) == QLatin1StringView("a full disk") && !disk.mounted())
            GTEST_SKIP() << "no file system can be mounted here: the last row needs one";
        useSettingsIn(config.path());
        QDir(settingsDir).removeRecursively();
        WriteRegString(QString(), kRegValue, earlier);
        ASSERT_TRUE(c.make());
        // What the settings folder holds: every name, and the file's bytes (its kind and size when
        // it is no small plain file).
        const auto settingsState = [&] {
            QStringList state = QDir(settingsDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            struct stat st {};
            if (::stat(QFile::encodeName(settings()).constData(), &st) == 0)
                state << (S_ISREG(st.st_mode) && st.st_size < 4096 ? QString::fromUtf8(readBytes(settings()))
                                                                   : QString::number(st.st_mode) + u' ' + QString::number(st.st_size));
            return state;
        };
        const QStringList before = settingsState();
        messages.clear();
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(messages.codes(), c.warning ? QStringList{QString::fromLatin1(c.warning)} : QStringList());
        if (c.warning && !messages.shown.empty()) {
            const ShownMessage& m = messages.shown[0];
            EXPECT_EQ(m.dlgType, dtWarning);
            EXPECT_TRUE(m.chn.contains(QString::fromUtf8(c.chn))) << qPrintable(m.chn);
            EXPECT_TRUE(m.por.contains(QString::fromUtf8(c.por))) << qPrintable(m.por);
            EXPECT_TRUE(m.eng.isEmpty());
            EXPECT_EQ(settingsState(), before) << "the settings are left as they were";
        }
        EXPECT_EQ(ReadRegString(QString(), kRegValue), c.readBack) << "another program's settings are kept";
        EXPECT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
        holder.kill();
        holder.waitForFinished();
    }
}

TEST_F(FormFolderTest, AMissingSettingsFileIsTheOnlyOneOffered)
{
    makeSavedFolder();
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("Sys.xml")));

    messages.answer(QStringLiteral("DM-009"), mrNo);
    EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDeclined);
    ASSERT_EQ(messages.shown.size(), 1u);
    const ShownMessage& q = messages.shown[0];
    EXPECT_EQ(q.code, QStringLiteral("DM-009"));
    EXPECT_EQ(q.dlgType, dtQuestion);
    EXPECT_EQ(q.chn, QStringLiteral("資料夾\r\n") + folder()
                         + QStringLiteral("\r\n中欠缺下列檔案，是否以空白表格補充？\r\n\r\n系統資料表"));
    EXPECT_EQ(q.por, QStringLiteral("Não existem os seguintes ficheiros na pasta \r\n") + folder()
                         + QStringLiteral("\r\n. Quer adicionar ficheiros em branco?\r\n\r\nTabela de informações do sistema"));
    EXPECT_TRUE(activeFolderDataSets().empty());

    messages.answer(QStringLiteral("DM-009"), mrYes);
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(dm.cdsSys.recordCount(), 1);
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("Sys.xml")));
}

TEST_F(FormFolderTest, AFileThatIsCorruptOrCannotBeOpenedStopsTheOpenClosesWhatItOpenedAndStaysUntouched)
{
    makeSavedFolder();
    const QString path = folder() + QStringLiteral("M1P2.xml");
    const QByteArray page = readBytes(path);
    const QByteArray corrupt = page.left(200) + "<ROW R2_Mop=\"12";
    // A file that cannot be opened is no missing one: it is never offered as a blank page.
    struct Case {
        const char* what;
        int openFault;  // the error its open meets; 0: none
    };
    const Case cases[] = {{"corrupt", 0}, {"one the user may not read", EACCES}, {"on a failing disk", EIO}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = c.openFault ? page : corrupt;
        ASSERT_TRUE(writeBytes(path, bytes));
        FolderOpenSeam::openFault = [&](const QString& name) { return name == QStringLiteral("M1P2.xml") ? c.openFault : 0; };
        messages.clear();
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
        FolderOpenSeam::openFault = nullptr;
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-003")});
        const ShownMessage& m = messages.shown[0];
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.chn.startsWith(QStringLiteral("開啟資料表「M/1表格(背面左頁)」(M1P2.xml)時發生以下故障：\r\n")))
            << qPrintable(m.chn);
        EXPECT_TRUE(m.por.startsWith(QStringLiteral("Houve a seguinte falha quando abriu a tabela de informações 'M1P2.xml':\r\n")))
            << qPrintable(m.por);
        EXPECT_GT(m.chn.size(), m.chn.indexOf(QStringLiteral("\r\n")) + 2) << "the error text is missing";
        if (c.openFault) {
            EXPECT_TRUE(m.chn.contains(qx::SystemReason(c.openFault))) << qPrintable(m.chn);
        }

        EXPECT_TRUE(activeFolderDataSets().empty());
        EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
        EXPECT_EQ(readBytes(path), bytes);
        EXPECT_EQ(dm.ProcessFormFolder(QString(), ffSaveAll), TFolderResult::frNothingToSave);
    }
}

TEST_F(FormFolderTest, OpeningAndClosingNeverChangesAFile)
{
    makeSavedFolder();
    // A page file without its record: the open gives the page a blank record in memory only.
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    dm.cdsM4P2.deleteRecord();
    setAmount(dm.cdsM1P2, "R2_Mop", "1");
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
    const QMap<QString, QByteArray> before = snapshot(folder());
    ASSERT_EQ(before.size(), 27);

    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(dm.cdsM4P2.recordCount(), 1);
    setAmount(dm.cdsM1P2, "R3_Mop", "2");
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    EXPECT_EQ(snapshot(folder()), before);
}

TEST_F(FormFolderTest, APathThatIsAFileOrANameTheSystemCannotSpellIsRefusedBeforeAnyQuestion)
{
    WriteRegString(QString(), kRegValue, QStringLiteral("/earlier/folder/"));
    const QString file = folder() + QStringLiteral("declaracao.txt");
    ASSERT_TRUE(writeBytes(file, "text"));
    // An archive unpacked with Big5 names: the name reads as other characters here.
    const QByteArray big5Name = QFile::encodeName(folder()) + "\xA5\xBB\xA6\x7E";
    ASSERT_EQ(::mkdir(big5Name.constData(), 0700), 0);
    const QString unspellable = QFile::decodeName(big5Name);
    for (const QString& path : {file, unspellable}) {
        SCOPED_TRACE(path.toStdString());
        messages.clear();
        EXPECT_EQ(dm.ProcessFormFolder(path, ffOpen), TFolderResult::frFailed);
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-018")});
        EXPECT_EQ(messages.shown[0].dlgType, dtError);
        EXPECT_TRUE(messages.shown[0].chn.contains(path)) << qPrintable(messages.shown[0].chn);
        EXPECT_TRUE(activeFolderDataSets().empty());
        EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
        EXPECT_EQ(ReadRegString(QString(), kRegValue), QStringLiteral("/earlier/folder/"));
    }
    EXPECT_TRUE(messages.shown[0].chn.contains(QStringLiteral("系統編碼")));
    EXPECT_EQ(::rmdir(big5Name.constData()), 0) << "nothing was written into it";
    EXPECT_EQ(readBytes(file), QByteArray("text"));
}

// ---- the lock of an open folder ----

TEST_F(FormFolderTest, AnOpenFolderIsRefusedToASecondProgramUntilItIsClosed)
{
    makeSavedFolder();
    const QString lockPath = folder() + FolderLock::kFileName;
    const QString computer = GetLocalComputerName();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_TRUE(readBytes(lockPath).startsWith(computer.toUtf8() + '\n' + QByteArray::number(qint64(getpid())) + '\n'));
    const QMap<QString, QByteArray> files = snapshot(folder());

    {
        TdmMain second;  // as a second program would
        dmMain = &second;
        messages.clear();
        EXPECT_EQ(second.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-017")});
        const ShownMessage& m = messages.shown[0];
        EXPECT_EQ(m.dlgType, dtError);
        for (const QString& text : {m.chn, m.por}) {
            EXPECT_TRUE(text.contains(computer)) << qPrintable(text);
            EXPECT_TRUE(text.contains(QString::number(getpid()))) << qPrintable(text);
        }
        EXPECT_TRUE(second.CurrentFormFolder.isEmpty());
        EXPECT_FALSE(second.cdsM1P1.active());
        dmMain = &dm;
    }
    EXPECT_TRUE(QFile::exists(lockPath)) << "the refused open left the holder's lock alone";
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    EXPECT_FALSE(QFile::exists(lockPath));
    EXPECT_EQ(snapshot(folder()), files);

    // A failed or declined open keeps no lock.
    ASSERT_TRUE(writeBytes(folder() + QStringLiteral("M1P2.xml"), "damaged"));
    EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
    EXPECT_FALSE(QFile::exists(lockPath));
    QTemporaryDir empty;
    messages.answer(QStringLiteral("DM-008"), mrNo);
    EXPECT_EQ(dm.ProcessFormFolder(empty.path(), ffOpen), TFolderResult::frDeclined);
    EXPECT_FALSE(QFile::exists(empty.path() + QLatin1Char('/') + FolderLock::kFileName));
}

// A lock file with one line changed.
QByteArray withLine(const QByteArray& lock, const char* key, const QByteArray& value)
{
    QList<QByteArray> lines = lock.split('\n');
    for (QByteArray& line : lines)
        if (line.startsWith(key))
            line = key + value;
    return lines.join('\n');
}

TEST_F(FormFolderTest, AStaleLockIsTakenOverOnlyWhenItsHolderIsProvablyGoneElseTheMessageSaysHowToRelease)
{
    makeSavedFolder();
    const QString lockPath = folder() + FolderLock::kFileName;
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    const QByteArray ours = readBytes(lockPath);  // this process: running, on this computer
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    ASSERT_FALSE(ours.contains("\nstart=\n") || ours.contains("\nboot=\n")) << ours.constData();
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const QByteArray gonePid = QByteArray::number(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());
    const QByteArray computer = GetLocalComputerName().toUtf8();
    const QByteArray pid = QByteArray::number(qint64(getpid()));
    QByteArray ofGoneProcess = ours;
    ofGoneProcess.replace('\n' + pid + '\n', '\n' + gonePid + '\n');

    struct Case {
        const char* what;
        QByteArray lock;
        const char* refusal;           // nullptr: taken over
        bool osLockHeld = false;          // by another program
        const char* holderPor = nullptr;  // how the refusal names the holder
        int heldForMs = 0;                // how long the OS lock is held; 0: all along
    };
    const Case cases[] = {
        {"its holder runs", ours, "DM-017"},
        {"its number now names a process started at another time", withLine(ours, "start=", "1"), nullptr},
        {"its holder is gone", ofGoneProcess, nullptr},
        {"an earlier lock of a process gone", computer + '\n' + gonePid + '\n', nullptr},
        {"an earlier lock naming a running process", computer + '\n' + pid + '\n', "DM-026"},
        {"another computer", "OUTRO-PC\n1\n", "DM-026"},
        {"a computer of the same name", withLine(ours, "machine=", "0123456789abcdef"), "DM-026"},
        {"a lock that cannot be read", "\x01\x02", "DM-026"},
        {"a number too large for a process, ending in a gone one's",
         computer + '\n' + QByteArray::number((Q_INT64_C(1) << 32) + gonePid.toLongLong()) + '\n', "DM-026"},
        // Whatever its text says, a lock whose OS lock another program holds is in use.
        {"an empty lock held", "", "DM-017", true, "por outro programa"},
        {"a gone process's lock held", ofGoneProcess, "DM-017", true, "por outro programa"},
        {"another computer's lock held", "OUTRO-PC\n1\n", "DM-017", true, "'OUTRO-PC' (processo 1)"},
        // Held a moment, as by a program that takes a stale lock over or writes its lock in place.
        {"a gone process's lock held a moment", ofGoneProcess, nullptr, true, nullptr, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeBytes(lockPath, c.lock));
        qx::Descriptor osLock(c.osLockHeld ? ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC) : -1);
        ASSERT_EQ(c.osLockHeld, osLock.get() >= 0 && ::flock(osLock.get(), LOCK_EX | LOCK_NB) == 0);
        std::jthread letGo;
        if (c.heldForMs > 0)
            letGo = std::jthread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(c.heldForMs));
                osLock.reset();
            });
        messages.clear();
        if (!c.refusal) {
            EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
            EXPECT_EQ(messages.codes(), QStringList());
            EXPECT_EQ(readBytes(lockPath), ours);
            ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
            continue;
        }
        TdmMain second;  // as another program
        dmMain = &second;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(second.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
        EXPECT_LT(clock.elapsed(), 2000);
        dmMain = &dm;
        ASSERT_EQ(messages.codes(), QStringList{QString::fromLatin1(c.refusal)});
        EXPECT_EQ(readBytes(lockPath), c.lock) << "a lock that is not provably stale stays";
        const ShownMessage& m = messages.shown[0];
        if (c.holderPor) {
            EXPECT_TRUE(m.por.contains(QString::fromUtf8(c.holderPor))) << qPrintable(m.por);
        }
        if (QLatin1String(c.refusal) == QLatin1String("DM-026")) {
            for (const QString& text : {m.chn, m.por})
                EXPECT_TRUE(text.contains(lockPath)) << "names the file to delete: " << qPrintable(text);
        }
    }
    // A lock after a restart of this computer: the same number, a process of the earlier boot.
    if (!ours.contains("\nmachine=\n")) {
        ASSERT_TRUE(writeBytes(lockPath, withLine(ours, "boot=", "00000000-0000-0000-0000-000000000000")));
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        EXPECT_EQ(readBytes(lockPath), ours);
        ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    }
}

// ---- symbolic links ----

TEST_F(FormFolderTest, AFileThatIsALinkRefusesTheOpenAndNoSaveWritesThroughOne)
{
    makeSavedFolder();
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + QStringLiteral("/target.xml");
    const QString m1p2 = folder() + QStringLiteral("M1P2.xml");
    const QByteArray page = readBytes(m1p2);
    ASSERT_TRUE(writeBytes(target, page));
    ASSERT_TRUE(QFile::remove(m1p2));
    // A link to a file elsewhere, a dangling link, a link to a device.
    for (const QString& to : {target, elsewhere.path() + QStringLiteral("/missing.xml"), QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(to.toStdString());
        ASSERT_TRUE(QFile::link(to, m1p2));
        messages.clear();
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frFailed);
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-019")});
        EXPECT_TRUE(messages.shown[0].chn.contains(QStringLiteral("「M/1表格(背面左頁)」(M1P2.xml)"))) << qPrintable(messages.shown[0].chn);
        EXPECT_TRUE(messages.shown[0].por.contains(QStringLiteral("'M1P2.xml'")));
        EXPECT_TRUE(activeFolderDataSets().empty());
        EXPECT_FALSE(QFile::exists(folder() + FolderLock::kFileName));
        ASSERT_TRUE(QFile::remove(m1p2));
    }
    EXPECT_FALSE(QFile::exists(elsewhere.path() + QStringLiteral("/missing.xml")));

    // A link that appears after the open: the save refuses it and changes no file at all.
    ASSERT_TRUE(writeBytes(m1p2, page));
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "5");
    setAmount(dm.cdsM4P1, "1_R1_Col1_Mop", "6");
    ASSERT_TRUE(QFile::remove(m1p2));
    ASSERT_TRUE(QFile::link(target, m1p2));
    const QMap<QString, QByteArray> before = snapshot(folder());
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
    EXPECT_TRUE(messages.shown[1].chn.startsWith(QStringLiteral("表格「M/1表格(背面左頁)」(M1P2.xml)於儲存(至硬碟)時")));
    EXPECT_TRUE(messages.shown[1].chn.contains(QStringLiteral("symbolic link")));
    EXPECT_EQ(readBytes(target), page);
    EXPECT_TRUE(QFileInfo(m1p2).isSymLink());
    EXPECT_EQ(snapshot(folder()), before);
    EXPECT_GT(dm.cdsM1P2.changeCount(), 0);
    EXPECT_GT(dm.cdsM4P1.changeCount(), 0);
}

// ---- the folder that was opened ----

// Every entry of the folder, hidden ones too.
QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST_F(FormFolderTest, ASaveGoesIntoTheFolderThatWasOpenedNeverIntoAnotherThatTookItsPath)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "77");
    // A file manager moves the open folder away and another folder is made under its name.
    QTemporaryDir away;
    const QString moved = away.path() + QStringLiteral("/moved/");
    ASSERT_EQ(::rename(QFile::encodeName(dir.path()).constData(), QFile::encodeName(moved).constData()), 0);
    ASSERT_TRUE(QDir().mkdir(dir.path()));
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_EQ(entriesOf(folder()), QStringList()) << "the other folder gets nothing";
    EXPECT_TRUE(readBytes(moved + QStringLiteral("M1P2.xml")).contains("R2_Mop=\"77\""));
    EXPECT_TRUE(QFile::exists(moved + FolderLock::kFileName));
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    EXPECT_FALSE(QFile::exists(moved + FolderLock::kFileName)) << "the lock of the folder that was opened goes with it";
    EXPECT_EQ(entriesOf(folder()), QStringList());
}

// Frees a reader that hangs in the open of the pipe `fifo` (as a plain open of it would), so that
// a test fails instead of hanging; stops when `done` is set.
std::thread pipeUnblocker(const QByteArray& fifo, const std::atomic<bool>& done)
{
    return std::thread([fifo, &done] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0)
            ::close(fd);
    });
}

TEST_F(FormFolderTest, AFileSwappedAfterItsCheckIsNeverReadInItsPlace)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "31");
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    const QString m1p2 = folder() + QStringLiteral("M1P2.xml");
    const QByteArray page = readBytes(m1p2);
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.path() + QStringLiteral("/outside.xml");
    ASSERT_TRUE(writeBytes(outside, QByteArray(page).replace("R2_Mop=\"31\"", "R2_Mop=\"666\"")));
    const QString moved = elsewhere.path() + QStringLiteral("/moved");
    const QByteArray fifo = QFile::encodeName(m1p2);

    struct Case {
        const char* what;
        std::function<bool()> swap;  // between the check of the files and their reading
        std::function<bool()> undo;
    };
    const auto putBack = [&] { return QFile::remove(m1p2) && writeBytes(m1p2, page); };
    const Case cases[] = {
        {"a pipe", [&] { return QFile::remove(m1p2) && ::mkfifo(fifo.constData(), 0600) == 0; }, putBack},
        {"a link to a file outside", [&] { return QFile::remove(m1p2) && QFile::link(outside, m1p2); }, putBack},
        {"nothing", [&] { return QFile::remove(m1p2); }, [&] { return writeBytes(m1p2, page); }},
        {"another folder under the folder's path",
         [&] {
             return QDir().rename(dir.path(), moved) && QDir().mkdir(dir.path()) && QFile::copy(outside, m1p2);
         },
         [&] { return QDir(dir.path()).removeRecursively() && QDir().rename(moved, dir.path()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool swapped = false;
        FolderOpenSeam::afterFilesChecked = [&](const QString&) { swapped = c.swap(); };
        std::atomic<bool> done = false;
        std::thread unblocker = pipeUnblocker(fifo, done);
        messages.clear();
        const auto start = std::chrono::steady_clock::now();
        const TFolderResult opened = dm.ProcessFormFolder(dir.path(), ffOpen);
        const auto took = std::chrono::steady_clock::now() - start;
        done = true;
        unblocker.join();
        FolderOpenSeam::afterFilesChecked = nullptr;
        ASSERT_TRUE(swapped);
        EXPECT_LT(took, std::chrono::seconds(2)) << "no wait on a pipe";
        EXPECT_EQ(opened, TFolderResult::frDone) << qPrintable(messages.codes().join(u' '));
        EXPECT_EQ(messages.codes(), QStringList());
        EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("31")) << "the page as the folder held it: no blank, nothing from outside";
        dm.ProcessFormFolder(QString(), ffClose);
        ASSERT_TRUE(c.undo());
    }
    EXPECT_EQ(readBytes(outside).count("666"), 1);
}

// ---- saving ----

TEST_F(FormFolderTest, SaveAsksOnceAndWritesEveryFileWithTheAlertListLast)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    messages.clear();
    // A pending edit whose post raises a finding: the alert list written last holds it.
    dm.cdsM1P1.edit();
    dm.cdsM1P1.fieldByName(u"No_Contribuinte").setAsInteger(5);
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-010")});
    const ShownMessage& q = messages.shown[0];
    EXPECT_EQ(q.dlgType, dtQuestion);
    EXPECT_EQ(q.chn, QStringLiteral("是否儲存資料夾 \"") + folder() + QStringLiteral("\" 中的全部表格檔案？"));
    EXPECT_EQ(q.por, QStringLiteral("Armazenar todos os ficheiros da pasta '") + folder() + QStringLiteral("'?"));

    const QMap<QString, QByteArray> files = snapshot(folder());
    EXPECT_EQ(files.size(), 27);
    for (const TFolderFile& f : dm.FolderFiles()) {
        EXPECT_TRUE(files.contains(f.FileName)) << qPrintable(f.FileName);
        EXPECT_EQ(f.DataSet->changeCount(), 0) << qPrintable(f.FileName);
    }
    EXPECT_TRUE(files.value(QStringLiteral("Sys.xml")).startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>"));
    EXPECT_TRUE(files.value(QStringLiteral("Alert.xml")).contains("Msg_Code=\"A-033\""));
    const qint64 alertsAt = qxtest::changedAtNs(folder() + QStringLiteral("Alert.xml"));
    for (const TFolderFile& f : dm.FolderFiles()) {
        EXPECT_LE(qxtest::changedAtNs(folder() + f.FileName), alertsAt) << qPrintable(f.FileName) << " after the alert list";
        EXPECT_FALSE(f.DataSet->editing()) << qPrintable(f.FileName);
    }

    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frNothingToSave);
    EXPECT_TRUE(messages.shown.empty());
    // Where no folder is, every file is missing: the save is asked for, and fails naming why.
    const QString nowhere = folder() + QStringLiteral("none/");
    EXPECT_EQ(dm.ProcessFormFolder(nowhere, ffSaveAll), TFolderResult::frFailed);
    ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
    EXPECT_TRUE(messages.shown[1].chn.contains(qx::SystemReason(ENOENT))) << qPrintable(messages.shown[1].chn);
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST_F(FormFolderTest, ADeclinedSaveWritesNothingAndKeepsTheChanges)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    messages.answer(QStringLiteral("DM-010"), mrNo);
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDeclined);
    EXPECT_TRUE(snapshot(folder()).isEmpty());
    EXPECT_GT(dm.cdsM1P1.changeCount(), 0);
}

TEST_F(FormFolderTest, AnUnpostedEditIsPostedBySaveAndReadsBack)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "12.3456", /*post=*/false);
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_EQ(dm.cdsM1P2.state(), qx::DataSetState::Browse);
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("12.3456"));
}

TEST_F(FormFolderTest, APostThatFailsDuringSaveLeavesThatFileUnwritten)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    const QByteArray before = readBytes(folder() + QStringLiteral("M1P3.xml"));
    setAmount(dm.cdsM1P3, "Div_Lucros_Mop_R1", "5", /*post=*/false);
    dm.cdsM1P3.beforePost = [](qx::ClientDataSet&) { throw std::runtime_error("refused"); };
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    ASSERT_TRUE(messages.codes().contains(QStringLiteral("DM-005")));
    const ShownMessage& m = messages.shown[size_t(messages.codes().indexOf(QStringLiteral("DM-005")))];
    EXPECT_EQ(m.dlgType, dtError);
    EXPECT_EQ(m.chn, QStringLiteral("表格「M/1表格(背面右頁)」(M1P3.xml)於儲存(至記憶體)時出現以下故障：\r\nrefused"));
    EXPECT_EQ(m.por, QStringLiteral("Houve a seguinte falha quando armazenou o ficheiro 'M/1表格(背面右頁)' na memória rígido:\r\nrefused"));
    EXPECT_EQ(readBytes(folder() + QStringLiteral("M1P3.xml")), before);
    EXPECT_EQ(dm.cdsM1P3.state(), qx::DataSetState::Edit);
}

TEST_F(FormFolderTest, AFileThatCannotBeWrittenChangesNoFileAndKeepsEveryChangeForTheNextSave)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "-120");
    setAmount(dm.cdsM4P1, "1_R1_Col1_Mop", "7.5");
    const QByteArray m4p1Before = readBytes(folder() + QStringLiteral("M4P1.xml"));
    // A directory where the file should be: no write can replace it.
    const QString path = folder() + QStringLiteral("M1P2.xml");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    EXPECT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
    const ShownMessage& m = messages.shown.back();
    EXPECT_TRUE(m.chn.startsWith(QStringLiteral("表格「M/1表格(背面左頁)」(M1P2.xml)於儲存(至硬碟)時出現以下故障：\r\n")))
        << qPrintable(m.chn);
    EXPECT_TRUE(m.por.startsWith(QStringLiteral("Houve a seguinte falha quando armazenou o ficheiro 'M/1表格(背面左頁)' no disco rígido:\r\n")))
        << qPrintable(m.por);
    // All or nothing: no other file was replaced, and every change waits for the next save.
    EXPECT_GT(dm.cdsM1P2.changeCount(), 0);
    EXPECT_GT(dm.cdsM4P1.changeCount(), 0);
    EXPECT_EQ(readBytes(folder() + QStringLiteral("M4P1.xml")), m4p1Before);

    ASSERT_TRUE(QDir().rmdir(path));
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-005")));
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("-120"));
    EXPECT_EQ(amountOf(dm.cdsM4P1, "1_R1_Col1_Mop"), QStringLiteral("7.5"));
}

TEST_F(FormFolderTest, ARenameThatFailsPutsBackTheFilesRenamedBeforeItAndKeepsEveryChange)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "12");      // renamed before M4P1.xml
    setAmount(dm.cdsM4P1, "1_R1_Col1_Mop", "34");
    const QMap<QString, QByteArray> before = snapshot(folder());
    const QString m4p1 = folder() + QStringLiteral("M4P1.xml");
    // An immutable file cannot be renamed over; only root can set the flag.
    if (geteuid() != 0 || QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m4p1}) != 0)
        GTEST_SKIP() << "no file can be made immutable here";
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m4p1});
    ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
    EXPECT_TRUE(messages.shown[1].chn.contains(QStringLiteral("(M4P1.xml)"))) << qPrintable(messages.shown[1].chn);
    EXPECT_EQ(snapshot(folder()), before) << "M1P2.xml went back: no file of the save stays";
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 28) << "the files and the lock: no temporary, no journal";
    EXPECT_GT(dm.cdsM1P2.changeCount(), 0);

    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("12"));
    EXPECT_EQ(amountOf(dm.cdsM4P1, "1_R1_Col1_Mop"), QStringLiteral("34"));
}

TEST_F(FormFolderTest, ASavedFileKeepsThePermissionsItHad)
{
    makeSavedFolder();
    const QString m1p2 = folder() + QStringLiteral("M1P2.xml");
    // A file system that can exchange two entries, and one that cannot (the old file goes aside).
    for (const char* faults : {"", "no-exchange"}) {
        SCOPED_TRACE(faults);
        qputenv("QUENDRIX_TEST_FAULTS", faults);
        ASSERT_TRUE(QFile::setPermissions(m1p2, QFile::ReadOwner | QFile::WriteOwner));  // 600
        ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        setAmount(dm.cdsM1P2, "R2_Mop", faults[0] ? "2" : "1");
        EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
        ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
        qunsetenv("QUENDRIX_TEST_FAULTS");
        EXPECT_EQ(QFileInfo(m1p2).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        EXPECT_TRUE(readBytes(m1p2).contains(faults[0] ? "R2_Mop=\"2\"" : "R2_Mop=\"1\""));
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 27) << "no temporary, no aside name";
    }
}

TEST_F(FormFolderTest, ASaveWhoseJournalCannotBeWrittenChangesNoFileAndKeepsEveryChange)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "12");
    const QMap<QString, QByteArray> before = snapshot(folder());
    const QString journal = folder() + QStringLiteral(".quendrix.journal");
    ASSERT_TRUE(QDir().mkdir(journal));  // made after the open: no journal can take its name
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-027")}));
    EXPECT_TRUE(messages.shown[1].chn.contains(QStringLiteral("沒有檔案被修改"))) << qPrintable(messages.shown[1].chn);
    EXPECT_TRUE(messages.shown[1].por.contains(QStringLiteral("nenhum ficheiro foi alterado")));
    EXPECT_TRUE(snapshot(folder()) == before);
    EXPECT_GT(dm.cdsM1P2.changeCount(), 0);

    ASSERT_TRUE(QDir().rmdir(journal));
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-010")});
    EXPECT_TRUE(readBytes(folder() + QStringLiteral("M1P2.xml")).contains("R2_Mop=\"12\""));
}

TEST_F(FormFolderTest, AFolderThatCannotBeWrittenDamagesNoFileAndTheNextSaveSucceeds)
{
    makeSavedFolder();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "99.0001");
    const QMap<QString, QByteArray> before = snapshot(folder());
    messages.clear();
    {
        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.made())
            GTEST_SKIP() << "running as root without chattr: a read-only folder cannot be produced";
        EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
        EXPECT_TRUE(messages.codes().contains(QStringLiteral("DM-027"))) << "the save's journal, its first file, cannot be made";
        readOnly.release();
        EXPECT_EQ(snapshot(folder()), before);
    }
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_EQ(dm.cdsM1P2.changeCount(), 0);
    ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("99.0001"));
}

TEST_F(FormFolderTest, AFolderNobodyCanSaveIntoOpensForReadingWithANoticeAndWritesNothing)
{
    makeSavedFolder();
    // A page an interrupted save set aside, whose journal was lost: its bytes are named, never
    // written over.
    const QString page = folder() + QStringLiteral("M1P2.xml"), aside = page + QStringLiteral(".qxold.Ab12Cd");
    ASSERT_TRUE(QFile::rename(page, aside));
    const QMap<QString, QByteArray> before = snapshot(folder());
    ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.made())
        GTEST_SKIP() << "running as root without chattr: a read-only folder cannot be produced";

    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-021"), QStringLiteral("DM-009")}))
        << "said at the open, before anything is typed";
    EXPECT_EQ(messages.shown[0].dlgType, dtInformation);
    for (const QString& text : {messages.shown[0].chn, messages.shown[0].por})
        EXPECT_TRUE(text.contains(folder())) << qPrintable(text);
    EXPECT_TRUE(messages.shown[1].chn.contains(QStringLiteral("\r\nM/1表格(背面左頁)：M1P2.xml.qxold.Ab12Cd")))
        << qPrintable(messages.shown[1].chn);
    EXPECT_TRUE(messages.shown[1].por.contains(
        QStringLiteral("\r\nImpresso modelo M/1 (página esquerda do verso): M1P2.xml.qxold.Ab12Cd")))
        << qPrintable(messages.shown[1].por);
    EXPECT_TRUE(dm.CurrentFolderReadOnly());
    EXPECT_TRUE(dm.cdsM1P2.active());
    setAmount(dm.cdsM1P2, "R2_Mop", "5");
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDeclined);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-021")}) << "no save question, no write that fails";
    EXPECT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    readOnly.release();
    EXPECT_EQ(snapshot(folder()), before);

    ASSERT_TRUE(QFile::rename(aside, page));
    messages.clear();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(messages.codes(), QStringList());
    EXPECT_FALSE(dm.CurrentFolderReadOnly());
    EXPECT_TRUE(QFile::exists(folder() + FolderLock::kFileName));
}

// ---- closing ----

TEST_F(FormFolderTest, ClosingAnotherFolderIsRefusedAndClosesNothing)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffClose), TFolderResult::frFailed);  // without the delimiter
    ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-007")});
    EXPECT_EQ(messages.shown[0].dlgType, dtError);
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("不能關閉一個與當前開啟中的資料夾不相同的資料夾．"));
    EXPECT_TRUE(messages.shown[0].por.isEmpty());
    EXPECT_EQ(activeFolderDataSets().size(), 26u);
    EXPECT_EQ(dm.CurrentFormFolder, folder());
}

TEST_F(FormFolderTest, ClosingWithoutAFolderNameClosesTheOpenFolderAndWritesNothing)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
    EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
    for (const TFolderFile& f : dm.FolderFiles()) {
        EXPECT_EQ(f.DataSet->active(), f.ObjCode == 100) << qPrintable(f.FileName);
        EXPECT_EQ(f.DataSet->fileName(), folder() + f.FileName);
    }
    EXPECT_TRUE(snapshot(folder()).isEmpty());
    EXPECT_TRUE(QDir(QDir::currentPath()).entryList({QStringLiteral("M1P1.xml")}).isEmpty());

    // The folder opens again in the same state: the missing files are offered as blank.
    messages.clear();
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(messages.codes().value(0), QStringLiteral("DM-008"));
}

TEST_F(FormFolderTest, ClosingDiscardsAPendingEditWithoutAskingSoNoOtherFolderReceivesIt)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    setAmount(dm.cdsM1P2, "R2_Mop", "555", /*post=*/false);
    dm.cdsM3Obs.edit();
    dm.cdsM3Obs.fieldByName(u"R1_Obs").setAsString(QStringLiteral("pendente"));
    messages.answer(QStringLiteral("DM-016"), mrNo);
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(dm.cdsM1P2.active());
    EXPECT_FALSE(dm.cdsM3Obs.active());

    QTemporaryDir other;
    ASSERT_EQ(dm.ProcessFormFolder(other.path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(amountOf(dm.cdsM1P2, "R2_Mop"), QStringLiteral("0"));
    EXPECT_EQ(dm.cdsM3Obs.fieldByName(u"R1_Obs").asString(), QString());
}

TEST_F(FormFolderTest, ADataSetThatRefusesToCloseIsReportedAndClosedAnyway)
{
    ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
    dm.cdsM4P2.beforeClose = [](qx::ClientDataSet&) { throw std::runtime_error("busy"); };
    messages.clear();

    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frFailed);
    ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-006")});
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("關閉表格「M/4格式(背面)」(M4P2.xml)時出現以下故障：\r\nbusy"));
    EXPECT_EQ(messages.shown[0].por,
              QStringLiteral("Houve a seguinte falha quando fechou o ficheiro 'M/4格式(背面) (M4P2.xml)':\r\nbusy"));
    EXPECT_FALSE(dm.cdsM4P2.active());
    EXPECT_TRUE(activeFolderDataSets().empty());
    EXPECT_TRUE(dm.CurrentFormFolder.isEmpty());
}

}  // namespace
