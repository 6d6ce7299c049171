#include "ui/mainwindow/OpenFolderSteps.h"

#include <QDir>
#include <QFileInfo>

QString DefaultFormsFolder(const QString& programPath)
{
    // The parent of the program's folder; the root is its own parent.
    QString parent = QFileInfo(QFileInfo(programPath).absolutePath()).absolutePath();
    if (!parent.endsWith(QLatin1Char('/')))
        parent += QLatin1Char('/');
    return parent + QStringLiteral("Forms");
}

QString NearestExistingFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return path;
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return QDir::rootPath();
        folder = parent;
    }
    return folder;
}

QString OpenStartFolder(const QString& currentFolder, const QString& remembered, const QString& programPath)
{
    if (!currentFolder.isEmpty())
        return currentFolder;
    return NearestExistingFolder(remembered.isEmpty() ? DefaultFormsFolder(programPath) : remembered);
}

QString VersionLogEntry(const QDateTime& now, const QString& oldVersion, const QString& newVersion)
{
    const QString crlf = QStringLiteral("\r\n");
    return crlf + QLatin1Char('[') + now.toString(QStringLiteral("yyyyMMdd HH:mm:ss")) + QLatin1Char(']') + crlf
           + QStringLiteral("App_Version=") + oldVersion + QStringLiteral(" -> ") + newVersion;
}
