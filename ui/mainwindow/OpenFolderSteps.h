#pragma once
// Pieces of the main window's Open: where the folder dialog starts and the entry that records a
// change of program version in the folder.

#include <QDateTime>
#include <QString>

// "Forms" in the parent of the folder that holds the program ("/opt/app/bin/quendrix" gives
// "/opt/app/Forms"; a program at the root gives "/Forms").
QString DefaultFormsFolder(const QString& programPath);

// The start folder of the folder dialog: the open folder, else the remembered one, else the
// default.
QString OpenStartFolder(const QString& currentFolder, const QString& remembered, const QString& programPath);

// CR LF "[yyyymmdd hh:nn:ss]" CR LF "App_Version=" old " -> " new.
QString VersionLogEntry(const QDateTime& now, const QString& oldVersion, const QString& newVersion);
