#include "core/calc/FieldSeries.h"

#include "core/calc/Guard.h"

std::vector<FieldRef> SeriesFields(const qx::ClientDataSet& record, const QString& pattern, int first, int last)
{
    std::vector<FieldRef> fields;
    for (int i = first; i <= last; ++i)
        fields.push_back(LookUpField(record, QString(pattern).replace(QStringLiteral("%d"), QString::number(i))));
    return fields;
}

void AddSeries(TdmMain& dm, qx::Field& target, const std::vector<FieldRef>& addends, bool flagged)
{
    const qx::ClientDataSet& record = target.dataSet();
    GuardedStepUnlessFlagged(dm, target, flagged, [&] {
        for (const FieldRef& addend : addends)
            target.setAsCurrency(target.asCurrency() + FieldOf(record, addend).asCurrency());
    });
}
