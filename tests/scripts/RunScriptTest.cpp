// scripts/run builds the program and what it needs only (scripts/test builds the tests and
// benchmarks), then starts it. Run here with a cmake that records its calls, every package
// counted as installed, and a stand-in program.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteScript(const QString& path, const QString& body)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QStringList Lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(RunScript, BuildsTheProgramsTargetOnlyThenStartsIt)
{
    const QString top = QDir(QStringLiteral(QX_TEST_DATA_DIR "/../..")).absolutePath();
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString bin = work.filePath(QStringLiteral("bin"));
    const QString build = work.filePath(QStringLiteral("build"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(build + QStringLiteral("/ui")));
    const QString calls = work.filePath(QStringLiteral("cmake-calls"));
    const QString started = work.filePath(QStringLiteral("started"));
    WriteScript(bin + QStringLiteral("/cmake"), QStringLiteral("echo \"$*\" >> '%1'").arg(calls));
    WriteScript(bin + QStringLiteral("/dpkg-query"), QStringLiteral("printf 'install ok installed'"));
    WriteScript(build + QStringLiteral("/ui/quendrix"), QStringLiteral("echo \"$*\" > '%1'").arg(started));

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("QX_BUILD_DIR"), build);
    run.setProcessEnvironment(env);
    run.start(QStringLiteral("bash"), {top + QStringLiteral("/scripts/run"), QStringLiteral("--probe")});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    QStringList builds = Lines(calls);
    builds.removeIf([](const QString& call) { return !call.startsWith(QStringLiteral("--build")); });
    ASSERT_EQ(builds.size(), 1) << Lines(calls).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(builds[0].startsWith(QStringLiteral("--build ") + build)) << builds[0].toStdString();
    EXPECT_TRUE(builds[0].endsWith(QStringLiteral("--target quendrix"))) << builds[0].toStdString();
    EXPECT_EQ(Lines(started), QStringList{QStringLiteral("--probe")});
}

}  // namespace
