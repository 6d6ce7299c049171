#include "core/calc/OverflowList.h"

#include "platform/data/ClientDataSet.h"

namespace {

const QChar kMark = u'/';

QString enclosed(const QString& name) { return kMark + name + kMark; }

}  // namespace

bool OverflowListHas(const QString& list, const QString& name)
{
    return !name.isEmpty() && list.contains(enclosed(name));
}

QString OverflowListWith(const QString& list, const QString& name)
{
    return OverflowListHas(list, name) ? list : list + enclosed(name);
}

QString OverflowListOf(const qx::Field& field)
{
    const qx::Field* list = field.dataSet().findField(u"overflow_fields");
    return list ? list->asString() : QString();
}

bool IsOverflowFlagged(const qx::Field& field)
{
    return IsListedIn(field.dataSet().findField(u"overflow_fields"), field);
}

// Every guarded step asks, and the list is nearly always empty: that answer needs no text.
bool IsListedIn(const qx::Field* list, const qx::Field& field)
{
    if (!list)
        return false;
    const qx::Value& text = list->value();
    if (qx::isNull(text))
        return false;
    if (const QString* s = std::get_if<QString>(&text); s && s->isEmpty())
        return false;
    return OverflowListHas(list->asString(), field.fieldName());
}

bool AnyOverflowFlagged(std::initializer_list<const qx::Field*> fields)
{
    for (const qx::Field* field : fields)
        if (field && IsOverflowFlagged(*field))
            return true;
    return false;
}

void ClearOverflowList(qx::ClientDataSet& dataSet)
{
    dataSet.fieldByName(u"overflow_fields").setAsString(QString());
}
