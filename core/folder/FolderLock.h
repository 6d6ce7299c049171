#pragma once
// The lock of an open form folder: a file in the folder naming the computer and the process that
// holds the folder open, so that a second program refuses to open it instead of mixing two
// declarations in one folder. The lock also records what tells the holder from a later process
// that happens to get the same number (the computer's machine id, the boot id, the process's
// start time), so a lock left by a process that no longer runs on this computer is taken over,
// even after a reboot. The holder's lock file goes when the lock object goes.
//
// The lock file: the computer's name, the process id, then "machine=", "boot=" and "start="
// lines; earlier locks hold only the first two lines.

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
        HeldByRunning,  // a process of this computer that still runs holds it
        HolderUnknown,  // held by another computer, or a lock that cannot be read or judged
        Failed,         // the lock file cannot be written (a full disk, an input/output error ...)
    };
    struct Attempt {
        Outcome outcome = Outcome::Failed;
        std::unique_ptr<FolderLock> lock;  // Taken, ReadOnly and NoFolder
        Holder holder;                     // HeldByRunning and HolderUnknown
        int error = 0;                     // Failed: the system's error number
    };

    // Takes the lock of `folder` (with its trailing delimiter).
    static Attempt take(const QString& folder);

    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    const QString& folder() const { return folder_; }
    // Opened without a lock file because nobody can save into the folder.
    bool readOnly() const { return readOnly_; }

private:
    FolderLock(QString folder, QString path, bool readOnly)
        : folder_(std::move(folder)), path_(std::move(path)), readOnly_(readOnly)
    {
    }

    QString folder_;
    QString path_;  // empty: no lock file
    bool readOnly_ = false;
};
