#pragma once
// Pieces of the main window's Open: where the folder dialog starts and the entry that records a
// change of program version in the folder.

#include <QDateTime>
#include <QString>

// "Forms" in the parent of the folder that holds the program ("/opt/app/bin/quendrix" gives
// "/opt/app/Forms"; a program at the root gives "/Forms").
QString DefaultFormsFolder(const QString& programPath);

// `path` itself when it is a folder, else its nearest ancestor that is one ("/" at worst).
QString NearestExistingFolder(const QString& path);

// The start folder of the folder dialog: the open folder, else the remembered one, else the
// default; a remembered or default folder that does not exist (yet) gives its nearest existing
// ancestor, so that the chooser never starts on a folder it cannot show.
QString OpenStartFolder(const QString& currentFolder, const QString& remembered, const QString& programPath);

// CR LF "[yyyymmdd hh:nn:ss]" CR LF "App_Version=" old " -> " new.
QString VersionLogEntry(const QDateTime& now, const QString& oldVersion, const QString& newVersion);
