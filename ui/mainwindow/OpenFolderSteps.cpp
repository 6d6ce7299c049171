#include "ui/mainwindow/OpenFolderSteps.h"

#include <QDir>
#include <QFileInfo>

QString DefaultFormsFolder(const QString& programPath)
{
    QDir dir = QFileInfo(programPath).absoluteDir();
    dir.cdUp();  // stays at the root
    QString parent = dir.absolutePath();
    if (!parent.endsWith(QLatin1Char('/')))
        parent += QLatin1Char('/');
    return parent + QStringLiteral("Forms");
}

QString OpenStartFolder(const QString& currentFolder, const QString& remembered, const QString& programPath)
{
    if (!currentFolder.isEmpty())
        return currentFolder;
    if (!remembered.isEmpty())
        return remembered;
    return DefaultFormsFolder(programPath);
}

QString VersionLogEntry(const QDateTime& now, const QString& oldVersion, const QString& newVersion)
{
    const QString crlf = QStringLiteral("\r\n");
    return crlf + QLatin1Char('[') + now.toString(QStringLiteral("yyyyMMdd HH:mm:ss")) + QLatin1Char(']') + crlf
           + QStringLiteral("App_Version=") + oldVersion + QStringLiteral(" -> ") + newVersion;
}
