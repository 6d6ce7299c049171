#pragma once
// The bytes of the settings file, in its open folder: read without waiting on a pipe or reading
// more than settings ever take, and replaced atomically (a temporary beside it, flushed, renamed
// over it), so that a write that fails leaves the old file whole.

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace qx::SettingsFile {

// Settings of the program take a few hundred bytes; a larger file is not the program's.
constexpr qint64 kMaxBytes = 1 << 20;

struct Contents {
    bool exists = false;
    QByteArray bytes;
    mode_t mode = 0644;  // of the file, or for a new one
};

// The file `name` in the open folder `folder`; a missing one reads empty. Throws RegistryError
// naming `file`: NotARegularFile, TooLarge, Unreadable.
Contents read(int folder, const QByteArray& name, const QString& file);

// Puts `bytes` in place of the file `name` in the open folder `folder`, with `mode`. Throws
// RegistryError (NotWritten) naming `file`; the old file is then as it was and no temporary stays.
void replace(int folder, const QByteArray& name, const QByteArray& bytes, mode_t mode, const QString& file);

}  // namespace qx::SettingsFile
