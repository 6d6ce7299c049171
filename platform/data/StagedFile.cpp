#include "StagedFile.h"

#include "DataPacket.h"
#include "RegularFile.h"
#include "SaveTestHooks.h"
#include "SystemReason.h"
#include "WriteAll.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qx {

namespace {

constexpr char kTempInfix[] = ".qxtmp.";
constexpr char kAsideInfix[] = ".qxold.";

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DataPacketError(QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reason).toStdString());
}

// A rename of the burst in the open folder `folder` (`flags` 0 or RENAME_EXCHANGE): 0 or the
// system's error number.
int burstRename(int folder, const QByteArray& from, const QByteArray& to, unsigned flags)
{
    if (const int injected = SaveTestHooks::renameFault())
        return injected;
    if (flags == RENAME_EXCHANGE && SaveTestHooks::noExchange())
        return EINVAL;
    if (::renameat2(folder, from.constData(), folder, to.constData(), flags) != 0)
        return errno;
    SaveTestHooks::renamed();
    return 0;
}

// Removes a file of ours: true when it is gone.
bool removeFile(int folder, const QByteArray& name)
{
    if (SaveTestHooks::discardFault() != 0)
        return false;
    const int error = RegularFile::removeIn(folder, name);
    return error == 0 || error == ENOENT;
}

// Why the new bytes could not be written, as the user reads it.
QString writeFailure(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return QStringLiteral("the disk is full (%1)").arg(SystemReason(error));
    if (error == EFBIG)
        return QStringLiteral("the file is larger than the disk allows (%1)").arg(SystemReason(error));
    return SystemReason(error);
}

// The permissions a new file gets: those of the file it replaces, else the usual ones.
mode_t permissionsFor(int folder, const QByteArray& name)
{
    struct stat old {};
    if (::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A new temporary of the file `name` in `folder`, made only where no entry has its name: under
// `chosen`, or else under a name of its own; its name goes to `temp`. -1 and errno set when none
// can be made.
int createTemporary(int folder, const QByteArray& name, const QByteArray& chosen, QByteArray* temp)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temp = chosen.isEmpty() ? name + kTempInfix + RegularFile::temporarySuffix() : chosen;
        SaveTestHooks::step();
        const int fd = ::openat(folder, temp->constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST || !chosen.isEmpty())
            return fd;
    }
    return -1;
}

}  // namespace

QString StagedFile::placeFault(int folder, const QByteArray& name)
{
    struct stat st {};
    if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};  // nothing there yet
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link; nothing is written outside the folder");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file");
    return {};
}

StagedFile::StagedFile(int folder, const QString& path, const QByteArray& bytes)
    : folder_(folder)
    , path_(path)
    , name_(QFile::encodeName(QFileInfo(path).fileName()))
{
    write(bytes, {});
}

StagedFile::StagedFile(int folder, const QString& path, const QByteArray& bytes, const QString& temporaryName)
    : folder_(folder)
    , path_(path)
    , name_(QFile::encodeName(QFileInfo(path).fileName()))
{
    if (!isTemporaryOf(temporaryName, QFileInfo(path).fileName()))
        fail(path, QStringLiteral("\"%1\" is no temporary name of it").arg(temporaryName));
    write(bytes, QFile::encodeName(temporaryName));
}

void StagedFile::write(const QByteArray& bytes, const QByteArray& chosenName)
{
    if (const QString fault = placeFault(folder_, name_); !fault.isEmpty())
        fail(path_, fault);
    QByteArray temp;
    const int fd = createTemporary(folder_, name_, chosenName, &temp);
    if (fd < 0)
        fail(path_, SystemReason(errno));
    int error = ::fchmod(fd, permissionsFor(folder_, name_)) == 0 ? 0 : errno;
    if (error == 0) {
        SaveTestHooks::step();
        error = WriteAll(fd, bytes);
    }
    if (error == 0) {
        SaveTestHooks::step();
        error = ::fsync(fd) == 0 ? 0 : errno;
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder_, temp.constData(), 0);
        fail(path_, writeFailure(error));
    }
    temp_ = temp;
    present_ = true;
    size_ = bytes.size();
    digest_ = digestOf(bytes);
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : folder_(other.folder_)
    , path_(std::move(other.path_))
    , name_(std::move(other.name_))
    , temp_(std::move(other.temp_))
    , present_(std::exchange(other.present_, false))
    , aside_(std::exchange(other.aside_, false))
    , size_(other.size_)
    , digest_(std::move(other.digest_))
{
}

