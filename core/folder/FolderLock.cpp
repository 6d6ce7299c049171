#include "core/folder/FolderLock.h"

#include "core/util/SystemInfo.h"
#include "platform/data/WriteAll.h"

#include <QFile>
#include <QList>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

const QString FolderLock::kFileName = QStringLiteral(".quendrix.lock");

namespace {

struct LockText {
    QString computer;
    qint64 processId = 0;
    QByteArray machine, boot, start;  // empty in earlier locks, or where the system gave none
};

// The first line of a small file; empty when it cannot be read.
QByteArray firstLineOf(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return n > 0 ? QByteArray(buffer, n).split('\n').value(0).trimmed() : QByteArray();
}

// This computer's machine id and the id of its current boot.
const QByteArray& machineId()
{
    static const QByteArray id = firstLineOf("/etc/machine-id");
    return id;
}
const QByteArray& bootId()
{
    static const QByteArray id = firstLineOf("/proc/sys/kernel/random/boot_id");
    return id;
}

// When the process started, in clock ticks after the boot (field 22 of /proc/PID/stat, counted
// after the name in parentheses, which may hold blanks); empty when unknown.
QByteArray startTimeOf(qint64 pid)
{
    const int fd = ::open(("/proc/" + QByteArray::number(pid) + "/stat").constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[2048];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (n <= 0)
        return {};
    const QByteArray stat(buffer, n);
    const qsizetype nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(nameEnd + 1).simplified().split(' ');
    return fields.value(22 - 3);  // the list starts at field 3, the state
}

QByteArray lockText()
{
    const qint64 pid = ::getpid();
    return GetLocalComputerName().toUtf8() + '\n' + QByteArray::number(pid) + "\nmachine=" + machineId()
        + "\nboot=" + bootId() + "\nstart=" + startTimeOf(pid) + '\n';
}

// What a lock file says; nothing when it cannot be read or names no process.
std::optional<LockText> parseLock(const QByteArray& text)
{
    const QList<QByteArray> lines = text.split('\n');
    bool ok = false;
    LockText lock;
    lock.computer = QString::fromUtf8(lines.value(0));
    lock.processId = lines.value(1).trimmed().toLongLong(&ok);
    if (lines.size() < 2 || !ok || lock.processId <= 0)
        return std::nullopt;
    for (const QByteArray& line : lines.mid(2)) {
        const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
        if (line.startsWith("machine="))
            lock.machine = value;
        else if (line.startsWith("boot="))
            lock.boot = value;
        else if (line.startsWith("start="))
            lock.start = value;
    }
    return lock;
}

std::optional<LockText> readLock(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return n > 0 ? parseLock(QByteArray(buffer, n)) : std::nullopt;
}

// The lock as its holder wrote it: a lock found empty may be one being written at this moment.
std::optional<LockText> readSettledLock(const QByteArray& path)
{
    std::optional<LockText> lock = readLock(path);
    if (!lock) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        lock = readLock(path);
    }
    return lock;
}

bool runsHere(qint64 pid) { return ::kill(pid_t(pid), 0) == 0 || errno == EPERM; }

enum class Verdict { Running, Gone, Unknown };

// Whether the process a lock names still holds it. Only what can be proved counts as gone: the
// process does not run here, this computer was restarted since, or the number now belongs to a
// process that started at another time. Another computer's lock, or an earlier lock naming a
// running process, cannot be judged.
Verdict judge(const std::optional<LockText>& lock)
{
    if (!lock || lock->computer != GetLocalComputerName())
        return Verdict::Unknown;
    const bool sameMachine = !lock->machine.isEmpty() && lock->machine == machineId();
    if (!lock->machine.isEmpty() && !machineId().isEmpty() && !sameMachine)
        return Verdict::Unknown;  // another computer of the same name
    if (sameMachine && !lock->boot.isEmpty() && !bootId().isEmpty() && lock->boot != bootId())
        return Verdict::Gone;
    if (!runsHere(lock->processId))
        return Verdict::Gone;
    if (lock->boot.isEmpty() || lock->boot != bootId() || lock->start.isEmpty())
        return Verdict::Unknown;
    const QByteArray start = startTimeOf(lock->processId);
    if (start.isEmpty())
        return Verdict::Unknown;
    return start == lock->start ? Verdict::Running : Verdict::Gone;
}

FolderLock::Holder holderOf(const std::optional<LockText>& lock)
{
    return lock ? FolderLock::Holder{lock->computer, lock->processId} : FolderLock::Holder{};
}

// Whether a lock file that cannot be made means that nobody can save into the folder: the
// folder or its file system is read-only. Anything else (a full disk, a failing disk) must not
// let two programs in.
bool nobodyCanSave(const QString& folder, int error)
{
    const QByteArray name = QFile::encodeName(folder);
    struct statvfs vfs {};
    if (error == EROFS || (::statvfs(name.constData(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY)))
        return true;
    return (error == EACCES || error == EPERM) && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0;
}

}  // namespace

FolderLock::Attempt FolderLock::take(const QString& folder)
{
    const QString path = folder + kFileName;
    const QByteArray name = QFile::encodeName(path);
    Attempt attempt;
    for (int round = 0; round < 2; ++round) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            int error = qx::WriteAll(fd, lockText());
            if (::close(fd) != 0 && error == 0)
                error = errno;
            if (error != 0) {
                ::unlink(name.constData());
                attempt.error = error;
                return attempt;
            }
            attempt.outcome = Outcome::Taken;
            attempt.lock.reset(new FolderLock(folder, path, false));
            return attempt;
        }
        const int error = errno;
        if (error == ENOENT) {
            attempt.outcome = Outcome::NoFolder;
            attempt.lock.reset(new FolderLock(folder, QString(), false));
            return attempt;
        }
        if (error != EEXIST) {
            if (nobodyCanSave(folder, error)) {
                attempt.outcome = Outcome::ReadOnly;
                attempt.lock.reset(new FolderLock(folder, QString(), true));
            } else {
                attempt.error = error;
            }
            return attempt;
        }
        const std::optional<LockText> current = readSettledLock(name);
        const Verdict verdict = judge(current);
        if (verdict != Verdict::Gone) {
            attempt.outcome = verdict == Verdict::Running ? Outcome::HeldByRunning : Outcome::HolderUnknown;
            attempt.holder = holderOf(current);
            return attempt;
        }
        ::unlink(name.constData());
    }
    // Another program took the lock between the removal of the stale one and the second try.
    const std::optional<LockText> current = readSettledLock(name);
    attempt.outcome = judge(current) == Verdict::Running ? Outcome::HeldByRunning : Outcome::HolderUnknown;
    attempt.holder = holderOf(current);
    return attempt;
}

FolderLock::~FolderLock()
{
    if (!path_.isEmpty())
        ::unlink(QFile::encodeName(path_).constData());
}
