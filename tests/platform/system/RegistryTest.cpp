#include "platform/system/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// Points the user's INI settings at `dir` for the test's lifetime.
class SettingsFolder {
public:
    explicit SettingsFolder(const QString& dir)
        : previous_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    }
    ~SettingsFolder() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previous_); }

private:
    QString previous_;
};

}  // namespace

TEST(Registry, MissingValueReadsEmptyAndWrittenValueReadsBack)
{
    QTemporaryDir dir;
    SettingsFolder folder(dir.path());
    qx::Registry registry;
    EXPECT_EQ(registry.readString({}, QStringLiteral("DefaultFormFolder")), QString());

    const QString folderPath = QStringLiteral("/home/user/表格 2024/M1&M3");
    registry.writeString({}, QStringLiteral("DefaultFormFolder"), folderPath);
    EXPECT_EQ(qx::Registry().readString({}, QStringLiteral("DefaultFormFolder")), folderPath);
    EXPECT_TRUE(registry.fileName().startsWith(dir.path()));
    EXPECT_TRUE(registry.fileName().endsWith(QStringLiteral("Corvel/Quendrix.ini")));

    // The value is in the file at once, for another process to read.
    QSettings direct(registry.fileName(), QSettings::IniFormat);
    EXPECT_EQ(direct.value(QStringLiteral("DefaultFormFolder")).toString(), folderPath);
}

TEST(Registry, SubKeysAreSeparateFromTheTopLevel)
{
    QTemporaryDir dir;
    SettingsFolder folder(dir.path());
    qx::Registry registry;
    registry.writeString(QStringLiteral("Printers\\A4"), QStringLiteral("Name"), QStringLiteral("sub"));
    registry.writeString({}, QStringLiteral("Name"), QStringLiteral("top"));
    EXPECT_EQ(registry.readString(QStringLiteral("Printers/A4"), QStringLiteral("Name")), QStringLiteral("sub"));
    EXPECT_EQ(registry.readString({}, QStringLiteral("Name")), QStringLiteral("top"));
    EXPECT_EQ(registry.readString(QStringLiteral("Printers"), QStringLiteral("Name")), QString());
}

TEST(Registry, FailedWriteIsReported)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    // The config folder lies under a plain file: nothing can be created there.
    SettingsFolder folder(blocker + QStringLiteral("/config"));
    qx::Registry registry;
    try {
        registry.writeString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("x"));
        ADD_FAILURE() << "the write is reported as done";
    } catch (const qx::RegistryError& e) {
        EXPECT_EQ(e.fault(), qx::RegistryFault::NotWritten);
        EXPECT_EQ(e.error(), ENOTDIR);
    }
    EXPECT_EQ(registry.readString({}, QStringLiteral("DefaultFormFolder")), QString());
}

TEST(Registry, ASettingsFileThatIsALinkIsWrittenThroughAndStaysALink)
{
    QTemporaryDir dir;
    SettingsFolder folder(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Corvel")) && QDir(dir.path()).mkpath(QStringLiteral("kept")));
    const QString target = dir.filePath(QStringLiteral("kept/Quendrix.ini"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[General]\nOther=1\n") > 0);
    file.close();
    qx::Registry registry;
    ASSERT_TRUE(QFile::link(target, registry.fileName()));
    registry.writeString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("/a"));
    EXPECT_TRUE(QFileInfo(registry.fileName()).isSymLink());
    QSettings direct(target, QSettings::IniFormat);
    EXPECT_EQ(direct.value(QStringLiteral("DefaultFormFolder")).toString(), QStringLiteral("/a"));
    EXPECT_EQ(direct.value(QStringLiteral("Other")).toString(), QStringLiteral("1"));
    EXPECT_EQ(registry.readString({}, QStringLiteral("DefaultFormFolder")), QStringLiteral("/a"));
}

TEST(Registry, WriteToReadOnlyFileIsReported)
{
    QTemporaryDir dir;
    SettingsFolder folder(dir.path());
    qx::Registry registry;
    registry.writeString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("before"));
    QFile::setPermissions(registry.fileName(), QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QFile probe(registry.fileName());
    if (probe.open(QIODevice::Append))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_THROW(registry.writeString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("after")),
                 qx::RegistryError);
    EXPECT_EQ(registry.readString({}, QStringLiteral("DefaultFormFolder")), QStringLiteral("before"));
}
