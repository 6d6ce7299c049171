#pragma once
// The offset edits' text: which keys they take, how their text is read and shown. Offsets are in
// millimetres with the system's decimal separator, four decimals at most.

#include "platform/data/Currency.h"

#include <QChar>
#include <QString>
#include <optional>

// The system's decimal separator.
QChar SystemDecimalSeparator();

// Whether a typed character reaches an offset edit holding `text`: Backspace, Tab, Enter, Escape,
// the digits and the decimal separator (only while the text holds none).
bool OffsetKeyPasses(QChar key, const QString& text, QChar decimalSeparator);

// The offset in an edit's text, rounded half up to four decimals; nothing when it is no number.
std::optional<qx::Currency> ParseOffset(const QString& text, QChar decimalSeparator);

// An offset as a plain number with the decimal separator ("10", "10.5").
QString FormatOffset(qx::Currency value, QChar decimalSeparator);
