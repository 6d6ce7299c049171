#pragma once
// Running the qxfolder tool from a test: its settings in a config folder of the test's own, today
// fixed at 15/03/2024, its standard output read line by line.

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qxtest {

struct ToolRun {
    bool finished = false;  // ended within the minute allowed
    int status = -1;        // exit code; -1 when it did not finish or crashed
    QStringList lines;      // standard output, one entry per line
    QString err;

    // The lines that are not messages.
    QStringList output() const
    {
        QStringList out;
        for (const QString& l : lines)
            if (!l.startsWith(QLatin1String("MSG\t")))
                out << l;
        return out;
    }

    // The fields of the first line starting with `prefix`, split at tabs.
    QStringList lineStarting(const QString& prefix) const
    {
        for (const QString& l : lines)
            if (l.startsWith(prefix))
                return l.split(QLatin1Char('\t'));
        return {};
    }
};

// A test tool (qxfolder, qxprint) with `args`, its registry file under `configHome`.
inline ToolRun RunTool(const QString& program, const QStringList& args, const QString& configHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    p.setProcessEnvironment(env);
    p.start(program, args);
    ToolRun r;
    r.finished = p.waitForFinished(60000);
    if (r.finished && p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    r.lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// qxfolder with `args`, its registry file under `configHome`.
inline ToolRun RunQxFolder(const QStringList& args, const QString& configHome)
{
    return RunTool(QStringLiteral(QX_QXFOLDER), args, configHome);
}

// qxfolder on `folder` with today fixed; `options` go before the date.
inline ToolRun RunQxFolderOn(const QString& folder, const QStringList& commands, const QString& configHome,
                             const QStringList& options = {})
{
    return RunQxFolder(options + QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder} + commands,
                       configHome);
}

// The output lines that are not messages of a run on a new empty folder, or the failure of the run.
inline QStringList RunOnFreshFolder(const QStringList& commands)
{
    QTemporaryDir work;
    const ToolRun r = RunQxFolderOn(work.path(), commands, work.path());
    if (r.status != 0)
        return {QStringLiteral("run failed: ") + (r.lines + QStringList{r.err}).join(QLatin1Char('\n'))};
    return r.output();
}

// Space-separated words: Words("open set cdsM1P2.R2_Mop=1 save").
inline QStringList Words(const char* text) { return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// A test with a temporary work folder holding the form folder "folder", made empty by SetUp, and
// the settings folder "config".
class QxFolderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("folder")));
    }

    QString folder() const { return work.path() + QStringLiteral("/folder"); }
    QString configHome() const { return work.path() + QStringLiteral("/config"); }

    ToolRun run(const QStringList& args) const { return RunQxFolder(args, configHome()); }

    // Runs the commands on the test's folder with today fixed.
    ToolRun onFolder(const QStringList& commands, const QStringList& options = {}) const
    {
        return RunQxFolderOn(folder(), commands, configHome(), options);
    }

    // The same, where the run must end in time with status 0.
    ToolRun succeedingOnFolder(const QStringList& commands) const
    {
        ToolRun r = onFolder(commands);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.status, 0) << qPrintable(r.lines.join(QLatin1Char('\n')));
        return r;
    }

    QTemporaryDir work;
};

}  // namespace qxtest
