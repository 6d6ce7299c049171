#include "StagedFile.h"

#include "DataPacket.h"
#include "WriteAll.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qx {

namespace {

constexpr char kTempInfix[] = ".qxtmp.";

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DataPacketError(QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reason).toStdString());
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The permissions a new file gets: those of the file it replaces, else the usual ones.
mode_t permissionsFor(const QByteArray& path)
{
    struct stat old {};
    if (::stat(path.constData(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

QString StagedFile::placeFault(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};  // nothing there yet
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link; nothing is written outside the folder");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file");
    return {};
}

StagedFile::StagedFile(const QString& path, const QByteArray& bytes)
    : path_(path)
{
    if (const QString fault = placeFault(path); !fault.isEmpty())
        fail(path, fault);
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + kTempInfix + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail(path, systemReason(errno));
    int error = 0;
    const bool written = ::fchmod(fd, permissionsFor(target)) == 0 && (error = WriteAll(fd, bytes)) == 0
        && (::fsync(fd) == 0 || (error = errno, false));
    if (!written && error == 0)
        error = errno;
    if (::close(fd) != 0 && written)
        error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        fail(path, error == ENOSPC || error == EFBIG ? QStringLiteral("only part of the data could be written (disk full?)")
                                                     : systemReason(error));
    }
    temp_ = temp;
    present_ = true;
    size_ = bytes.size();
    digest_ = digestOf(bytes);
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_))
    , temp_(std::move(other.temp_))
    , present_(std::exchange(other.present_, false))
    , size_(other.size_)
    , digest_(std::move(other.digest_))
{
}

StagedFile::~StagedFile() { discard(); }

void StagedFile::discard()
{
    if (std::exchange(present_, false))
        ::unlink(temp_.constData());
}

QString StagedFile::temporaryPath() const { return QFile::decodeName(temp_); }

QByteArray StagedFile::digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256).toHex();
}

StagedFile::Placed StagedFile::commit()
{
    // Both replace the entry itself: a link that appeared meanwhile is moved aside, never followed.
    // Exchanging the two entries is much faster than a rename over the old file, which frees the
    // old file's blocks on the spot; the old bytes then stay under the temporary's name until
    // discard() or the destructor removes them, after the burst of renames.
    const QByteArray target = QFile::encodeName(path_);
    if (::renameat2(AT_FDCWD, temp_.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0)
        return Placed::Exchanged;
    const int exchangeError = errno;  // ENOENT: no file yet; EINVAL: the file system cannot swap
    if (::rename(temp_.constData(), target.constData()) != 0)
        fail(path_, systemReason(errno));
    present_ = false;
    return exchangeError == ENOENT ? Placed::Created : Placed::Replaced;
}

bool StagedFile::putBack(Placed how)
{
    const QByteArray target = QFile::encodeName(path_);
    switch (how) {
    case Placed::Exchanged:
        return ::renameat2(AT_FDCWD, temp_.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0;
    case Placed::Created:
        if (::rename(target.constData(), temp_.constData()) != 0)
            return false;
        present_ = true;
        return true;
    case Placed::Replaced: break;
    }
    return false;
}

QStringList StagedFile::leftovers(const QString& folder)
{
    const QDir dir(folder);
    const QString pattern = QLatin1Char('*') + QLatin1String(kTempInfix) + QLatin1Char('*');
    QStringList paths;
    for (const QFileInfo& left : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        if (!left.isSymLink())
            paths << left.filePath();
    return paths;
}

bool StagedFile::isTemporaryOf(const QString& name, const QString& of)
{
    const QString prefix = of + QLatin1String(kTempInfix);
    return !of.isEmpty() && name.size() == prefix.size() + 6 && name.startsWith(prefix);
}

void StagedFile::removeLeftovers(const QString& folder)
{
    for (const QString& path : leftovers(folder))
        QFile::remove(path);
}

void StagedFile::syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace qx
