#pragma once
// The current user's settings store: string values under "Corvel\Quendrix", kept in QSettings' INI
// file under the user's config folder. A write replaces the file whole or not at all, flushed, and
// a failed write raises; neither a read nor a write waits more than about a second, on a lock
// another program holds or on a pipe in the file's place.

#include <QString>
#include <stdexcept>

namespace qx {

// Why the settings could not be written.
enum class RegistryFault {
    LockedByAnotherProgram,  // a running program holds the settings' lock
    LockUnusable,            // the settings' lock file cannot be made, or is no plain file
    NotARegularFile,         // a pipe, a folder or a device stands under the settings file's name
    TooLarge,                // the file is far larger than settings ever are: not the program's
    Damaged,                 // the file cannot be read as settings, and is left as it is
    Unreadable,              // the file cannot be read
    NotWritten,              // the file cannot be written: its folder, the disk, the permissions
};

class RegistryError : public std::runtime_error {
public:
    // `error`: the system's error number behind the fault, 0 when none; `file` the settings file.
    RegistryError(RegistryFault fault, int error, const QString& file);
    RegistryFault fault() const { return fault_; }
    int error() const { return error_; }

private:
    RegistryFault fault_;
    int error_;
};

class Registry {
public:
    Registry(QString organization = QStringLiteral("Corvel"), QString application = QStringLiteral("Quendrix"));

    // The value `name` under the key's sub-key `subKey` ("" is the key itself); "" when missing or
    // when the settings cannot be read.
    QString readString(const QString& subKey, const QString& name) const;
    // Writes and flushes, keeping every other value; throws RegistryError when it fails, the file
    // then as it was. Writing the value the file already holds changes nothing.
    void writeString(const QString& subKey, const QString& name, const QString& value);

    // The file that holds the values.
    QString fileName() const;

private:
    QString organization_;
    QString application_;
};

// The settings path of `name` under `subKey`: sub-keys separated by '/', backslashes accepted.
QString registryPath(const QString& subKey, const QString& name);

}  // namespace qx
