#include "platform/system/FileVersion.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileVersion, ProgramFileCarriesTheBuiltVersion)
{
    const QString built = qx::builtFileVersion();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(built).hasMatch()) << qPrintable(built);
    EXPECT_EQ(qx::fileVersionOf(QCoreApplication::applicationFilePath()), built);
}

TEST(FileVersion, OtherFilesGiveEmpty)
{
    QTemporaryDir dir;
    EXPECT_EQ(qx::fileVersionOf(dir.filePath(QStringLiteral("missing.exe"))), QString());
    QFile empty(dir.filePath(QStringLiteral("empty")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(qx::fileVersionOf(empty.fileName()), QString());
    EXPECT_EQ(qx::fileVersionOf(dir.path()), QString());
    QFile text(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("nothing to see");
    text.close();
    EXPECT_EQ(qx::fileVersionOf(text.fileName()), QString());
}

TEST(FileVersion, MarkerMustCarryATerminatedVersion)
{
    const QByteArray key = QByteArray("QXFILE") + "VERSION=";
    // The bare key (as a search string would sit in a program) is skipped for the real marker.
    EXPECT_EQ(qx::findFileVersion(QByteArray("xx") + key + '\0' + "yy" + key + "2.3.4.5" + '\0'), QStringLiteral("2.3.4.5"));
    // Not terminated at the end of the file, or followed by other text: not a marker.
    EXPECT_EQ(qx::findFileVersion(key + "1.2.3.4"), QString());
    EXPECT_EQ(qx::findFileVersion(key + "1.2x" + '\0'), QString());
    EXPECT_EQ(qx::findFileVersion({}), QString());
}
