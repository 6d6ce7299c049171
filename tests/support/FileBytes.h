#pragma once
// Files and folders as bytes, for tests that compare what is on disk before and after.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <sys/stat.h>

namespace qxtest {

// The whole file; empty when it cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's contents; true when every byte was written.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every entry of the folder (files and directories) with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        files[name] = readBytes(dir.filePath(name));
    return files;
}

// Copies the files (not the subfolders) of one folder into another; true when all were copied.
inline bool copyFolder(const QString& from, const QString& to)
{
    const QDir source(from);
    const QDir target(to);
    for (const QString& name : source.entryList(QDir::Files))
        if (!QFile::copy(source.filePath(name), target.filePath(name)))
            return false;
    return true;
}

// When the file's entry last changed (its last write or rename), in nanoseconds; -1 when missing.
inline qint64 changedAtNs(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
}

}  // namespace qxtest
