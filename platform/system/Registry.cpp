#include "platform/system/Registry.h"

#include <QSettings>

namespace qx {

namespace {

QSettings::Status statusAfterSync(QSettings& settings)
{
    settings.sync();
    return settings.status();
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
    QSettings::Status status = settings.isWritable() ? QSettings::NoError : QSettings::AccessError;
    if (status == QSettings::NoError) {
        settings.setValue(path, value);
        status = statusAfterSync(settings);
    }
    if (status != QSettings::NoError)
        throw RegistryError(QStringLiteral("Cannot write the setting \"%1\" to %2: %3")
                                .arg(path, settings.fileName(), statusText(status))
                                .toStdString());
}

QString Registry::fileName() const
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, organization_, application_).fileName();
}

}  // namespace qx