StagedFile::~StagedFile() { discard(); }

bool StagedFile::discard()
{
    if (present_ && removeFile(folder_, temp_))
        present_ = false;
    if (aside_ && removeFile(folder_, asideName()))
        aside_ = false;
    return !present_ && !aside_;
}

QByteArray StagedFile::asideName() const { return QFile::encodeName(asideOf(QFile::decodeName(temp_))); }

QString StagedFile::temporaryName() const { return QFile::decodeName(temp_); }

QString StagedFile::temporaryPath() const { return path_.chopped(QFile::decodeName(name_).size()) + temporaryName(); }

QByteArray StagedFile::digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256).toHex();
}

StagedFile::Placed StagedFile::commit()
{
    // Both ways replace the entry itself: a link that appeared meanwhile is moved aside, never
    // followed. Exchanging the two entries is much faster than a rename over the old file, which
    // frees the old file's blocks on the spot; the old bytes then stay under the temporary's name
    // until discard() or the destructor removes them, after the burst of renames.
    const QByteArray& target = name_;
    if (burstRename(folder_, temp_, target, RENAME_EXCHANGE) == 0)
        return Placed::Exchanged;
    struct stat st {};
    if (::fstatat(folder_, target.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {  // no file yet
        if (const int error = burstRename(folder_, temp_, target, 0))
            fail(path_, SystemReason(error));
        present_ = false;
        return Placed::Created;
    }
    // A file system that cannot swap (EINVAL), or an error that the first rename meets again.
    // The old file goes aside first, so that a failure later in the burst can still put it back.
    const QByteArray aside = asideName();
    if (const int error = burstRename(folder_, target, aside, 0))
        fail(path_, SystemReason(error));
    aside_ = true;
    if (const int error = burstRename(folder_, temp_, target, 0)) {
        if (SaveTestHooks::putBackFault() == 0 && RegularFile::renameIn(folder_, aside, target) == 0)
            aside_ = false;
        fail(path_, SystemReason(error));
    }
    present_ = false;
    return Placed::Replaced;
}

void StagedFile::replace()
{
    SaveTestHooks::step();
    if (const int error = RegularFile::renameIn(folder_, temp_, name_))
        fail(path_, SystemReason(error));
    present_ = false;
}

bool StagedFile::putBack(Placed how)
{
    if (SaveTestHooks::putBackFault() != 0)
        return false;
    const QByteArray& target = name_;
    switch (how) {
    case Placed::Exchanged:
        return ::renameat2(folder_, temp_.constData(), folder_, target.constData(), RENAME_EXCHANGE) == 0;
    case Placed::Created:
        // The new file goes back under the temporary's name, which the destructor removes.
        if (RegularFile::renameIn(folder_, target, temp_) != 0)
            return false;
        present_ = true;
        return true;
    case Placed::Replaced:
        // The new file back under the temporary's name first, so that a save whose put-back
        // fails halfway can still be finished; then the old file in its place.
        if (RegularFile::renameIn(folder_, target, temp_) != 0)
            return false;
        present_ = true;
        if (RegularFile::renameIn(folder_, asideName(), target) != 0)
            return false;
        aside_ = false;
        return true;
    }
    return false;
}

bool StagedFile::isTemporaryOf(const QString& name, const QString& of)
{
    return !of.isEmpty() && RegularFile::isTemporaryName(name, of + QLatin1String(kTempInfix));
}

QString StagedFile::newTemporaryName(int folder, const QString& of)
{
    const QByteArray prefix = QFile::encodeName(of) + kTempInfix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = prefix + RegularFile::temporarySuffix();
        if (RegularFile::entryOf(folder, name) == RegularFile::Entry::Missing)
            return QFile::decodeName(name);
    }
    return {};
}

QString StagedFile::asideOf(const QString& temporaryName)
{
    QString aside = temporaryName;
    const qsizetype at = aside.lastIndexOf(QLatin1String(kTempInfix));
    return at < 0 ? QString() : aside.replace(at, qsizetype(sizeof kTempInfix) - 1, QLatin1String(kAsideInfix));
}

bool StagedFile::isAsideOf(const QString& name, const QString& of)
{
    const QString prefix = of + QLatin1String(kAsideInfix);
    return name.startsWith(prefix) && isTemporaryOf(of + QLatin1String(kTempInfix) + name.sliced(prefix.size()), of);
}

}  // namespace qx
