#pragma once
// The computer's name and the version built into a program file.

#include <QString>

// The computer's network name; "" when the system gives none.
QString GetLocalComputerName();
// The version built into the program file at `fileName` ("1.0.0.0"); "" for any other file or a
// file that cannot be read. Callers pass the program's own path
// (QCoreApplication::applicationFilePath()).
QString GetFileVersionString(const QString& fileName);
