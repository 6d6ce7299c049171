#include "core/check/OverflowNames.h"

QStringList OverflowFieldNames(const QString& overflowFields)
{
    QStringList names;
    for (const QString& piece : overflowFields.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString name = piece.trimmed();
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    return names;
}
