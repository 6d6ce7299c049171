#include "ui/editors/AnnexCalcValue.h"

#include "core/module/TdmMain.h"
#include "ui/editors/AnnexVariants.h"

qx::ExactSum ListTotal(const qx::ClientDataSet& list, const QString& field)
{
    const qx::Field& total = list.fieldByName(field);
    if (list.aggregateOverflow(total.index()))
        throw qx::CurrencyOverflow("list total out of range");
    return total.isNull() ? qx::ExactSum() : qx::ExactSum(total.asCurrency());
}

qx::Currency ClampedDifference(const qx::ExactSum& from, const qx::ExactSum& minus)
{
    const qx::ExactSum difference = from - minus;
    return difference.isNegative() ? qx::Currency() : difference.toCurrency();
}

qx::Currency SumOfFields(const qx::ClientDataSet& dataSet, const QStringList& fields)
{
    qx::ExactSum sum;
    for (const QString& name : fields) {
        const qx::Field& f = dataSet.fieldByName(name);
        if (!f.isNull())
            sum += f.asCurrency();
    }
    return sum.toCurrency();
}

const QStringList& ProvisionReversalFields()
{
    static const QStringList fields = {
        QStringLiteral("1_R1_Col5_Col6_Sum"), QStringLiteral("1_R2_Col5_Col6_Sum"),
        QStringLiteral("1_R3_Col5_Col6_Sum"), QStringLiteral("1_R4_Col5_Col6_Sum"),
        QStringLiteral("1_R5_Col6_Mop"),      QStringLiteral("1_R6_Col6_Mop"),
        QStringLiteral("1_R7_Col6_Mop"),
    };
    return fields;
}

qx::Currency AnnexCalcValue(const TdmMain& dm, const AnnexCalcButton& button)
{
    const QString written = QStringLiteral("COL6_TTL");
    const QString alienated = QStringLiteral("COL7_TTL");
    switch (button.value) {
    case AnnexValue::Losses:
        return ClampedDifference(ListTotal(dm.cdsM3AAba, written), ListTotal(dm.cdsM3AAli, alienated));
    case AnnexValue::Gains:
        return ClampedDifference(ListTotal(dm.cdsM3AAli, alienated), ListTotal(dm.cdsM3AAba, written));
    case AnnexValue::Reversals:
        return SumOfFields(dm.cdsM4P1, ProvisionReversalFields());
    case AnnexValue::Copy:
        break;
    }
    return SumOfFields(*dm.DataSetByName(button.source.dataSet), {button.source.field});
}
