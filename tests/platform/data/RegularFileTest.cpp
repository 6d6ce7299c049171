// Opening a name in a folder someone else filled: only a regular file, never through a link,
// never waiting on a pipe.
#include "platform/data/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(RegularFile, OnlyARegularFileInTheFolderOpensAndNothingWaits)
{
    QTemporaryDir dir;
    const QString at = dir.path() + QLatin1Char('/');
    QFile plain(at + QStringLiteral("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write("bytes") == 5);
    plain.close();
    ASSERT_TRUE(QFile::link(at + QStringLiteral("plain"), at + QStringLiteral("link")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at + QStringLiteral("pipe")).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkdir(at + QStringLiteral("folder")));
    const qx::Descriptor folder = qx::RegularFile::openFolder(dir.path());
    ASSERT_TRUE(folder);

    struct Case {
        const char* name;
        int flags;
        bool opens;
        bool irregular;
    };
    const Case cases[] = {
        {"plain", O_RDONLY, true, false},          {"link", O_RDONLY, false, true},
        {"pipe", O_RDONLY, false, true},           {"pipe", O_WRONLY, false, true},
        {"folder", O_RDONLY, false, true},         {"missing", O_RDONLY, false, false},
        {"new", O_WRONLY | O_CREAT | O_EXCL, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.flags == O_RDONLY ? " read" : " write"));
        const qx::RegularFile::Opened f = qx::RegularFile::open(folder.get(), c.name, c.flags, 0644);
        EXPECT_EQ(bool(f.fd), c.opens);
        EXPECT_EQ(f.irregular, c.irregular);
        if (!c.opens) {
            EXPECT_NE(f.error, 0);
        }
    }
    QByteArray bytes;
    const qx::RegularFile::Opened f = qx::RegularFile::open(folder.get(), "plain", O_RDONLY);
    EXPECT_EQ(qx::RegularFile::readAll(f.fd.get(), 100, &bytes), 0);
    EXPECT_EQ(bytes, QByteArray("bytes"));
    EXPECT_EQ(qx::RegularFile::entryOf(folder.get(), "link"), qx::RegularFile::Entry::Other);
    EXPECT_EQ(qx::RegularFile::entryOf(folder.get(), "plain"), qx::RegularFile::Entry::Regular);
    EXPECT_EQ(qx::RegularFile::entryOf(folder.get(), "missing"), qx::RegularFile::Entry::Missing);
}

}  // namespace
