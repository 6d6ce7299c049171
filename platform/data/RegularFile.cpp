#include "RegularFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <utility>

namespace qx {

Descriptor::~Descriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Descriptor::Descriptor(Descriptor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int Descriptor::release()
{
    return std::exchange(fd_, -1);
}

namespace RegularFile {

Opened open(int folder, const QByteArray& name, int flags, mode_t mode)
{
    Opened opened;
    // Nothing but a regular file is opened at all: opening a device can set it going.
    struct stat before {};
    if (::fstatat(folder, name.constData(), &before, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(before.st_mode)) {
        opened.irregular = true;
        opened.error = S_ISLNK(before.st_mode) ? ELOOP : EINVAL;
        return opened;
    }
    const int fd = ::openat(folder, name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        opened.error = errno;
        // O_NOFOLLOW ends at a link with ELOOP; a directory opened for writing gives EISDIR.
        opened.irregular = opened.error == ELOOP || opened.error == EISDIR || opened.error == ENXIO;
        return opened;
    }
    Descriptor owned(fd);
    struct stat st {};  // what was opened, should the entry have changed meanwhile
    if (::fstat(fd, &st) != 0) {
        opened.error = errno;
        return opened;
    }
    if (!S_ISREG(st.st_mode)) {
        opened.irregular = true;
        opened.error = EINVAL;
        return opened;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        opened.error = errno;
        return opened;
    }
    opened.fd = std::move(owned);
    opened.size = st.st_size;
    return opened;
}

Descriptor openFolder(const QString& path, int* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && error)
        *error = errno;
    return Descriptor(fd);
}

QList<QByteArray> namesIn(int folder)
{
    QList<QByteArray> names;
    // "." opened afresh is the same folder, with a reading place of its own.
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return names;
    DIR* const dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

int syncFolder(int folder) { return ::fsync(folder) == 0 ? 0 : errno; }

Entry entryOf(int folder, const QByteArray& name)
{
    struct stat st {};
    if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Entry::Missing : Entry::Other;
    return S_ISREG(st.st_mode) ? Entry::Regular : Entry::Other;
}

int renameIn(int folder, const QByteArray& from, const QByteArray& to)
{
    return ::renameat(folder, from.constData(), folder, to.constData()) == 0 ? 0 : errno;
}

int removeIn(int folder, const QByteArray& name)
{
    return ::unlinkat(folder, name.constData(), 0) == 0 ? 0 : errno;
}

bool isTemporaryName(QStringView name, QStringView prefix)
{
    if (name.size() != prefix.size() + kTemporarySuffixLength || !name.startsWith(prefix))
        return false;
    for (const QChar c : name.sliced(prefix.size()))
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    return true;
}

QByteArray temporarySuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix(kTemporarySuffixLength, Qt::Uninitialized);
    for (char& c : suffix)
        c = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return suffix;
}

int readPieces(int fd, const std::function<int(QByteArrayView)>& take)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (const int error = take(QByteArrayView(buffer, n)))
            return error;
    }
}

int readAll(int fd, qint64 max, QByteArray* bytes)
{
    bytes->clear();
    // Room for what the file holds now (and the byte more that shows it grew past `max`), so
    // that a large file is not copied again at each doubling.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        bytes->reserve(qsizetype(std::min<qint64>(st.st_size, max) + 1));
    return readPieces(fd, [&](QByteArrayView piece) {
        if (bytes->size() + piece.size() > max)
            return EFBIG;
        bytes->append(piece);
        return 0;
    });
}

}  // namespace RegularFile
}  // namespace qx
