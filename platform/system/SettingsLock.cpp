#include "platform/system/SettingsLock.h"

#include "platform/data/WriteAll.h"
#include "platform/system/Registry.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx {

namespace {

// A lock nobody holds an OS lock on is a crash's leftover once it is this old: its holder takes
// the OS lock the instant it makes the file.
constexpr qint64 kStaleAfterMs = 250;
constexpr int kRetryMs = 10;

// What QLockFile writes into its lock: process, program and computer, one a line.
QByteArray lockText()
{
    const QString program = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    return QByteArray::number(::getpid()) + '\n' + program.toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
}

// Whether `name` in `folder` is still the file open as `fd`.
bool stillNamed(int folder, const QByteArray& name, int fd)
{
    struct stat named {}, open {};
    return ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &open) == 0
        && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// How long ago the open file was last written, in milliseconds.
qint64 ageMs(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return 0;
    const qint64 written = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return qAbs(QDateTime::currentMSecsSinceEpoch() - written);
}

}  // namespace

SettingsLock::SettingsLock(int folder, const QByteArray& name, const QString& file, int waitMs)
    : folder_(folder), name_(name)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        Descriptor made(::openat(folder, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (made) {
            ::flock(made.get(), LOCK_EX | LOCK_NB);  // a file of its own: nobody else holds it
            if (const int error = WriteAll(made.get(), lockText()); error != 0) {
                ::unlinkat(folder, name.constData(), 0);
                throw RegistryError(RegistryFault::LockUnusable, error, file);
            }
            fd_ = std::move(made);
            return;
        }
        if (errno != EEXIST)
            throw RegistryError(RegistryFault::LockUnusable, errno, file);

        // Someone's lock, or a crash's leftover: read through what it is, never waiting on it.
        const RegularFile::Opened found = RegularFile::open(folder, name, O_RDONLY | O_NOCTTY);
        if (found.irregular)
            throw RegistryError(RegistryFault::LockUnusable, 0, file);
        if (found.fd) {
            if (::flock(found.fd.get(), LOCK_EX | LOCK_NB) == 0) {
                if (ageMs(found.fd.get()) >= kStaleAfterMs) {
                    if (stillNamed(folder, name, found.fd.get()) && ::unlinkat(folder, name.constData(), 0) != 0)
                        throw RegistryError(RegistryFault::LockUnusable, errno, file);
                    continue;
                }
            } else if (errno != EWOULDBLOCK) {
                throw RegistryError(RegistryFault::LockUnusable, errno, file);
            }
        } else if (found.error != ENOENT) {
            throw RegistryError(RegistryFault::LockUnusable, found.error, file);
        }
        if (deadline.hasExpired())
            throw RegistryError(RegistryFault::LockedByAnotherProgram, 0, file);
        QThread::msleep(kRetryMs);
    }
}

SettingsLock::~SettingsLock()
{
    // Removed before the OS lock goes, so that nobody takes the file for a crash's leftover.
    if (fd_ && stillNamed(folder_, name_, fd_.get()))
        ::unlinkat(folder_, name_.constData(), 0);
}

}  // namespace qx
