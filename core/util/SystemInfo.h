#pragma once
// The computer's name, the version built into a program file and the program's title.

#include <QString>

// The computer's network name; "" when the system gives none.
QString GetLocalComputerName();
// The version built into the program file at `fileName` ("1.0.0.0"); "" for any other file or a
// file that cannot be read. Callers pass the program's own path
// (QCoreApplication::applicationFilePath()).
QString GetFileVersionString(const QString& fileName);

// "Corvel．Quendrix": the name the message dialog's print-out, its mail and the plain message
// box give the program. Window captions do not carry it (each shows its own caption only).
QString ApplicationTitle();
