// The program killed while it saves a large folder: afterwards every file is whole, either as it
// was or as the save wrote it, and the folder opens. qxfolder is the program; it is killed at
// moments spread over its save, which starts when it asks the save question (DM-010).
#include "core/catalogue/FieldCatalogue.h"
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "core/util/Clock.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The folder files (the .xml files) with their bytes.
QMap<QString, QByteArray> folderFiles(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files))
        files[name] = qxtest::readBytes(folder + QLatin1Char('/') + name);
    return files;
}

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
        saveUs_ = runTool(whole.path(), -1);
        oldFiles_ = new QMap<QString, QByteArray>(folderFiles(old_->path()));
        newFiles_ = new QMap<QString, QByteArray>(folderFiles(whole.path()));
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
};

QTemporaryDir* KillDuringSaveTest::old_ = nullptr;
QMap<QString, QByteArray>* KillDuringSaveTest::oldFiles_ = nullptr;
QMap<QString, QByteArray>* KillDuringSaveTest::newFiles_ = nullptr;
qint64 KillDuringSaveTest::saveUs_ = 0;

TEST_F(KillDuringSaveTest, TheSaveRewritesTheLargeFilesSoAKillCanCatchThem)
{
    ASSERT_EQ(oldFiles_->size(), 27);
    ASSERT_EQ(newFiles_->keys(), oldFiles_->keys());
    for (const char* name : {"M1P2.xml", "M4P1.xml", "M3VCLF.xml", "M3AAli.xml", "M3AAba.xml"})
        EXPECT_NE(newFiles_->value(QString::fromLatin1(name)), oldFiles_->value(QString::fromLatin1(name))) << name;
    EXPECT_GT(newFiles_->value(QStringLiteral("M3VCLF.xml")).size(), 500000);
}

TEST_F(KillDuringSaveTest, EveryFileIsOldOrNewAndTheFolderOpensWhereverTheKillFalls)
{
    constexpr int kMoments = 12;
    int sawOld = 0, sawNew = 0;
    for (int i = 0; i < kMoments; ++i) {
        // From at once to the length of a whole save, and once well past it.
        const qint64 at = i < kMoments - 1 ? saveUs_ * i / (kMoments - 2) : saveUs_ * 3;
        SCOPED_TRACE(QStringLiteral("killed %1 us into a save of %2 us").arg(at).arg(saveUs_).toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(qxtest::copyFolder(old_->path(), dir.path()));
        runTool(dir.path(), at);

        const auto files = folderFiles(dir.path());
        ASSERT_EQ(files.keys(), oldFiles_->keys());
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const bool isOld = it.value() == oldFiles_->value(it.key());
            const bool isNew = it.value() == newFiles_->value(it.key());
            EXPECT_TRUE(isOld || isNew) << qPrintable(it.key()) << " is neither its old nor its new version ("
                                        << it.value().size() << " bytes)";
            if (it.key() == u"M3VCLF.xml") {
                sawOld += isOld && !isNew;
                sawNew += isNew && !isOld;
            }
        }

        sample_folder::YesToEverything yes;
        TdmMain dm;
        dmMain = &dm;
        EXPECT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        EXPECT_EQ(dm.cdsM3VCLF.recordCount(), kLargeFolder.m3Rows);
        dmMain = nullptr;
    }
    // The moments spread over the save: some kills came before the list was written, some after.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

}  // namespace
