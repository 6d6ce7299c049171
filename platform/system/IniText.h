#pragma once
// Settings text in QSettings' INI format, read and edited by QSettings itself on private copies in
// a temporary folder of their own. The settings file is never handed to QSettings, which waits
// without end on a pipe in its place or on a lock another program holds, and can put an empty
// file in place of one it failed to write.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace qx {

class IniText {
public:
    // The text of the settings file `file` (named in errors). Throws RegistryError (NotWritten)
    // when no private copy can be made.
    IniText(const QByteArray& text, const QString& file);

    // Whether QSettings reads the whole text: false when it found a line it cannot read.
    bool readable() const { return readable_; }
    // The value of `key` ("Group/Name"), as QSettings reads it; invalid when missing.
    QVariant value(const QString& key) const { return values_.value(key); }
    // The text with `key` set to `value` and every other value as it was. Throws RegistryError
    // (NotWritten) when it cannot be made: the text QSettings wrote is read back and checked.
    QByteArray with(const QString& key, const QString& value) const;

private:
    // The values QSettings reads from `text`, through a copy named `copyName`; false when it cannot
    // read the text whole. Throws as the constructor does.
    bool parse(const QByteArray& text, const QString& copyName, QMap<QString, QVariant>* values) const;
    // Writes `bytes` to the private copy `name`, returning its path; throws as the constructor does.
    QString copy(const QString& name, const QByteArray& bytes) const;

    QString file_;
    QByteArray text_;
    QTemporaryDir dir_;
    bool readable_ = false;
    QMap<QString, QVariant> values_;
};

}  // namespace qx
