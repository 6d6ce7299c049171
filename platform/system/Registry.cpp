#include "platform/system/Registry.h"

#include <QLockFile>
#include <QSettings>

namespace qx {

namespace {

QSettings::Status statusAfterSync(QSettings& settings)
{
    settings.sync();
    return settings.status();
}

// Why the settings file's lock (QSettings' own lock file beside it) is not clear; empty when it
// is. QSettings waits for that lock without end, and takes a lock a crash left for stale only
// after half a minute, so it is cleared here first, within a moment: a lock nobody holds an OS
// lock on is removed once it is a quarter of a second old (a holder takes its OS lock the instant
// it makes the file), while one a running program holds is left alone and the write given up,
// so that program's settings are never overwritten with an older copy.
QString settingsLockFault(const QString& settingsFile)
{
    QLockFile lock(settingsFile + QStringLiteral(".lock"));
    lock.setStaleLockTime(250);
    if (lock.tryLock(1000)) {
        lock.unlock();
        return {};
    }
    switch (lock.error()) {
    case QLockFile::LockFailedError: return QStringLiteral("the settings are locked by another program");
    case QLockFile::PermissionError: return QStringLiteral("access denied to the settings' lock file");
    default: return QStringLiteral("the settings' lock file cannot be made");
    }
}

QString statusText(QSettings::Status status)
{
    switch (status) {
    case QSettings::NoError: return QStringLiteral("no error");
    case QSettings::AccessError: return QStringLiteral("access denied");
    case QSettings::FormatError: return QStringLiteral("the settings file is damaged");
    }
    return QStringLiteral("unknown error");
}

}  // namespace

QString registryPath(const QString& subKey, const QString& name)
{
    QString key = subKey;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (key.startsWith(QLatin1Char('/')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('/')))
        key.chop(1);
    return key.isEmpty() ? name : key + QLatin1Char('/') + name;
}

Registry::Registry(QString organization, QString application)
    : organization_(std::move(organization)), application_(std::move(application))
{
}

QString Registry::readString(const QString& subKey, const QString& name) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, application_);
    return settings.value(registryPath(subKey, name)).toString();
}

void Registry::writeString(const QString& subKey, const QString& name, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, application_);
    const QString path = registryPath(subKey, name);
    QString why;
    if (!settings.isWritable())
        why = statusText(QSettings::AccessError);
    else
        why = settingsLockFault(settings.fileName());
    if (why.isEmpty()) {
        settings.setValue(path, value);
        const QSettings::Status status = statusAfterSync(settings);
        if (status != QSettings::NoError)
            why = statusText(status);
    }
    if (!why.isEmpty())
        throw RegistryError(QStringLiteral("Cannot write the setting \"%1\" to %2: %3")
                                .arg(path, settings.fileName(), why)
                                .toStdString());
}

QString Registry::fileName() const
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, organization_, application_).fileName();
}

}  // namespace qx
