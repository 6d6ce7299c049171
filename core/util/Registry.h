#pragma once
// The program's remembered values under the current user's key "Corvel\Quendrix". The only value
// kept is "DefaultFormFolder" (SubKey ""): the folder of the last form folder opened.

#include <QString>

// Writes and syncs at once; a failure raises qx::RegistryError (platform/system/Registry.h).
void WriteRegString(const QString& subKey, const QString& name, const QString& value);
// The value, or "" when it does not exist.
QString ReadRegString(const QString& subKey, const QString& name);
