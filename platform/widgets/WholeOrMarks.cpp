#include "platform/widgets/WholeOrMarks.h"

#include <QFontMetrics>

namespace {

// Measured in whole pixels (QFontMetrics) or to the fraction (QFontMetricsF).
template <class Metrics>
QString WholeOrMarksIn(const QString& text, const Metrics& metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    const auto mark = qMax(decltype(metrics.horizontalAdvance(text))(1), metrics.horizontalAdvance(QLatin1Char('#')));
    return QString(qMax(1, int(room / mark)), QLatin1Char('#'));
}

}  // namespace

QString WholeOrMarks(const QString& text, const QFontMetrics& metrics, int room)
{
    return WholeOrMarksIn(text, metrics, room);
}

QString WholeOrMarks(const QString& text, const QFontMetricsF& metrics, int room)
{
    return WholeOrMarksIn(text, metrics, room);
}
