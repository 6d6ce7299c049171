#pragma once
// The values the annex auto-calc buttons propose, computed exactly: amounts are summed and
// subtracted in an exact 128-bit sum and only the result is held to the currency range, so a sum
// of large amounts neither loses digits nor wraps, and only a result beyond the range overflows.

#include "platform/data/Currency.h"
#include "platform/data/ExactSum.h"

#include <QString>
#include <QStringList>

namespace qx {
class ClientDataSet;
}
class TdmMain;
struct AnnexCalcButton;

// An aggregate total of an asset list; null (an empty list) counts 0. A total that itself left
// the currency range throws CurrencyOverflow rather than counting 0.
qx::ExactSum ListTotal(const qx::ClientDataSet& list, const QString& field);
// from − minus, a negative result proposed as 0; throws CurrencyOverflow beyond the range.
qx::Currency ClampedDifference(const qx::ExactSum& from, const qx::ExactSum& minus);
// The sum of the fields of the current record, null counting 0; throws CurrencyOverflow beyond
// the range.
qx::Currency SumOfFields(const qx::ClientDataSet& dataSet, const QStringList& fields);
// The provision-reversal amounts of M/4 page 1 that FAB-003 adds up.
const QStringList& ProvisionReversalFields();

// The value a button proposes, from the data module's current values; throws CurrencyOverflow.
qx::Currency AnnexCalcValue(const TdmMain& dm, const AnnexCalcButton& button);
