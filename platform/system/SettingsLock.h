#pragma once
// The settings file's lock, taken as QSettings takes it (through QLockFile), so that two programs
// never write the settings over each other: a file beside the settings named after them with
// ".lock", made anew by its holder, who keeps an OS lock on it and writes its process, program and
// computer into it. Unlike QSettings, it is given up within a deadline, never waits on a pipe in
// its place, and removes a lock that a crash left within a moment.

#include "platform/data/RegularFile.h"

#include <QByteArray>
#include <QString>

namespace qx {

class SettingsLock {
public:
    // Takes the lock `name` in the open folder `folder` (which must outlive the lock) within
    // `waitMs`. Throws RegistryError naming the settings file `file`: LockedByAnotherProgram when a
    // running program holds the lock all that time, LockUnusable when it cannot be made or is no
    // plain file.
    SettingsLock(int folder, const QByteArray& name, const QString& file, int waitMs = 1000);
    // Removes the lock file, if it is still this lock's, and lets go.
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    int folder_;
    QByteArray name_;
    Descriptor fd_;
};

}  // namespace qx
