#include "core/util/SystemInfo.h"

#include "platform/system/ComputerName.h"
#include "platform/system/FileVersion.h"

QString GetLocalComputerName() { return qx::computerName(); }

QString GetFileVersionString(const QString& fileName) { return qx::fileVersionOf(fileName); }

QString ApplicationTitle() { return QStringLiteral("Corvel．Quendrix"); }
