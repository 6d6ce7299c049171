#pragma once
// A copy of a form folder's files for another program to read: the folder itself is locked to
// the process that holds it open, and its lock file stays behind.

#include <QDir>
#include <QFile>
#include <QString>

inline QString CopyFolderFiles(const QString& folder, const QString& into)
{
    QDir().mkpath(into);
    for (const QString& name : QDir(folder).entryList(QDir::Files))  // the lock file is hidden
        QFile::copy(QDir(folder).filePath(name), QDir(into).filePath(name));
    return into;
}
