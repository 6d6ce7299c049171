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
    const qx::Field* list = record.findField(u"overflow_fields");
    for (const FieldRef& addend : addends) {
        if (IsListedIn(list, FieldOf(record, addend))) {
            dm.FlagOverflow(target);  // a sum of an overflowed line is no figure either
            return;
        }
    }
    GuardedStepUnlessFlagged(dm, target, flagged, [&] {
        for (const FieldRef& addend : addends)
            target.setAsCurrency(target.asCurrency() + FieldOf(record, addend).asCurrency());
    });
}
