#include "core/folder/FolderLock.h"

#include "core/util/SystemInfo.h"
#include "platform/data/RegularFile.h"
#include "platform/data/WriteAll.h"

#include <QFile>
#include <QList>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

const QString FolderLock::kFileName = QStringLiteral(".quendrix.lock");
int (*FolderLock::faultBefore)(const char* call) = nullptr;

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
    if (lines.size() < 2 || !ok || lock.processId <= 0 || lock.processId > std::numeric_limits<pid_t>::max())
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
bool nobodyCanSave(int folder, int error)
{
    struct statvfs vfs {};
    if (error == EROFS || (::fstatvfs(folder, &vfs) == 0 && (vfs.f_flag & ST_RDONLY)))
        return true;
    return (error == EACCES || error == EPERM) && ::faccessat(folder, ".", W_OK, AT_EACCESS) != 0;
}


// A system call that makes, publishes or removes a lock file; failed instead when the test seam
// says so.
template <class Call>
int sys(const char* name, Call call)
{
    if (FolderLock::faultBefore)
        if (const int error = FolderLock::faultBefore(name)) {
            errno = error;
            return -1;
        }
    return call();
}

using Fd = qx::Descriptor;

// The lock file's name in the folder.
const QByteArray& lockName()
{
    static const QByteArray name = QFile::encodeName(FolderLock::kFileName);
    return name;
}

