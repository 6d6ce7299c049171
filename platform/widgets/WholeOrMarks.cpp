#include "platform/widgets/WholeOrMarks.h"

#include <QFontMetrics>

bool ShowsWhole(qx::FieldType type)
{
    switch (type) {
    case qx::FieldType::String:
    case qx::FieldType::Boolean:
        return false;
    default:
        return true;
    }
}

QString WholeOrMarks(const QString& text, const QFontMetrics& metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    const int mark = qMax(1, metrics.horizontalAdvance(QLatin1Char('#')));
    return QString(qMax(1, room / mark), QLatin1Char('#'));
}

QString WholeOrMarks(const QString& text, const QFontMetricsF& metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    const qreal mark = qMax(qreal(1), metrics.horizontalAdvance(QLatin1Char('#')));
    return QString(qMax(1, int(room / mark)), QLatin1Char('#'));
}
