// A save killed at each step of its burst of renames (a test hook of the save ends qxfolder
// there, as a crash would): the next open finishes or undoes it, so the folder is entirely as it
// was or entirely as the save wrote it, and the user is told which.
#include "QxFolderRun.h"
#include "core/folder/FolderLock.h"
#include "platform/data/SaveJournal.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using qxtest::readBytes;
using qxtest::snapshot;
using qxtest::Words;

const QStringList kChangeAndSave = Words("open set cdsM1P2.R2_Mop=777 set cdsM4P1.1_R1_Col1_Mop=5 "
                                         "set cdsM1P1.Nome_Contribuinte_1=Mudado save");

class InterruptedSave : public qxtest::QxFolderFixture {
protected:
    void SetUp() override
    {
        QxFolderFixture::SetUp();
        ASSERT_EQ(onFolder(Words("open save")).status, 0);
        old_ = snapshot(folder());
        ASSERT_EQ(old_.size(), 27);
        // What the save writes when nothing stops it.
        QTemporaryDir whole;
        ASSERT_TRUE(qxtest::copyFolder(folder(), whole.path()));
        ASSERT_EQ(qxtest::RunQxFolderOn(whole.path(), kChangeAndSave, configHome()).status, 0);
        new_ = snapshot(whole.path());
        ASSERT_NE(new_, old_);
    }

    // qxfolder saving the changes, ended by its save after `renames` renames (-1: before the journal).
    bool saveKilledAfter(int renames)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        env.insert(QStringLiteral("QUENDRIX_TEST_KILL_AFTER_RENAMES"), QString::number(renames));
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(QX_QXFOLDER),
                   QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder()} + kChangeAndSave);
        return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::CrashExit;
    }

    QString journal() const { return folder() + QLatin1Char('/') + qx::SaveJournal::fileName(); }

    QMap<QString, QByteArray> old_, new_;
};

TEST_F(InterruptedSave, TheNextOpenLeavesTheFolderEntirelyOldOrEntirelyNewAndSaysWhich)
{
    enum Tamper { None, JournalCutShort, WaitingTemporaryLost };
    struct Case {
        const char* what;
        int killedAfter;
        Tamper tamper;
        bool becomesNew;
    };
    const Case cases[] = {
        {"killed before the journal", -1, None, false},
        {"killed after the journal, before the first rename", 0, None, true},
        {"killed between the first and the second rename", 1, None, true},
        {"killed between the second and the third rename", 2, None, true},
        {"killed after the last rename", 99, None, true},
        // Neither can follow a crash (the journal and the temporaries are flushed before any
        // rename), but a damaged folder must not be made worse.
        {"a journal cut short", 0, JournalCutShort, false},
        {"the new bytes of a file not yet renamed lost", 1, WaitingTemporaryLost, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(folder() + QLatin1Char('/') + name);
        for (auto it = old_.cbegin(); it != old_.cend(); ++it)
            ASSERT_TRUE(qxtest::writeBytes(folder() + QLatin1Char('/') + it.key(), it.value()));

        ASSERT_TRUE(saveKilledAfter(c.killedAfter)) << "the save's test hook ended the program";
        EXPECT_EQ(QFile::exists(journal()), c.killedAfter >= 0);
        if (c.tamper == JournalCutShort) {
            const QByteArray text = readBytes(journal());
            ASSERT_TRUE(qxtest::writeBytes(journal(), text.left(text.size() / 2)));
        } else if (c.tamper == WaitingTemporaryLost) {
            const QList<QByteArray> second = readBytes(journal()).split('\n').value(2).split(' ');
            ASSERT_EQ(second.value(0), QByteArray("pair"));
            ASSERT_TRUE(QFile::remove(folder() + QLatin1Char('/') + QString::fromUtf8(second.value(4))));
        }

        const qxtest::ToolRun reopen = succeedingOnFolder(Words("open close"));
        QStringList codes;
        for (const QString& line : reopen.lines)
            codes << line.split(QLatin1Char('\t')).value(1);
        EXPECT_EQ(codes, QStringList{c.becomesNew ? QStringLiteral("DM-023") : QStringLiteral("DM-024")});
        const QMap<QString, QByteArray> files = snapshot(folder());
        EXPECT_TRUE(files == (c.becomesNew ? new_ : old_)) << "entirely " << (c.becomesNew ? "new" : "old");
        EXPECT_FALSE(QFile::exists(journal()));
        EXPECT_FALSE(QFile::exists(folder() + QLatin1Char('/') + FolderLock::kFileName));
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 27) << "no temporary is left";
    }
}

}  // namespace
