#include "core/util/MsgLanguage.h"
#include "core/util/Registry.h"
#include "core/util/SystemInfo.h"
#include "platform/system/Registry.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RegString, DefaultFormFolderRoundTripsAndMissingReadsEmpty)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    EXPECT_EQ(ReadRegString({}, QStringLiteral("DefaultFormFolder")), QString());
    WriteRegString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("/data/2024 M1"));
    EXPECT_EQ(ReadRegString({}, QStringLiteral("DefaultFormFolder")), QStringLiteral("/data/2024 M1"));

    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("Corvel/Quendrix.ini/x")));
    EXPECT_THROW(WriteRegString({}, QStringLiteral("DefaultFormFolder"), QStringLiteral("/y")), qx::RegistryError);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

TEST(FileVersionString, ProgramHasOneOtherFilesNone)
{
    EXPECT_FALSE(GetFileVersionString(QCoreApplication::applicationFilePath()).isEmpty());
    EXPECT_EQ(GetFileVersionString(QStringLiteral("/nonexistent/quendrix")), QString());
}

TEST(MsgLanguage, ChineseOnlyWhenTheChineseFontIsInstalled)
{
    EXPECT_EQ(ChooseMsgLanguage({QStringLiteral("Arial"), QStringLiteral("細明體")}), 1);
    EXPECT_EQ(ChooseMsgLanguage({QStringLiteral("細明體 ")}), 101);
    EXPECT_EQ(ChooseMsgLanguage({QStringLiteral("新細明體"), QStringLiteral("WenQuanYi Micro Hei")}), 101);
    EXPECT_EQ(ChooseMsgLanguage({}), 101);
}
