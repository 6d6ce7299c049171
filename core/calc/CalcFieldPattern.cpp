// What every calculation handler shares: sums over numbered fields, the overflow flag and the
// display of an overflowed amount.
#include "core/calc/FieldSeries.h"
#include "core/calc/OverflowList.h"
#include "core/module/TdmMain.h"

#include "platform/data/DisplayFormat.h"

#include <QHash>
#include <memory>

namespace {

const QString kOverflowText = QStringLiteral("**********");

// The addends of each series, per dataset fields, looked up on first use. Entries of datasets
// that are gone are never matched again (stamps are not reused); the cache starts over when it
// has grown past what one data module needs.
struct SeriesKey {
    std::uint64_t stamp;
    QString pattern;
    int first;
    int last;
    bool operator==(const SeriesKey&) const = default;
};

size_t qHash(const SeriesKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.stamp, key.pattern, key.first, key.last);
}

constexpr qsizetype kMaxCachedSeries = 1024;

// Shared, so that a calculation the sum sets off may use the cache again meanwhile.
using Addends = std::shared_ptr<const std::vector<FieldRef>>;

Addends cachedSeries(const qx::ClientDataSet& record, const QString& pattern, int first, int last)
{
    thread_local QHash<SeriesKey, Addends> cache;
    const SeriesKey key{record.fieldsStamp(), pattern, first, last};
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    if (cache.size() >= kMaxCachedSeries)
        cache.clear();
    const Addends addends = std::make_shared<const std::vector<FieldRef>>(SeriesFields(record, pattern, first, last));
    cache.insert(key, addends);
    return addends;
}

}  // namespace

void TdmMain::AddFieldSeries(qx::Field& target, const QString& pattern, int first, int last)
{
    const Addends addends = cachedSeries(target.dataSet(), pattern, first, last);
    AddSeries(*this, target, *addends, IsOverflowFlagged(target));
}

void TdmMain::FlagOverflow(qx::Field& field)
{
    field.setAsCurrency(qx::Currency());
    if (qx::Field* list = field.dataSet().findField(u"overflow_fields")) {
        const QString text = list->asString();
        if (!OverflowListHas(text, field.fieldName()))
            list->setAsString(OverflowListWith(text, field.fieldName()));
    }
}

void TdmMain::cdsM1P2r21_mopGetText(qx::Field& sender, QString& text, bool displayText)
{
    text = IsOverflowFlagged(sender) ? kOverflowText : qx::formatNumber(sender.displayFormat(), sender.asCurrency());
}
