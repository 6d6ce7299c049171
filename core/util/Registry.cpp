#include "core/util/Registry.h"

#include "platform/system/Registry.h"

void WriteRegString(const QString& subKey, const QString& name, const QString& value)
{
    qx::Registry().writeString(subKey, name, value);
}

QString ReadRegString(const QString& subKey, const QString& name) { return qx::Registry().readString(subKey, name); }
