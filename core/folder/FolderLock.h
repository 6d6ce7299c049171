#pragma once
// The lock of an open form folder: a file in the folder naming the computer and the process that
// holds the folder open, so that a second program refuses to open it instead of mixing two
// declarations in one folder. The lock also records what tells the holder from a later process
// that happens to get the same number (the computer's machine id, the boot id, the process's
// start time), so a lock left by a process that no longer runs on this computer is taken over,
// even after a reboot.
//
// The lock file appears under its name only with its whole text in it (written under a temporary
// name first), so a crash never leaves an empty lock. The holder keeps an OS lock (flock) on the
// file for as long as it holds the folder: a program that takes over a stale lock does so only
// while holding that file's OS lock, so of two programs racing over one stale lock exactly one
// wins. The holder's lock file goes when the lock object goes, and only while it is still its own.
//
// The lock file: the computer's name, the process id, then "machine=", "boot=" and "start="
// lines; earlier locks hold only the first two lines.

#include "platform/data/RegularFile.h"

#include <QString>
#include <memory>

class FolderLock {
public:
    // The lock file's name; it is no file of the declaration.
    static const QString kFileName;

    struct Holder {
        QString computer;  // both empty: the lock file could not be read
        qint64 processId = 0;
    };

    enum class Outcome {
        Taken,          // the lock file is ours
        ReadOnly,       // nobody can save into the folder (read-only folder or media): no lock needed
        NoFolder,       // the folder does not exist: opened as before, without a lock; saves fail
        HeldByRunning,  // a process that still runs holds it
        HolderUnknown,  // held by another computer, or a lock that cannot be read or judged
        NotRegular,     // something that is no plain file (a link, a pipe, a folder) has the lock's name
        Failed,         // the lock file cannot be written (a full disk, an input/output error ...)
    };
    struct Attempt {
        Outcome outcome = Outcome::Failed;
        std::unique_ptr<FolderLock> lock;  // Taken, ReadOnly and NoFolder
        Holder holder;                     // HeldByRunning and HolderUnknown
        int error = 0;                     // Failed: the system's error number
    };

    // Takes the lock of the folder open as `folder`, which the lock keeps open for the folder's
    // life: every step of the lock, and every later step in the folder, is taken in that folder
    // even when another comes to stand at its path. `path` (with its trailing delimiter) names it
    // in messages. No descriptor: the folder does not exist (NoFolder).
    static Attempt take(qx::Descriptor folder, const QString& path);
    // The same for the folder that stands at `path` now.
    static Attempt take(const QString& path);

    // Test seam: asked before each system call that makes, publishes or removes a lock file, with
    // the call's name ("create", "write", "rename" ...); a non-zero answer makes the call fail
    // with that error number. Null in the program.
    static int (*faultBefore)(const char* call);

    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    const QString& folder() const { return folder_; }
    // The open folder; -1 when it did not exist (NoFolder).
    int folderFd() const { return dir_.get(); }
    // Opened without a lock file because nobody can save into the folder.
    bool readOnly() const { return readOnly_; }

private:
    static Attempt withoutLockFile(qx::Descriptor&& dir, const QString& folder, int error);

    FolderLock(qx::Descriptor dir, QString folder, int fd, bool readOnly)
        : dir_(std::move(dir)), folder_(std::move(folder)), fd_(fd), readOnly_(readOnly)
    {
    }

    qx::Descriptor dir_;
    QString folder_;
    int fd_ = -1;      // the lock file, under our OS lock; -1: no lock file
    bool readOnly_ = false;
};
