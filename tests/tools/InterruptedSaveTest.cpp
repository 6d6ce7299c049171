// A save killed at each step of its burst of renames (a test hook of the save ends qxfolder
// there, as a crash would): the next open finishes or undoes it, so the folder is entirely as it
// was or entirely as the save wrote it, and the user is told which. A journal that cannot be read
// or trusted changes nothing; a journal of a folder received from someone else moves nothing from
// outside the folder; a save reported failed is never finished later.
#include "QxFolderRun.h"
#include "platform/data/SaveJournal.h"
#include "platform/data/StagedFile.h"
#include "support/FileBytes.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using qxtest::readBytes;
using qxtest::snapshot;
using qxtest::ToolRun;
using qxtest::Words;
using qxtest::writeBytes;

const QStringList kChangeAndSave = Words("open set cdsM1P2.R2_Mop=777 set cdsM4P1.1_R1_Col1_Mop=5 "
                                         "set cdsM1P1.Nome_Contribuinte_1=Mudado save");

// The message codes of a run.
QStringList codesOf(const ToolRun& run)
{
    QStringList codes;
    for (const QString& line : run.lines)
        if (line.startsWith(QLatin1String("MSG\t")))
            codes << line.split(QLatin1Char('\t')).value(1);
    return codes;
}

// The lines of a journal in the form the program writes, with its "end" line computed.
QByteArray journalOf(const QByteArray& header, const QList<QByteArray>& pairs)
{
    QByteArray body = header + '\n';
    for (const QByteArray& p : pairs)
        body += p + '\n';
    return body + "end " + QByteArray::number(pairs.size()) + ' ' + qx::StagedFile::digestOf(body) + '\n';
}

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

    // qxfolder saving the changes with the save's test hooks set: QUENDRIX_TEST_KILL_AFTER_RENAMES
    // to `killAfter` (none when empty) and QUENDRIX_TEST_FAULTS to `faults`.
    ToolRun save(const QString& killAfter, const QString& faults = {}) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        if (!killAfter.isEmpty())
            env.insert(QStringLiteral("QUENDRIX_TEST_KILL_AFTER_RENAMES"), killAfter);
        env.insert(QStringLiteral("QUENDRIX_TEST_FAULTS"), faults);
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(QX_QXFOLDER),
                   QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder()} + kChangeAndSave);
        ToolRun r;
        r.finished = tool.waitForFinished(60000);
        if (r.finished && tool.exitStatus() == QProcess::NormalExit)
            r.status = tool.exitCode();
        r.lines = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return r;
    }
    bool saveKilled(const QString& killAfter, const QString& faults = {}) const
    {
        const ToolRun r = save(killAfter, faults);
        return r.finished && r.status == -1;
    }

    // The folder emptied of everything (links, pipes and folders too) and given the old files.
    void resetFolder()
    {
        ASSERT_TRUE(QDir(folder()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(folder()));
        for (auto it = old_.cbegin(); it != old_.cend(); ++it)
            ASSERT_TRUE(writeBytes(path(it.key()), it.value()));
    }

public:  // for the table's lambdas
    QString path(const QString& name) const { return folder() + QLatin1Char('/') + name; }
    QString journal() const { return path(qx::SaveJournal::fileName()); }
    // The fields of the journal's pair line `n` (1: the first).
    QList<QByteArray> pairLine(int n) const { return readBytes(journal()).split('\n').value(n).split(' '); }

    // The entries of the folder that a save or an open may leave: temporaries, aside names, the journal.
    QStringList leftovers() const
    {
        QStringList left;
        for (const QString& name : QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            if (name.contains(QLatin1String(".qx")) || name == qx::SaveJournal::fileName())
                left << name;
        return left;
    }

    QMap<QString, QByteArray> old_, new_;
};

TEST_F(InterruptedSave, TheNextOpenLeavesTheFolderEntirelyOldOrEntirelyNewAndSaysWhich)
{
    // What the open says, and so what it must have made of the folder: DM-023 entirely new, DM-024
    // and DM-042 entirely old, DM-028 nothing changed, DM-041 (no journal to tell how far the save
    // came) no page lost and every version of every page kept.
    struct Case {
        const char* what;
        const char* killAfter;
        const char* faults;
        int loseTemporaryOf;  // the pair (1: the first) whose temporary is removed after the kill; 0: none
        bool asVersion1;      // the journal rewritten as the program wrote it before it recorded the old bytes
        bool loseJournal;     // the journal removed after the kill, as a copy without hidden files loses it
        const char* code;
        int alterTargetOf = 0;     // the pair whose file is given bytes of neither version (a backup put back)
        int alterTemporaryOf = 0;  // the pair whose temporary is, which the open then keeps
    };
    const Case cases[] = {
        {"killed with every temporary written, before the journal records their bytes", "-1", "", 0, false, false, "DM-042"},
        {"killed after the journal, before the first rename", "0", "", 0, false, false, "DM-023"},
        {"killed between the first and the second rename", "1", "", 0, false, false, "DM-023"},
        {"killed between the second and the third rename", "2", "", 0, false, false, "DM-023"},
        {"killed after the last rename", "99", "", 0, false, false, "DM-023"},
        {"killed after the old bytes were discarded, before the journal went", "discarded", "", 0, false, false, "DM-023"},
        // A file system that cannot exchange two entries: each old file goes aside before the new one takes its name.
        {"no exchange: killed between a file set aside and its new bytes renamed", "3", "no-exchange", 0, false, false, "DM-023"},
        {"no exchange: killed after the last rename", "99", "no-exchange", 0, false, false, "DM-023"},
        // Neither can follow a crash (the journal and the temporaries are flushed before any
        // rename), but a damaged folder must not be made worse.
        {"the new bytes of a file not yet renamed lost", "1", "", 2, false, false, "DM-024"},
        {"no exchange: the new bytes of a file lost after two were set aside", "3", "no-exchange", 3, false, false, "DM-024"},
        // Journals that the program wrote before: finished, never undone with bytes no digest vouches for.
        {"a journal of version 1", "2", "", 0, true, false, "DM-023"},
        {"a journal of version 1, the new bytes of a file not yet renamed lost", "1", "", 2, true, false, "DM-028"},
        // Every page the open would replace must hold a version the journal records; what it removes too.
        {"a page not yet replaced holds bytes of neither version", "2", "", 0, false, false, "DM-028", 3},
        {"undoing, a page already replaced holds bytes of neither version", "1", "", 3, false, false, "DM-028", 1},
        {"undoing, a temporary holds bytes of neither version", "1", "", 3, false, false, "DM-024", 0, 2},
        // A crash, then the journal lost: the folder may mix both saves, and only the person can tell.
        {"killed between the second and the third rename, the journal lost", "2", "", 0, false, true, "DM-041"},
        {"no exchange: killed with a file set aside, the journal lost", "3", "no-exchange", 0, false, true, "DM-041"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        ASSERT_TRUE(saveKilled(QString::fromLatin1(c.killAfter), QString::fromLatin1(c.faults)))
            << "the save's test hook ended the program";
        ASSERT_TRUE(QFile::exists(journal()));
        if (c.loseTemporaryOf > 0) {
            const QList<QByteArray> pair = pairLine(c.loseTemporaryOf);
            ASSERT_EQ(pair.value(0), QByteArray("pair"));
            ASSERT_TRUE(QFile::remove(path(QString::fromUtf8(pair.value(6)))));
        }
        QStringList altered;
        for (const auto& [pair, field] : {std::pair{c.alterTargetOf, 7}, std::pair{c.alterTemporaryOf, 6}})
            if (pair > 0) {
                altered << QString::fromUtf8(pairLine(pair).value(field));
                ASSERT_TRUE(writeBytes(path(altered.back()), "other bytes"));
            }
        if (c.asVersion1) {
            QList<QByteArray> pairs;
            for (const QByteArray& line : readBytes(journal()).split('\n'))
                if (line.startsWith("pair ")) {
                    const QList<QByteArray> f = line.split(' ');
                    pairs << QList<QByteArray>{f[0], f[1], f[2], f[3], f[6], f[7]}.join(' ');
                }
            ASSERT_TRUE(writeBytes(journal(), journalOf("Quendrix save journal 1", pairs)));
        }
        if (c.loseJournal) {
            ASSERT_TRUE(QFile::remove(journal()));
        }
        const QMap<QString, QByteArray> before = snapshot(folder());

        const ToolRun reopen = onFolder(Words("open close"));
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(codesOf(reopen), QStringList{code}) << qPrintable(reopen.lines.join(u'\n'));
        const QMap<QString, QByteArray> after = snapshot(folder());
        if (code == u"DM-028") {
            EXPECT_TRUE(after == before) << "nothing was changed";
            continue;
        }
        if (code != u"DM-041") {
            QMap<QString, QByteArray> expected = code == u"DM-023" ? new_ : old_;
            for (const QString& name : altered)
                expected.insert(name, "other bytes");
            EXPECT_TRUE(after == expected) << "entirely " << (code == u"DM-023" ? "new" : "old");
            EXPECT_EQ(leftovers(), altered) << "no temporary, no aside name, no journal is left but bytes it cannot vouch for";
            if (altered.isEmpty()) {
                const ToolRun again = onFolder(Words("open close"));
                EXPECT_EQ(codesOf(again), QStringList()) << "said once: " << qPrintable(again.lines.join(u'\n'));
                EXPECT_TRUE(snapshot(folder()) == after);
            }
            continue;
        }
        const QStringList kept = leftovers();
        for (auto it = old_.cbegin(); it != old_.cend(); ++it) {
            const QString& name = it.key();
            if (name == u"Alert.xml")
                continue;  // never read: its leftovers go
            const QByteArray inPlace = after.value(name);
            EXPECT_TRUE(inPlace == it.value() || inPlace == new_.value(name)) << qPrintable(name) << " is old or new";
            for (const QByteArray& version : {it.value(), new_.value(name)}) {
                bool found = inPlace == version;
                for (const QString& leftover : kept)
                    found = found || after.value(leftover) == version;
                EXPECT_TRUE(found) << "no version of " << qPrintable(name) << " is lost";
            }
        }
        for (const QString& leftover : kept)
            EXPECT_TRUE(reopen.lineStarting(QStringLiteral("MSG\t")).value(3).contains(leftover)) << "named: " << qPrintable(leftover);
    }
}

TEST_F(InterruptedSave, AKillBeforeTheFirstRenameLeavesTheDeclarationAsSavedBeforeAndIsSaidOnce)
{
    // The save killed after each of its steps until its burst of renames, in both save modes: until
    // its journal is in place it has left nothing; then, until the journal records the new bytes,
    // no file is replaced, and the next open removes what it wrote and says once that it did not
    // finish; after, the next open finishes it.
    for (const char* faults : {"", "no-exchange"}) {
        int notFinished = 0;
        for (int steps = 0;; ++steps) {
            SCOPED_TRACE(QStringLiteral("%1 killed after %2 steps").arg(QLatin1String(faults)).arg(steps).toStdString());
            ASSERT_LT(steps, 100);
            resetFolder();
            qputenv("QUENDRIX_TEST_KILL_AFTER_STEPS", QByteArray::number(steps));
            const ToolRun killed = save(QString(), QString::fromLatin1(faults));
            qunsetenv("QUENDRIX_TEST_KILL_AFTER_STEPS");
            ASSERT_TRUE(killed.finished);
            if (killed.status == 0)
                break;  // the burst was reached
            ASSERT_EQ(killed.status, -1) << "the save's test hook ended the program";
            if (steps == 0) {
                EXPECT_EQ(leftovers(), QStringList()) << "nothing written";
            }
            const bool journalLeft = QFile::exists(journal());

            const ToolRun first = succeedingOnFolder(Words("open close"));
            const QMap<QString, QByteArray> after = snapshot(folder());
            if (codesOf(first) == QStringList{QStringLiteral("DM-023")}) {
                EXPECT_TRUE(after == new_) << "entirely new";
            } else {
                EXPECT_EQ(codesOf(first), journalLeft ? QStringList{QStringLiteral("DM-042")} : QStringList())
                    << qPrintable(first.lines.join(u'\n'));
                EXPECT_TRUE(after == old_) << "entirely old";
                notFinished += journalLeft;
            }
            EXPECT_EQ(leftovers(), QStringList());
            const ToolRun second = succeedingOnFolder(Words("open close"));
            EXPECT_EQ(codesOf(second), QStringList()) << qPrintable(second.lines.join(u'\n'));
            EXPECT_TRUE(snapshot(folder()) == after);
        }
        EXPECT_GE(notFinished, 12) << "each of the four temporaries is made, written and flushed under the journal";
    }
}

TEST_F(InterruptedSave, AJournalThatCannotBeReadOrTrustedChangesNothingAndIsNeverTakenForNone)
{
    // The journal in its place again, and whatever was made of it gone.
    const auto restore = [this](const QByteArray& text) {
        if (QFileInfo(journal()).isDir())
            QDir(journal()).removeRecursively();
        QFile::remove(journal());
        return writeBytes(journal(), text);
    };
    struct Case {
        const char* what;
        std::function<void(InterruptedSave&, const QByteArray&)> damage;
        const char* faults;  // of the open
        const char* code;
        const char* says;  // in the Chinese text
    };
    const QString outside = work.path() + QStringLiteral("/journal-elsewhere");
    const Case cases[] = {
        {"cut short", [](InterruptedSave& t, const QByteArray& j) { writeBytes(t.journal(), j.left(j.size() / 2)); },
         "", "DM-028", "已損壞或被改動過"},
        {"garbled", [](InterruptedSave& t, const QByteArray& j) { writeBytes(t.journal(), QByteArray(j.size(), 'x')); },
         "", "DM-028", "已損壞或被改動過"},
        {"with a wrong digest of its own",
         [](InterruptedSave& t, const QByteArray& j) {
             QByteArray text = j;
             text[text.size() - 2] = text[text.size() - 2] == '0' ? '1' : '0';
             writeBytes(t.journal(), text);
         },
         "", "DM-028", "已損壞或被改動過"},
        {"replaced by a link to a copy of it",
         [&outside](InterruptedSave& t, const QByteArray& j) {
             writeBytes(outside, j);
             QFile::remove(t.journal());
             QFile::link(outside, t.journal());
         },
         "", "DM-028", "不是一個普通檔案"},
        {"replaced by a pipe",
         [](InterruptedSave& t, const QByteArray&) {
             QFile::remove(t.journal());
             ::mkfifo(QFile::encodeName(t.journal()).constData(), 0644);
         },
         "", "DM-028", "不是一個普通檔案"},
        {"whose read fails", [](InterruptedSave&, const QByteArray&) {}, "journal-read-fails", "DM-028", "磁碟讀寫錯誤"},
        // Finished it cannot be, undone neither: the old bytes of the first file renamed and the new
        // bytes of a file not renamed yet are both gone.
        {"over a save that can be neither finished nor undone",
         [](InterruptedSave& t, const QByteArray&) {
             QFile::remove(t.path(QString::fromUtf8(t.pairLine(1).value(6))));
             QFile::remove(t.path(QString::fromUtf8(t.pairLine(3).value(6))));
         },
         "", "DM-025", "不能完成也不能撤銷"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        ASSERT_TRUE(saveKilled(QStringLiteral("2")));  // two files new, the others old
        const QByteArray text = readBytes(journal());
        c.damage(*this, text);
        const QMap<QString, QByteArray> before = snapshot(folder());
        const QStringList leftBefore = leftovers();

        QElapsedTimer clock;
        clock.start();
        qputenv("QUENDRIX_TEST_FAULTS", c.faults);
        const ToolRun r = onFolder(Words("open close"));
        qunsetenv("QUENDRIX_TEST_FAULTS");
        ASSERT_TRUE(r.finished);
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(codesOf(r), QStringList{QString::fromLatin1(c.code)}) << qPrintable(r.lines.join(u'\n'));
        const QStringList m = r.lineStarting(QStringLiteral("MSG\t"));
        EXPECT_TRUE(m.value(3).contains(QString::fromUtf8(c.says))) << qPrintable(m.value(3));
        if (QByteArray(c.code) == "DM-028")
            EXPECT_TRUE(m.value(3).contains(journal())) << "the message names the journal";
        EXPECT_TRUE(snapshot(folder()) == before) << "nothing was changed";
        EXPECT_EQ(leftovers(), leftBefore);
        if (QByteArray(c.code) != "DM-028")
            continue;
        // Once the journal can be read again, the save it names is finished.
        ASSERT_TRUE(restore(text));
        const ToolRun reopen = succeedingOnFolder(Words("open close"));
        EXPECT_EQ(codesOf(reopen), QStringList{QStringLiteral("DM-023")});
        EXPECT_TRUE(snapshot(folder()) == new_) << "entirely new";
    }
}

TEST_F(InterruptedSave, AJournalOverAFolderWhereNothingWasInterruptedNeverSaysASaveWasUndone)
{
    struct Case {
        const char* what;
        std::function<void(InterruptedSave&)> make;
        QStringList codes;
        QStringList left = {};  // leftovers of a save beside it, which go all the same
    };
    const Case cases[] = {
        {"a directory", [](InterruptedSave& t) { QDir().mkdir(t.journal()); }, {QStringLiteral("DM-028")}},
        {"a pipe", [](InterruptedSave& t) { ::mkfifo(QFile::encodeName(t.journal()).constData(), 0644); },
         {QStringLiteral("DM-028")}},
        {"a journal naming files that do not exist",
         [](InterruptedSave& t) {
             const QByteArray digest = qx::StagedFile::digestOf("other bytes");
             writeBytes(t.journal(), journalOf("Quendrix save journal 2",
                                               {"pair 1 11 " + digest + " 11 " + digest + " M1P2.xml.qxtmp.Ab12Cd M1P2.xml",
                                                "pair 0 11 " + digest + " 0 - M4P2.xml.qxtmp.Zz9Yy8 M4P2.xml"}));
         },
         {}},
        {"a journal naming files that do not exist, beside what a save left of the alert list",
         [](InterruptedSave& t) {
             const QByteArray digest = qx::StagedFile::digestOf("other bytes");
             writeBytes(t.journal(), journalOf("Quendrix save journal 2",
                                               {"pair 1 11 " + digest + " 11 " + digest + " M1P2.xml.qxtmp.Ab12Cd M1P2.xml"}));
         },
         {},
         {QStringLiteral("Alert.xml.qxtmp.Qq1234"), QStringLiteral("Alert.xml.qxold.Qq1234")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        c.make(*this);
        for (const QString& name : c.left)
            ASSERT_TRUE(writeBytes(path(name), "bytes"));
        const ToolRun r = onFolder(Words("open close"));
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(codesOf(r), c.codes) << qPrintable(r.lines.join(u'\n'));
        EXPECT_EQ(r.status, c.codes.isEmpty() ? 0 : 1);
        EXPECT_TRUE(snapshot(folder()) == old_);
        EXPECT_EQ(QFileInfo::exists(journal()), !c.codes.isEmpty()) << "a journal that names nothing here goes";
        EXPECT_EQ(leftovers(), c.codes.isEmpty() ? QStringList() : QStringList{qx::SaveJournal::fileName()});
    }
}

TEST_F(InterruptedSave, AForgedJournalChangesNothingAndEndsTheOpenAtOnce)
{
    const QString outside = work.path() + QStringLiteral("/Documents");
    const QByteArray notes = "a person's notes, outside the folder";
    const QByteArray digest = qx::StagedFile::digestOf(notes);
    const QByteArray m1p1 = qx::StagedFile::digestOf(old_.value(QStringLiteral("M1P1.xml")));
    const QByteArray size = QByteArray::number(notes.size());
    const QByteArray m1p1Size = QByteArray::number(old_.value(QStringLiteral("M1P1.xml")).size());
    const QByteArray other = "other bytes";
    const QByteArray otherPair = QByteArray::number(other.size()) + ' ' + qx::StagedFile::digestOf(other);
    constexpr qint64 k4GiB = 4LL << 30;       // far larger than any data packet; sparse files take no disk space
    constexpr qint64 k200MiB = 200LL << 20;   // smaller than the largest packet, but not two of them
    struct Case {
        const char* what;
        const char* link;  // a link in the folder to `outside` or a file in it; none when empty
        const char* to;
        QMap<QString, QByteArray> files;  // written into the folder before the open
        QMap<QString, qint64> sparse;     // sparse files made in the folder, with their sizes
        QByteArray journal;
        const char* names;  // the entry the message names besides the journal; none when empty
        const char* missing = "";  // a file of the declaration removed before the open; none when empty
    };
    const Case cases[] = {
        {"a temporary through a linked folder", "zz.txt.qxtmp.", "", {}, {},
         journalOf("Quendrix save journal 1", {"pair 0 " + size + ' ' + digest + " zz.txt.qxtmp.%2Fnotes zz.txt"}), ""},
        {"a linked temporary put in place as the new bytes", "M1P1.xml.qxtmp.Ab12Cd", "/notes", {}, {},
         journalOf("Quendrix save journal 2", {"pair 1 " + size + ' ' + digest + ' ' + m1p1Size + ' ' + m1p1
                                                   + " M1P1.xml.qxtmp.Ab12Cd M1P1.xml"}),
         "M1P1.xml.qxtmp.Ab12Cd"},
        {"a linked temporary put back as the old bytes", "M1P1.xml.qxtmp.Ab12Cd", "/notes", {}, {},
         journalOf("Quendrix save journal 1", {"pair 1 " + m1p1Size + ' ' + m1p1 + " M1P1.xml.qxtmp.Ab12Cd M1P1.xml",
                                               "pair 1 5 " + digest + " M1P2.xml.qxtmp.Lost00 M1P2.xml"}),
         "M1P1.xml.qxtmp.Ab12Cd"},
        {"a link as the temporary a staging journal names", "M1P1.xml.qxtmp.Ab12Cd", "/notes", {}, {},
         journalOf("Quendrix save journal staging 1", {"staged M1P1.xml.qxtmp.Ab12Cd M1P1.xml"}), "M1P1.xml.qxtmp.Ab12Cd"},
        {"a file that is not the declaration's, with a temporary of the program's form", "", "",
         {{QStringLiteral("notes.txt"), notes}, {QStringLiteral("notes.txt.qxtmp.Ab12Cd"), other}}, {},
         journalOf("Quendrix save journal 2", {"pair 1 " + otherPair + ' ' + size + ' ' + digest
                                                   + " notes.txt.qxtmp.Ab12Cd notes.txt"}),
         ""},
        {"one file named twice", "", "",
         {{QStringLiteral("M1P1.xml.qxtmp.Aaaaaa"), other}, {QStringLiteral("M1P1.xml.qxtmp.Bbbbbb"), notes}}, {},
         journalOf("Quendrix save journal 2",
                   {"pair 1 " + otherPair + ' ' + m1p1Size + ' ' + m1p1 + " M1P1.xml.qxtmp.Aaaaaa M1P1.xml",
                    "pair 1 " + size + ' ' + digest + ' ' + m1p1Size + ' ' + m1p1 + " M1P1.xml.qxtmp.Bbbbbb M1P1.xml"}),
         ""},
        {"a sparse temporary of 4 GiB", "", "", {}, {{QStringLiteral("M1P1.xml.qxtmp.Ab12Cd"), k4GiB}},
         journalOf("Quendrix save journal 2", {"pair 1 " + QByteArray::number(k4GiB) + ' ' + digest + ' ' + m1p1Size
                                                   + ' ' + m1p1 + " M1P1.xml.qxtmp.Ab12Cd M1P1.xml"}),
         "M1P1.xml.qxtmp.Ab12Cd"},
        {"sparse temporaries each as large as a packet may be, together larger", "", "", {},
         {{QStringLiteral("M1P1.xml.qxtmp.Ab12Cd"), k200MiB}, {QStringLiteral("M1P2.xml.qxtmp.Ab12Cd"), k200MiB}},
         journalOf("Quendrix save journal 2",
                   {"pair 0 " + QByteArray::number(k200MiB) + ' ' + digest + " 0 - M1P1.xml.qxtmp.Ab12Cd M1P1.xml",
                    "pair 0 " + QByteArray::number(k200MiB) + ' ' + digest + " 0 - M1P2.xml.qxtmp.Ab12Cd M1P2.xml"}),
         "M1P2.xml.qxtmp.Ab12Cd"},
        // It would remove the page as one its save created: a journal of the first version is never undone.
        {"a journal of version 1 creating a page that is there and one whose new bytes are lost", "", "", {}, {},
         journalOf("Quendrix save journal 1", {"pair 0 " + m1p1Size + ' ' + m1p1 + " M1P1.xml.qxtmp.Ab12Cd M1P1.xml",
                                               "pair 0 5 " + digest + " M4P2.xml.qxtmp.Lost00 M4P2.xml"}),
         "", "M4P2.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        ASSERT_TRUE(QDir(outside).removeRecursively() && QDir().mkpath(outside));
        ASSERT_TRUE(writeBytes(outside + QStringLiteral("/notes"), notes));
        if (*c.link) {
            ASSERT_TRUE(QFile::link(outside + QString::fromLatin1(c.to), path(QString::fromLatin1(c.link))));
        }
        for (auto it = c.files.cbegin(); it != c.files.cend(); ++it)
            ASSERT_TRUE(writeBytes(path(it.key()), it.value()));
        if (*c.missing) {
            ASSERT_TRUE(QFile::remove(path(QString::fromLatin1(c.missing))));
        }
        for (auto it = c.sparse.cbegin(); it != c.sparse.cend(); ++it) {
            const int fd = ::open(QFile::encodeName(path(it.key())).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            ASSERT_GE(fd, 0);
            const bool made = ::ftruncate(fd, it.value()) == 0;
            ::close(fd);
            ASSERT_TRUE(made);
        }
        ASSERT_TRUE(writeBytes(journal(), c.journal));

        QElapsedTimer clock;
        clock.start();
        const ToolRun r = onFolder(Words("open close"));
        const qint64 ms = clock.elapsed();
        for (const QString& name : c.sparse.keys())
            ASSERT_TRUE(QFile::remove(path(name))) << "a sparse file goes before anything reads the folder";
        ASSERT_TRUE(r.finished);
        EXPECT_LT(ms, 2000) << "no named file is read further than a data packet may be";
        EXPECT_EQ(codesOf(r), QStringList{QStringLiteral("DM-028")}) << qPrintable(r.lines.join(u'\n'));
        if (*c.names) {
            EXPECT_TRUE(r.lineStarting(QStringLiteral("MSG\t")).value(3).contains(path(QString::fromLatin1(c.names))))
                << "the message names what stands in the way, not only the journal";
        }
        EXPECT_EQ(readBytes(outside + QStringLiteral("/notes")), notes) << "the outside file stays where it was";
        QMap<QString, QByteArray> files = snapshot(folder());
        files.remove(QString::fromLatin1(c.link));
        QMap<QString, QByteArray> expected = old_;
        expected.insert(c.files);
        expected.remove(QString::fromLatin1(c.missing));
        EXPECT_TRUE(files == expected) << "the folder is as it was";
    }
}

TEST_F(InterruptedSave, WithoutAJournalTheOpenRemovesNoLeftoverThatMayBeACopyOfAFile)
{
    // The journal's own temporary and the leftovers of the alert list, which the open never reads,
    // hold nothing of the declaration and go. The program's other leftovers stay and are named,
    // two set-aside copies of a missing page among them (neither is known to be the one before the
    // save); a person's files that merely look like them are never touched.
    const QStringList removed{QStringLiteral(".quendrix.journal.qxtmp.Qq1234"), QStringLiteral("Alert.xml.qxtmp.Qq1234"),
                              QStringLiteral("Alert.xml.qxold.Qq1234")};
    const QStringList kept{QStringLiteral("M1P1.xml.qxtmp.Ab12Cd"), QStringLiteral("Sys.xml.qxold.Zz9900"),
                           QStringLiteral("M4P2.xml.qxold.Aaaaaa"), QStringLiteral("M4P2.xml.qxold.Bbbbbb")};
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("M4P2.xml"))));
    const QStringList persons{QStringLiteral("budget.qxtmp.xlsx"), QStringLiteral("M1P1.xml.qxtmp.notes"),
                              QStringLiteral("M1P1.xml.qxtmp.Ab-12C"), QStringLiteral("notes.txt.qxold.Ab12Cd"),
                              QStringLiteral("M1P1.xml.qxtmp.Ab12Cd.bak")};
    for (const QString& name : removed + kept + persons)
        ASSERT_TRUE(writeBytes(path(name), "bytes"));

    const ToolRun r = succeedingOnFolder(Words("open close"));
    EXPECT_EQ(codesOf(r), (QStringList{QStringLiteral("DM-041"), QStringLiteral("DM-009")})) << qPrintable(r.lines.join(u'\n'));
    for (const QString& name : removed)
        EXPECT_FALSE(QFileInfo::exists(path(name))) << qPrintable(name);
    for (const QString& name : kept + persons)
        EXPECT_EQ(readBytes(path(name)), QByteArray("bytes")) << qPrintable(name);
    for (const QString& name : kept)
        EXPECT_TRUE(r.lineStarting(QStringLiteral("MSG\tDM-041")).value(3).contains(name)) << qPrintable(name);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("M4P2.xml"))));
    EXPECT_TRUE(snapshot(folder()).value(QStringLiteral("M1P1.xml")) == old_.value(QStringLiteral("M1P1.xml")));
}

TEST_F(InterruptedSave, ASaveReportedFailedIsNeverFinishedByTheNextOpen)
{
    // Every save creates PrnSetup.xml first, then replaces the files it changed.
    struct Case {
        const char* what;
        const char* faults;
        const char* later;  // what the message says the save left for the next open to finish; none when empty
        bool journalStays = false;  // naming nothing left, which the next open drops unsaid
    };
    const char* const changedSome = "此次儲存已改動部分檔案";
    const char* const changedNone = "此次儲存沒有改動任何檔案";
    const char* const notFlushed = "不能確定已寫入磁碟";
    const Case cases[] = {
        {"a rename fails after the file the save created", "rename-fails=2", ""},
        {"no exchange: a file cannot be set aside", "no-exchange,rename-fails=3", ""},
        {"no exchange: a file set aside cannot take its new bytes", "no-exchange,rename-fails=4", ""},
        {"no exchange: a rename fails and nothing can be put back", "no-exchange,rename-fails=3,putback-fails", changedSome},
        {"no exchange: a file set aside can neither take its new bytes nor go back", "no-exchange,rename-fails=4,putback-fails=0",
         changedSome},
        {"the first rename fails and the journal cannot be removed", "rename-fails=0,journal-removal-fails", "", true},
        {"the first rename fails and neither the new bytes nor the journal can be removed",
         "rename-fails=0,journal-removal-fails,discard-fails", changedNone},
        {"every file in place, the folder's entries cannot be flushed", "flush-after-renames-fails", notFlushed},
    };
    QMap<QString, QByteArray> oldFiles = old_, newFiles = new_;
    oldFiles.remove(QStringLiteral("PrnSetup.xml"));
    newFiles.remove(QStringLiteral("PrnSetup.xml"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        ASSERT_TRUE(QFile::remove(path(QStringLiteral("PrnSetup.xml"))));

        const ToolRun saved = save(QString(), QString::fromLatin1(c.faults));
        ASSERT_TRUE(saved.finished);
        EXPECT_EQ(saved.status, 1);
        EXPECT_EQ(codesOf(saved), (QStringList{QStringLiteral("DM-009"), QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
        const bool finishedLater = *c.later;
        const QStringList m = saved.lineStarting(QStringLiteral("MSG\tDM-005"));
        for (const char* later : {changedSome, changedNone, notFlushed})
            EXPECT_EQ(m.value(3).contains(QString::fromUtf8(later)), later == c.later) << later << qPrintable(m.value(3));
        EXPECT_EQ(m.value(3).contains(QStringLiteral("下次開啟此資料夾時會完成此次儲存")), finishedLater);
        EXPECT_EQ(m.value(4).contains(QStringLiteral("será concluída quando a pasta for aberta de novo")), finishedLater);
        if (!finishedLater) {
            EXPECT_TRUE(snapshot(folder()) == oldFiles) << "the save put back every file it had renamed";
            EXPECT_EQ(leftovers(), c.journalStays ? QStringList{qx::SaveJournal::fileName()} : QStringList());
        }

        const ToolRun reopen = succeedingOnFolder(Words("open close"));
        QMap<QString, QByteArray> files = snapshot(folder());
        EXPECT_EQ(files.contains(QStringLiteral("PrnSetup.xml")), finishedLater);
        files.remove(QStringLiteral("PrnSetup.xml"));
        if (finishedLater) {
            EXPECT_EQ(codesOf(reopen), QStringList{QStringLiteral("DM-023")});
            EXPECT_TRUE(files == newFiles) << "entirely new, as the message said";
        } else {
            EXPECT_EQ(codesOf(reopen), QStringList{QStringLiteral("DM-009")}) << "no save is finished or undone";
            EXPECT_TRUE(files == oldFiles) << "entirely old";
        }
    }

    // Killed while a failed save tidies up, every file put back: the next open has nothing to say
    // of it, and nothing of it stays.
    resetFolder();
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("PrnSetup.xml"))));
    ASSERT_TRUE(saveKilled(QStringLiteral("discarded"), QStringLiteral("rename-fails=2")));
    const ToolRun reopen = succeedingOnFolder(Words("open close"));
    EXPECT_EQ(codesOf(reopen), QStringList{QStringLiteral("DM-009")});
    QMap<QString, QByteArray> files = snapshot(folder());
    files.remove(QStringLiteral("PrnSetup.xml"));
    EXPECT_TRUE(files == oldFiles);
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(InterruptedSave, ASaveThatSucceededIsNeverSaidToBeUndone)
{
    struct Case {
        const char* what;
        const char* faults;
        const char* saves;  // the save commands after the changes
    };
    const Case cases[] = {
        {"the old bytes cannot be removed after the save", "no-exchange,discard-fails", "save"},
        {"a save that failed and left its journal, then one that succeeded", "no-exchange,rename-fails=3,putback-fails",
         "save save"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetFolder();
        qputenv("QUENDRIX_TEST_FAULTS", c.faults);
        const ToolRun saved = onFolder(kChangeAndSave.mid(0, kChangeAndSave.size() - 1) + Words(c.saves));
        qunsetenv("QUENDRIX_TEST_FAULTS");
        ASSERT_TRUE(saved.finished);
        EXPECT_EQ(saved.lines.filter(QStringLiteral("FAILED\t")).size(), QByteArray(c.saves) == "save save" ? 1 : 0);

        const ToolRun reopen = succeedingOnFolder(Words("open close"));
        EXPECT_FALSE(codesOf(reopen).contains(QStringLiteral("DM-024"))) << qPrintable(reopen.lines.join(u'\n'));
        EXPECT_TRUE(snapshot(folder()) == new_) << "entirely as the last save wrote it";
        EXPECT_EQ(leftovers(), QStringList());
    }
}

TEST_F(InterruptedSave, AnInterruptedSaveInAFolderNobodyCanWriteIsLeftAsItIs)
{
    // A save that had replaced files cannot be settled there, and the folder is refused; one that
    // stopped before its first replacement left the declaration as saved before, which opens.
    const struct {
        const char* killAfterRenames;
        const char* killAfterSteps;
        int status;
        const char* code;
    } cases[] = {{"2", nullptr, 1, "DM-025"}, {nullptr, "10", 0, "DM-042"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        resetFolder();
        if (c.killAfterSteps)
            qputenv("QUENDRIX_TEST_KILL_AFTER_STEPS", c.killAfterSteps);
        const bool killed = saveKilled(QString::fromLatin1(c.killAfterRenames));
        qunsetenv("QUENDRIX_TEST_KILL_AFTER_STEPS");
        ASSERT_TRUE(killed);
        ASSERT_TRUE(QFile::exists(journal()));
        QFile::remove(path(QStringLiteral(".quendrix.lock")));  // the killed program's, which a read-only folder keeps
        const QMap<QString, QByteArray> before = snapshot(folder());
        qxtest::ReadOnlyFolder readOnly(folder());
        if (!readOnly.made())
            GTEST_SKIP() << "no read-only folder can be made here";
        const ToolRun r = onFolder(Words("open"));
        readOnly.release();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(codesOf(r).value(0), QString::fromLatin1(c.code));
        if (c.status != 0) {
            EXPECT_TRUE(r.lineStarting(QStringLiteral("MSG\t")).value(3).contains(QStringLiteral("資料夾是唯讀的")));
        }
        EXPECT_TRUE(snapshot(folder()) == before);
    }
}

}  // namespace
