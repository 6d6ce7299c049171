// folder_lock_taker: takes and lets go of a form folder's lock at its test's word, so that races
// and crashes are played by real processes.
//   folder_lock_taker FOLDER [--kill-at N] [--fail CALL=ERRNO]...
// Reads the lines "take" and "release" and answers each with one line: the outcome of the take
// ("Taken", "HeldByRunning" ..., "Failed 28") or "released". "take N" waits N microseconds
// first, as programs started together reach the lock a little apart. --kill-at N kills the program before
// the Nth system call that makes, publishes or removes a lock file; --fail makes every call of
// that name fail with that error number.
#include "core/folder/FolderLock.h"

#include <QMap>
#include <QString>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

int killAt = 0;
int callsSoFar = 0;
QMap<QByteArray, int> failures;

int fault(const char* call)
{
    if (++callsSoFar == killAt)
        ::kill(::getpid(), SIGKILL);
    return failures.value(QByteArray(call));
}

const char* nameOf(FolderLock::Outcome outcome)
{
    switch (outcome) {
    case FolderLock::Outcome::Taken: return "Taken";
    case FolderLock::Outcome::ReadOnly: return "ReadOnly";
    case FolderLock::Outcome::NoFolder: return "NoFolder";
    case FolderLock::Outcome::HeldByRunning: return "HeldByRunning";
    case FolderLock::Outcome::HolderUnknown: return "HolderUnknown";
    case FolderLock::Outcome::NotRegular: return "NotRegular";
    case FolderLock::Outcome::Failed: break;
    }
    return "Failed";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: folder_lock_taker FOLDER [--kill-at N] [--fail CALL=ERRNO]...\n");
        return 2;
    }
    QString folder = QString::fromLocal8Bit(argv[1]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--kill-at") == 0) {
            killAt = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--fail") == 0) {
            const QByteArray spec(argv[i + 1]);
            failures[spec.left(spec.indexOf('='))] = spec.mid(spec.indexOf('=') + 1).toInt();
        }
    }
    FolderLock::faultBefore = &fault;

    std::unique_ptr<FolderLock> lock;
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, "take", 4) == 0) {
            ::usleep(useconds_t(std::atoi(line + 4)));
            callsSoFar = 0;
            FolderLock::Attempt attempt = FolderLock::take(folder);
            lock = std::move(attempt.lock);
            if (attempt.outcome == FolderLock::Outcome::Failed)
                std::printf("Failed %d\n", attempt.error);
            else
                std::printf("%s\n", nameOf(attempt.outcome));
        } else if (std::strncmp(line, "release", 7) == 0) {
            lock.reset();
            std::printf("released\n");
        }
        std::fflush(stdout);
    }
    return 0;
}
