// What every calculation handler shares: sums over numbered fields, the overflow flag and the
// display of an overflowed amount.
#include "core/calc/Guard.h"
#include "core/calc/OverflowList.h"
#include "core/module/TdmMain.h"

#include "platform/data/DisplayFormat.h"

namespace {

const QString kOverflowText = QStringLiteral("**********");

QString seriesFieldName(const QString& pattern, int number)
{
    return QString(pattern).replace(QStringLiteral("%d"), QString::number(number));
}

}  // namespace

void TdmMain::AddFieldSeries(qx::Field& target, const QString& pattern, int first, int last)
{
    const qx::ClientDataSet& record = target.dataSet();
    GuardedStep(*this, target, [&] {
        for (int i = first; i <= last; ++i) {
            const qx::Field& addend = record.fieldByName(seriesFieldName(pattern, i));
            target.setAsCurrency(target.asCurrency() + addend.asCurrency());
        }
    });
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
