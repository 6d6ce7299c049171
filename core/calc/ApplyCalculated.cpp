// The auto-calculate buttons' way of putting a computed value into an input field: only after
// the user confirms the change.
#include "core/module/TdmMain.h"
#include "core/util/Messages.h"

#include "platform/data/DisplayFormat.h"

namespace {

// An amount of the DM-002 question: "0" for zero, else as the field displays it.
QString amountText(const qx::Field& field, qx::Currency value)
{
    return value.isZero() ? QStringLiteral("0") : qx::formatNumber(field.displayFormat(), value);
}

}  // namespace

bool TdmMain::ApplyCalcFieldValue(qx::Field& source, qx::Field& target)
{
    return ApplyCalculatedValue(target, source.asCurrency());
}

bool TdmMain::ApplyCalculatedValue(qx::Field& field, qx::Currency value)
{
    const qx::Currency current = field.asCurrency();
    if (current == value) {
        ShowMultiLangMsg(QStringLiteral("現值與自動計算值相同"),
                         QStringLiteral("O valor actual é igual ao valor calculado automaticamente."), QString(),
                         dtInformation, QStringLiteral("DM-001"));
        return false;
    }

    const QString now = amountText(field, current);
    const QString calculated = amountText(field, value);
    const int answer = ShowMultiLangMsg(
        QStringLiteral("是否將現值 ") + now + QStringLiteral("\r\n更改為自動計算值 ") + calculated + QStringLiteral("？"),
        QStringLiteral("Confirma a alteração do valor actual ") + now
            + QStringLiteral(", para o valor calculado automaticamente ") + calculated + QStringLiteral("？"),
        QString(), dtQuestion, QStringLiteral("DM-002"));
    if (answer != mrYes)
        return false;

    qx::ClientDataSet& dataSet = field.dataSet();
    if (!dataSet.editing())
        dataSet.edit();
    field.setAsCurrency(value);
    return true;
}
