#pragma once
// The current user's settings store: string values under "Corvel\Quendrix", kept in an INI file
// under the user's config folder. Every write is synced at once and a failed write raises; a write
// waits at most a second for the settings' lock, clearing one that a crash left.

#include <QString>
#include <stdexcept>

namespace qx {

// A value could not be written (the file or its folder is not writable, or the store is broken).
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Registry {
public:
    Registry(QString organization = QStringLiteral("Corvel"), QString application = QStringLiteral("Quendrix"));

    // The value `name` under the key's sub-key `subKey` ("" is the key itself); "" when missing.
    QString readString(const QString& subKey, const QString& name) const;
    // Writes and syncs; throws RegistryError naming the value and the file when it fails.
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
