#include "platform/system/IniText.h"

#include "platform/system/Registry.h"

#include <QFile>
#include <QSettings>

namespace qx {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

bool readFile(const QString& path, QByteArray* bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

}  // namespace

IniText::IniText(const QByteArray& text, const QString& file)
    : file_(file), text_(text)
{
    readable_ = parse(text, QStringLiteral("read.ini"), &values_);
}

QString IniText::copy(const QString& name, const QByteArray& bytes) const
{
    const QString path = dir_.filePath(name);
    if (!dir_.isValid() || !writeFile(path, bytes))
        throw RegistryError(RegistryFault::NotWritten, 0, file_);
    return path;
}

bool IniText::parse(const QByteArray& text, const QString& copyName, QMap<QString, QVariant>* values) const
{
    // Each copy has a name of its own: QSettings keeps what it read of a file by its name.
    const QSettings settings(copy(copyName, text), QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        values->insert(key, settings.value(key));
    return settings.status() == QSettings::NoError;
}

QByteArray IniText::with(const QString& key, const QString& value) const
{
    const QString path = copy(QStringLiteral("edit.ini"), text_);
    bool made = false;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(key, value);
        settings.sync();
        made = settings.status() == QSettings::NoError;
    }
    // QSettings can report success for a file it failed to write: what it wrote must read back
    // as every value before, with the one set.
    QByteArray edited;
    QMap<QString, QVariant> expected = values_, written;
    expected.insert(key, value);
    if (!made || !readFile(path, &edited) || !parse(edited, QStringLiteral("check.ini"), &written) || written != expected)
        throw RegistryError(RegistryFault::NotWritten, 0, file_);
    return edited;
}

}  // namespace qx
