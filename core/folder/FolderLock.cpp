#include "core/folder/FolderLock.h"

#include "core/util/SystemInfo.h"

#include <QFile>
#include <optional>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

const QString FolderLock::kFileName = QStringLiteral(".quendrix.lock");

namespace {

// "computer\nprocess id\n"
QByteArray lockText()
{
    return GetLocalComputerName().toUtf8() + '\n' + QByteArray::number(qint64(::getpid())) + '\n';
}

// The holder named by a lock file; nothing when the file cannot be read or names nobody.
std::optional<FolderLock::Holder> readHolder(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    char buffer[512];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (n <= 0)
        return std::nullopt;
    const QList<QByteArray> lines = QByteArray(buffer, n).split('\n');
    bool ok = false;
    const qint64 pid = lines.value(1).trimmed().toLongLong(&ok);
    if (lines.size() < 2 || !ok || pid <= 0)
        return std::nullopt;
    return FolderLock::Holder{QString::fromUtf8(lines.value(0)), pid};
}

bool runsHere(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// A lock that nobody holds any more: unreadable, or left by a process gone from this computer.
bool isStale(const std::optional<FolderLock::Holder>& holder)
{
    return !holder || (holder->computer == GetLocalComputerName() && !runsHere(holder->processId));
}

}  // namespace

std::unique_ptr<FolderLock> FolderLock::take(const QString& folder, Holder* holder)
{
    const QString path = folder + kFileName;
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            const QByteArray text = lockText();
            const bool written = ::write(fd, text.constData(), std::size_t(text.size())) == text.size();
            ::close(fd);
            if (!written) {
                ::unlink(name.constData());
                return std::unique_ptr<FolderLock>(new FolderLock(folder, QString()));
            }
            return std::unique_ptr<FolderLock>(new FolderLock(folder, path));
        }
        if (errno != EEXIST)
            return std::unique_ptr<FolderLock>(new FolderLock(folder, QString()));  // read-only folder
        const std::optional<Holder> current = readHolder(name);
        if (!isStale(current)) {
            *holder = *current;
            return nullptr;
        }
        ::unlink(name.constData());
    }
    *holder = readHolder(name).value_or(Holder{});
    return nullptr;
}

FolderLock::~FolderLock()
{
    if (!path_.isEmpty())
        ::unlink(QFile::encodeName(path_).constData());
}
