#include "platform/system/Registry.h"

#include "platform/data/RegularFile.h"
#include "platform/data/SystemReason.h"
#include "platform/system/IniText.h"
#include "platform/system/SettingsFile.h"
#include "platform/system/SettingsLock.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <cerrno>
#include <unistd.h>

namespace qx {

namespace {

const char* faultText(RegistryFault fault)
{
    switch (fault) {
    case RegistryFault::LockedByAnotherProgram: return "the settings are locked by another program";
    case RegistryFault::LockUnusable: return "the settings' lock file cannot be made or is no plain file";
    case RegistryFault::NotARegularFile: return "the settings file is no plain file";
    case RegistryFault::TooLarge: return "the settings file is too large to be settings";
    case RegistryFault::Damaged: return "the settings file is damaged";
    case RegistryFault::Unreadable: return "the settings file cannot be read";
    case RegistryFault::NotWritten: return "the settings cannot be written";
    }
    return "unknown fault";
}

QString errorText(RegistryFault fault, int error, const QString& file)
{
    QString text = QStringLiteral("Settings file \"%1\": %2").arg(file, QLatin1String(faultText(fault)));
    if (error != 0)
        text += QStringLiteral(" (%1)").arg(SystemReason(error));
    return text;
}

// Where the settings' bytes are: the file, or the file a link in its place leads to (written
// through, as QSettings does).
QFileInfo settingsTarget(const QString& file)
{
    QFileInfo info(file);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info;
}

}  // namespace

RegistryError::RegistryError(RegistryFault fault, int error, const QString& file)
    : std::runtime_error(errorText(fault, error, file).toStdString()), fault_(fault), error_(error)
{
}

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
    const QString file = fileName();
    const QFileInfo target = settingsTarget(file);
    const Descriptor folder = RegularFile::openFolder(target.absolutePath());
    if (!folder)
        return {};
    try {
        const SettingsFile::Contents contents = SettingsFile::read(folder.get(), QFile::encodeName(target.fileName()), file);
        return IniText(contents.bytes, file).value(registryPath(subKey, name)).toString();
    } catch (const RegistryError&) {
        return {};
    }
}

void Registry::writeString(const QString& subKey, const QString& name, const QString& value)
{
    const QString file = fileName();
    const QString key = registryPath(subKey, name);
    const QFileInfo info(file);
    QDir().mkpath(info.absolutePath());
    int error = 0;
    const Descriptor folder = RegularFile::openFolder(info.absolutePath(), &error);
    if (!folder)
        throw RegistryError(RegistryFault::NotWritten, error, file);
    const SettingsLock lock(folder.get(), QFile::encodeName(info.fileName() + QStringLiteral(".lock")), file);

    // A link in the file's place leads to another folder, opened for the file alone.
    const QFileInfo target = settingsTarget(file);
    Descriptor linkedFolder;
    if (target.absolutePath() != info.absolutePath()
        && !(linkedFolder = RegularFile::openFolder(target.absolutePath(), &error)))
        throw RegistryError(RegistryFault::NotWritten, error, file);
    const int targetFolder = linkedFolder ? linkedFolder.get() : folder.get();
    const QByteArray targetName = QFile::encodeName(target.fileName());
    const SettingsFile::Contents contents = SettingsFile::read(targetFolder, targetName, file);
    const IniText ini(contents.bytes, file);
    if (!ini.readable())
        throw RegistryError(RegistryFault::Damaged, 0, file);
    if (ini.value(key) == QVariant(value))
        return;
    if (contents.exists && ::faccessat(targetFolder, targetName.constData(), W_OK, AT_EACCESS) != 0)
        throw RegistryError(RegistryFault::NotWritten, errno, file);
    SettingsFile::replace(targetFolder, targetName, ini.with(key, value), contents.mode, file);
}

QString Registry::fileName() const
{
    // QSettings reads its files as soon as it is made, and would wait without end on a pipe: the
    // settings folder is taken from a QSettings for names no file has.
    const QString probe = QStringLiteral("qx-probe-%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    const QString probeFile = QSettings(QSettings::IniFormat, QSettings::UserScope, probe, probe).fileName();
    const QString folder = QFileInfo(QFileInfo(probeFile).absolutePath()).absolutePath();
    return folder + QLatin1Char('/') + organization_ + QLatin1Char('/') + application_ + QStringLiteral(".ini");
}

}  // namespace qx
