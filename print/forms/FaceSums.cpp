#include "print/forms/FaceSums.h"

#include "core/calc/OverflowList.h"
#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"

namespace {

const QString kOverflowedSum = QStringLiteral("**********");

}  // namespace

void FaceSums::clear()
{
    std::fill(values_.begin(), values_.end(), qx::Currency());
    std::fill(overflowed_.begin(), overflowed_.end(), false);
}

void FaceSums::add(int column, qx::Currency value)
{
    if (overflowed(column))
        return;
    try {
        values_.at(size_t(column)) += value;
    } catch (const qx::CurrencyOverflow&) {
        markOverflowed(column);
    }
}

QString FaceSums::text(int column) const
{
    return overflowed(column) ? kOverflowedSum : TdmMain::FormatMopText(value(column));
}

SumColumns::SumColumns(qx::ClientDataSet& list, std::vector<QString> fieldNames)
    : list_(list), names_(std::move(fieldNames))
{
}

void SumColumns::lookUp()
{
    fields_.clear();
    for (const QString& name : names_)
        fields_.push_back(&list_.fieldByName(name));
    overflowList_ = list_.findField(u"overflow_fields");
    stamp_ = list_.fieldsStamp();
}

void SumColumns::addCurrentRow(FaceSums& sums)
{
    if (fields_.empty() || stamp_ != list_.fieldsStamp())
        lookUp();
    for (int c = 0; c < count(); ++c) {
        const qx::Field& f = *fields_[size_t(c)];
        if (IsListedIn(overflowList_, f))
            sums.markOverflowed(c);
        else
            sums.add(c, f.asCurrency());
    }
}
