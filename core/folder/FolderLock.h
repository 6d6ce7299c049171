#pragma once
// The lock of an open form folder: a file in the folder naming the computer and the process that
// holds the folder open, so that a second program refuses to open it instead of mixing two
// declarations in one folder. A lock left by a process that no longer runs on this computer is
// taken over; the holder's lock file goes when the lock object goes.

#include <QString>
#include <memory>

class FolderLock {
public:
    // The lock file's name; it is no file of the declaration.
    static const QString kFileName;

    struct Holder {
        QString computer;
        qint64 processId = 0;
    };

    // Takes the lock of `folder` (with its trailing delimiter). Nothing when another running
    // process holds it (*holder names it). A folder that takes no new file (read-only media) is
    // opened without a lock, as nobody can save into it.
    static std::unique_ptr<FolderLock> take(const QString& folder, Holder* holder);

    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    const QString& folder() const { return folder_; }

private:
    explicit FolderLock(QString folder, QString path) : folder_(std::move(folder)), path_(std::move(path)) {}

    QString folder_;
    QString path_;  // empty: no lock file could be made
};