// Whether the lock's name in `folder` is the file open as `fd`.
bool isLockFile(int folder, int fd)
{
    struct stat named {}, open {};
    return ::fstatat(folder, lockName().constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &open) == 0
        && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// The temporaries our lock is written in before it is put under its name: the lock's name, a dot
// and six letters or digits.
bool isOurTemporary(const QString& name)
{
    return qx::RegularFile::isTemporaryName(name, FolderLock::kFileName + QLatin1Char('.'));
}

// Our OS lock on a file of ours; where the file system has none, the lock file alone keeps
// others out (its holder is judged by what it names).
void holdOsLock(int fd) { sys("flock", [&] { return ::flock(fd, LOCK_EX | LOCK_NB); }); }

// Writes the whole lock text into `fd` and flushes it, so that a disk that cannot take it (full,
// failing, a network folder that reports late) is known before the lock is put in place; 0 or
// the system's error number. The calls are named for the seam.
int writeLockText(int fd, const QByteArray& text, const char* writeCall, const char* syncCall)
{
    if (sys(writeCall, [&] { return (errno = qx::WriteAll(fd, text)) == 0 ? 0 : -1; }) != 0)
        return errno;
    return sys(syncCall, [&] { return ::fsync(fd); }) == 0 ? 0 : errno;
}

bool unsupported(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

// Our lock, text and OS lock complete, under a temporary name in the open folder until it is put
// under the lock's name, which it takes only where no file has that name. A staged lock that is
// never put in place takes its temporary with it.
class StagedLock {
public:
    explicit StagedLock(int folder) : folder_(folder) {}
    ~StagedLock() { forgetTemporary(); }

    // 0 or the system's error number.
    int make(const QByteArray& text)
    {
        forgetTemporary();
        fd_.reset();
        for (int attempt = 0; attempt < 8 && fd_.get() < 0; ++attempt) {
            temp_ = lockName() + '.' + qx::RegularFile::temporarySuffix();
            fd_.reset(sys("create", [&] {
                return ::openat(folder_, temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            }));
            if (fd_.get() < 0 && errno != EEXIST) {
                const int error = errno;
                temp_.clear();
                return error;
            }
        }
        if (fd_.get() < 0) {
            temp_.clear();
            return EEXIST;
        }
        text_ = text;
        if (const int error = writeLockText(fd_.get(), text, "write", "fsync"))
            return error;
        holdOsLock(fd_.get());
        return 0;
    }

    // Puts the lock under its name unless a file has that name: 0, EEXIST, or the system's error
    // number. A file system that can neither rename without replacing nor link gets the lock
    // made in place, as earlier programs made it.
    int publish()
    {
        const char* const name = lockName().constData();
        if (sys("rename", [&] { return ::renameat2(folder_, temp_.constData(), folder_, name, RENAME_NOREPLACE); }) == 0) {
            temp_.clear();
            return 0;
        }
        if (!unsupported(errno))
            return errno;
        if (sys("link", [&] { return ::linkat(folder_, temp_.constData(), folder_, name, 0); }) == 0) {
            forgetTemporary();
            return 0;
        }
        if (errno != EPERM && !unsupported(errno))
            return errno;
        return makeInPlace();
    }

    int release() { return fd_.release(); }

private:
    int makeInPlace()
    {
        const char* const name = lockName().constData();
        Fd fd(sys("createInPlace", [&] {
            return ::openat(folder_, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        }));
        if (fd.get() < 0)
            return errno;
        holdOsLock(fd.get());
        if (const int error = writeLockText(fd.get(), text_, "writeInPlace", "fsyncInPlace")) {
            ::unlinkat(folder_, name, 0);  // just made, and ours: nobody takes over a lock under our OS lock
            return error;
        }
        forgetTemporary();
        fd_.reset(fd.release());
        return 0;
    }

    void forgetTemporary()
    {
        if (!temp_.isEmpty())
            sys("unlinkTemporary", [&] { return ::unlinkat(folder_, temp_.constData(), 0); });
        temp_.clear();
    }

    int folder_;
    Fd fd_;
    QByteArray temp_;  // empty: none
    QByteArray text_;
};

// What has the lock's name.
struct FoundLock {
    enum Kind { Missing, NotRegular, Unreadable, File } kind = Missing;
    Fd fd;  // File: open for reading
    QByteArray text;
};

QByteArray readUpTo1k(int fd)
{
    char buffer[1024];
    ssize_t n;
    do
        n = ::pread(fd, buffer, sizeof buffer, 0);
    while (n < 0 && errno == EINTR);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

// Looks at what has the lock's name without following a link and without waiting on a pipe; a
// lock found empty is read again a moment later, as an earlier program may be writing it.
void examine(int folder, FoundLock& found)
{
    qx::RegularFile::Opened opened = qx::RegularFile::open(folder, lockName(), O_RDONLY | O_NOCTTY);
    if (!opened.fd) {
        found.kind = opened.irregular              ? FoundLock::NotRegular
                     : opened.error == ENOENT      ? FoundLock::Missing
                                                   : FoundLock::Unreadable;
        return;
    }
    found.fd = std::move(opened.fd);
    found.kind = FoundLock::File;
    found.text = readUpTo1k(found.fd.get());
    if (found.text.isEmpty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        found.text = readUpTo1k(found.fd.get());
    }
}

enum class OsLock { Free, Held, Unavailable };

// How long another program may hold a found lock's OS lock before the folder counts as in use:
// longer than any take-over or in-place write of a lock lasts.
constexpr std::chrono::milliseconds kMomentaryHold{1000};

// Tries the found lock file's OS lock; Free: it is ours now, until the file is closed.
OsLock tryOsLock(int fd)
{
    if (sys("flockFound", [&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0)
        return OsLock::Free;
    return errno == EWOULDBLOCK ? OsLock::Held : OsLock::Unavailable;
}

FolderLock::Attempt refused(FolderLock::Outcome outcome, const std::optional<LockText>& lock)
{
    FolderLock::Attempt attempt;
    attempt.outcome = outcome;
    attempt.holder = holderOf(lock);
    return attempt;
}

// Removes temporaries that a program killed while making its lock left behind. Only the lock's
// holder does this; a program staging its lock at this moment finds its temporary gone and looks
// again, finding the lock held.
void removeLeftoverTemporaries(int folder)
{
    for (const QByteArray& name : qx::RegularFile::namesIn(folder))
        if (isOurTemporary(QFile::decodeName(name))
            && qx::RegularFile::entryOf(folder, name) == qx::RegularFile::Entry::Regular)
            qx::RegularFile::removeIn(folder, name);
}

}  // namespace

// What a lock file that cannot be made means: no folder, or one nobody can save into, both
// opened without a lock; else the folder is not opened. `dir` moves into the lock only when one
// is made: until take() returns, its staged lock removes its temporary through it.
FolderLock::Attempt FolderLock::withoutLockFile(qx::Descriptor&& dir, const QString& folder, int error)
{
    Attempt attempt;
    attempt.error = error;
    if (!dir)
        attempt.outcome = Outcome::NoFolder;
    else if (nobodyCanSave(dir.get(), error))
        attempt.outcome = Outcome::ReadOnly;
    else
        return attempt;
    attempt.lock.reset(new FolderLock(std::move(dir), folder, -1, attempt.outcome == Outcome::ReadOnly));
    return attempt;
}

FolderLock::Attempt FolderLock::take(const QString& path)
{
    int error = 0;
    qx::Descriptor dir = qx::RegularFile::openFolder(path, &error);
    if (!dir && error != ENOENT) {
        Attempt attempt;
        attempt.error = error;
        return attempt;
    }
    return take(std::move(dir), path);
}

FolderLock::Attempt FolderLock::take(qx::Descriptor dir, const QString& folder)
{
    if (!dir)
        return withoutLockFile(std::move(dir), folder, ENOENT);
    StagedLock staged(dir.get());
    if (const int error = staged.make(lockText()))
        return withoutLockFile(std::move(dir), folder, error);

    // Each round puts our lock in place, or judges the one found there; a round ends early while
    // another program holds the found lock's OS lock, as one taking over a stale lock or writing
    // its lock in place does for a moment. Held for longer, the folder is in use. Rounds that
    // find it held are not counted: that wait is bounded by its time alone, from the first round
    // that found it held.
    std::optional<LockText> seen;
    Verdict seenVerdict = Verdict::Unknown;
    bool held = false;  // the latest round found the lock's OS lock held
    std::optional<std::chrono::steady_clock::time_point> firstHeld;
    int rounds = 0;
    while (held || rounds++ < 200) {
        held = false;
        const int error = staged.publish();
        if (error == 0) {
            const int fd = staged.release();
            removeLeftoverTemporaries(dir.get());
            Attempt attempt;
            attempt.outcome = Outcome::Taken;
            attempt.lock.reset(new FolderLock(std::move(dir), folder, fd, false));
            return attempt;
        }
        if (error == ENOENT) {  // our temporary was tidied away by a new holder, or the folder went
            if (const int again = staged.make(lockText()))
                return withoutLockFile(std::move(dir), folder, again);
            continue;
        }
        if (error != EEXIST) {
            Attempt attempt;
            attempt.error = error;
            return attempt;
        }
        FoundLock found;
        examine(dir.get(), found);
        if (found.kind == FoundLock::Missing)
            continue;
        if (found.kind == FoundLock::NotRegular)
            return refused(Outcome::NotRegular, std::nullopt);
        if (found.kind == FoundLock::Unreadable)
            return refused(Outcome::HolderUnknown, std::nullopt);
        seen = parseLock(found.text);
        const OsLock osLock = tryOsLock(found.fd.get());
        // An empty lock is one whose maker died before writing it (earlier programs wrote in
        // place), unless someone holds its OS lock.
        const Verdict verdict = found.text.isEmpty() ? (osLock == OsLock::Free ? Verdict::Gone : Verdict::Unknown)
                                                     : judge(seen);
        seenVerdict = verdict;
        if (verdict == Verdict::Running)
            return refused(Outcome::HeldByRunning, seen);
        if (osLock == OsLock::Held) {
            held = true;
            const auto now = std::chrono::steady_clock::now();
            if (!firstHeld)
                firstHeld = now;
            else if (now - *firstHeld > kMomentaryHold)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        if (verdict == Verdict::Unknown || osLock == OsLock::Unavailable)
            return refused(Outcome::HolderUnknown, seen);
        // Stale, and under our OS lock now: no other program removes it, nor anything in its place.
        if (isLockFile(dir.get(), found.fd.get()))
            sys("unlinkStale", [&] { return ::unlinkat(dir.get(), lockName().constData(), 0); });
    }
    if (!held)
        return refused(Outcome::HolderUnknown, seen);
    // Someone holds the lock's OS lock: the folder is in use, by the program the lock names
    // unless that one is provably gone or the lock names none.
    return refused(Outcome::HeldByRunning, seenVerdict == Verdict::Gone ? std::nullopt : seen);
}

FolderLock::~FolderLock()
{
    if (fd_ < 0)
        return;
    // Another program may have taken the folder over once our lock was removed by hand.
    if (isLockFile(dir_.get(), fd_))
        ::unlinkat(dir_.get(), lockName().constData(), 0);
    ::close(fd_);
}
